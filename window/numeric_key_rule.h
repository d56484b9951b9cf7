// Which typed characters the eleven number fields let through.
#pragma once

// Backspace (8), ".", the digits "0" to "9", and the current decimal mark
// (an ASCII character other than NUL), so that a user whose separator is a
// comma can type a decimal rate.
bool NumericFieldAccepts(char32_t typed, char decimal_mark);
