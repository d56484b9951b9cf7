// The one process-wide decimal separator shared by ParseReal and FormatReal.
#pragma once

namespace engine {

char DecimalMark();
void SetDecimalMark(char mark);

// Reads the separator of the C library's current locale; '.' when it is not
// exactly one byte. Call again whenever the locale may have changed.
void LoadDecimalMark();

}  // namespace engine
