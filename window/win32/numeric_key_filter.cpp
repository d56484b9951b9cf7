#include "window/win32/numeric_key_filter.h"

#include "engine/decimal_mark.h"
#include "window/numeric_key_rule.h"

LRESULT TNumericKeyFilter::Handle(UINT message, WPARAM w, LPARAM l) {
  if (message == WM_CHAR && !NumericFieldAccepts(static_cast<char32_t>(w), engine::DecimalMark()))
    return 0;
  return CallPrevious(message, w, l);
}
