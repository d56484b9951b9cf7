// The program's open message box: the dialog (class "#32770") that one of
// its windows owns.
#pragma once

#include <windows.h>

#include "tests/wine/probe/json.h"

// The first visible box owned by one of owners (null entries are skipped),
// or null.
HWND FindMessageBox(std::initializer_list<HWND> owners);
// Caption, text, icon, buttons, owner's class and rectangle on the screen.
json::Text DescribeMessageBox(HWND box);
// Clicks the box's OK button as the button itself would report it.
bool PressOk(HWND box);
