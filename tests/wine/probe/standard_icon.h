// Which of the system's message-box icons an icon control shows. Icon
// handles do not cross processes, so the probe compares what is on the
// screen with the icons as it draws them itself.
#pragma once

#include <windows.h>

#include <string>

// "error", "warning", "information", "question", or "unknown".
std::wstring StandardIconShown(HWND icon_control);
