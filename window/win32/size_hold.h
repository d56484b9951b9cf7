// Form1's size is held: every request to resize it, by the frame, by
// maximising or by a program, is answered with the one outer size.
#pragma once

#include <windows.h>

// WM_GETMINMAXINFO: the tracking and maximised sizes are the held size.
void HoldSize(MINMAXINFO& limits, SIZE held);
// WM_WINDOWPOSCHANGING: a new size becomes the held size; only the
// position may change.
void HoldSize(WINDOWPOS& position, SIZE held);
