// How the Windows edition names its windows, so that programs outside it
// (the test probe) find Form1 and each of its controls without guessing.
#pragma once

#include <cstddef>

// The invisible window that stands for the program in the task list and
// owns Form1 and every message box; its caption is the application title.
inline constexpr wchar_t kApplicationWindowClass[] = L"TApplication";
inline constexpr wchar_t kForm1WindowClass[] = L"TForm1";

// A control's child-window identifier: kFirstControlId plus its row in
// Form1Controls(). The picture and the label are drawn by Form1 itself and
// have no window.
inline constexpr int kFirstControlId = 100;
constexpr int ControlId(std::size_t row) { return kFirstControlId + static_cast<int>(row); }
