#include "decimal_mark.h"

namespace engine {
namespace {
char g_decimal_mark = '.';
}  // namespace

char DecimalMark() { return g_decimal_mark; }

void SetDecimalMark(char mark) { g_decimal_mark = mark; }

}  // namespace engine
