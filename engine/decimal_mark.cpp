#include "decimal_mark.h"

#include <clocale>
#include <cstring>

namespace engine {
namespace {
char g_decimal_mark = '.';
}  // namespace

char DecimalMark() { return g_decimal_mark; }

void SetDecimalMark(char mark) { g_decimal_mark = mark; }

void LoadDecimalMark() {
  const std::lconv* conventions = std::localeconv();
  const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
  SetDecimalMark(point != nullptr && std::strlen(point) == 1 ? point[0] : '.');
}

}  // namespace engine
