#include "window/layout_scaling.h"

#include "window/control_table.h"

namespace {

constexpr int kDesignedDensity = 96;

// value * numerator / denominator rounded to nearest, halves up; layout
// values are never negative.
int MulDivRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  return static_cast<int>((product + denominator / 2) / denominator);
}

}  // namespace

int FontPixelsForDensity(int designed_pixels, int dots_per_inch) {
  return MulDivRounded(designed_pixels, dots_per_inch, kDesignedDensity);
}

TLayoutScale::TLayoutScale(int measured_height) : measured_(measured_height) {}

bool TLayoutScale::IsIdentity() const { return measured_ == kDesignedFontPixels; }

QRect TLayoutScale::Geometry(const QRect& designed, bool fixed_height) const {
  const int left = Scaled(designed.x());
  const int top = Scaled(designed.y());
  const int right = Scaled(designed.x() + designed.width());
  const int bottom = Scaled(designed.y() + designed.height());
  const int height =
      fixed_height ? designed.height() + measured_ - kDesignedFontPixels : bottom - top;
  return {left, top, right - left, height};
}

int TLayoutScale::FontPixels(int designed_pixels) const { return Scaled(designed_pixels); }

int TLayoutScale::Scaled(int value) const {
  return MulDivRounded(value, measured_, kDesignedFontPixels);
}
