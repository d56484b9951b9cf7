// Turns one row of the control table into a child window of Form1 with its
// content, style and font; the form places it and gives it its colours.
#pragma once

#include <windows.h>

#include <cstddef>

#include "window/control_table.h"

// The child window of `row` (its index in Form1Controls()) at `place`, with
// ControlId(row) as its identifier. Only windowed kinds (IsWindowed).
HWND BuildControl(const ControlRow& entry, std::size_t row, const Rect& place, HWND form,
                  HFONT font);
