#include "window/numeric_key_rule.h"

bool NumericFieldAccepts(char32_t typed, char decimal_mark) {
  if (typed == 8 || typed == U'.' || (typed >= U'0' && typed <= U'9')) return true;
  const auto mark = static_cast<unsigned char>(decimal_mark);
  return mark != 0 && mark < 0x80 && typed == mark;
}
