// How the designed layout adapts to a screen whose font comes out larger or
// smaller than the 12-pixel characters it was drawn for.
#pragma once

#include <QRect>

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
  QRect Geometry(const QRect& designed, bool fixed_height) const;
  int FontPixels(int designed_pixels) const;

 private:
  int Scaled(int value) const;

  int measured_;
};
