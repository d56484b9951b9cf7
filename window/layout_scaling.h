// How the designed layout adapts to a screen whose font comes out larger or
// smaller than the 12-pixel characters it was drawn for, and the client area
// that the controls span.
#pragma once

#include <span>

#include "window/control_table.h"

// The window's character height for a screen density: the designed height
// times density / 96, rounded.
int FontPixelsForDensity(int designed_pixels, int dots_per_inch);

class TLayoutScale {
 public:
  // measured_height: the character height the window's font actually has.
  explicit TLayoutScale(int measured_height);

  bool IsIdentity() const;
  // Left, top, right and bottom scaled by measured / designed. Controls of
  // fixed height keep their frame and grow only by what the font grew, so
  // their text still fits.
  Rect Geometry(const Rect& designed, bool fixed_height) const;
  int FontPixels(int designed_pixels) const;

 private:
  int Scaled(int value) const;

  int measured_;
};

// The smallest rectangle holding every one of the rectangles; the window's
// client area is this box, moved to start at its top-left corner.
Rect BoundingBox(std::span<const Rect> rects);
