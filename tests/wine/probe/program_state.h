// What the program's windows show, read from outside: the application
// window, Form1 and each of its controls, the focus and an open message box.
#pragma once

#include <windows.h>

#include "tests/wine/probe/json.h"

HWND ApplicationWindow();
HWND Form1Window();
// The drop-down lists' items, a few hundred messages, only when asked for.
json::Text DescribeProgram(bool with_items);
