#include "window/win32/size_hold.h"

void HoldSize(MINMAXINFO& limits, SIZE held) {
  const POINT size{held.cx, held.cy};
  limits.ptMaxSize = size;
  limits.ptMinTrackSize = size;
  limits.ptMaxTrackSize = size;
}

void HoldSize(WINDOWPOS& position, SIZE held) {
  if (position.flags & SWP_NOSIZE) return;
  position.cx = held.cx;
  position.cy = held.cy;
}
