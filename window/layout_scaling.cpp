#include "window/layout_scaling.h"

#include <algorithm>

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

Rect TLayoutScale::Geometry(const Rect& designed, bool fixed_height) const {
  const int left = Scaled(designed.left);
  const int top = Scaled(designed.top);
  const int right = Scaled(designed.Right());
  const int bottom = Scaled(designed.Bottom());
  const int height =
      fixed_height ? designed.height + measured_ - kDesignedFontPixels : bottom - top;
  return {left, top, right - left, height};
}

int TLayoutScale::FontPixels(int designed_pixels) const { return Scaled(designed_pixels); }

int TLayoutScale::Scaled(int value) const {
  return MulDivRounded(value, measured_, kDesignedFontPixels);
}

Rect BoundingBox(std::span<const Rect> rects) {
  if (rects.empty()) return {};
  int left = rects.front().left;
  int top = rects.front().top;
  int right = rects.front().Right();
  int bottom = rects.front().Bottom();
  for (const Rect& r : rects.subspan(1)) {
    left = std::min(left, r.left);
    top = std::min(top, r.top);
    right = std::max(right, r.Right());
    bottom = std::max(bottom, r.Bottom());
  }
  return {left, top, right - left, bottom - top};
}
