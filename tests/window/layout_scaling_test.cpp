// The layout's adaptation to the font: identity at the designed 12-pixel
// characters, proportional otherwise, and the font for a screen density.
#include <gtest/gtest.h>

#include <ostream>

#include "window/layout_scaling.h"

namespace {

struct GeometryCase {
  const char* name;
  int measured;
  Rect designed;
  bool fixed_height;
  Rect expected;
};

void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }

class LayoutGeometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(LayoutGeometry, Scales) {
  const GeometryCase& c = GetParam();
  EXPECT_EQ(TLayoutScale(c.measured).Geometry(c.designed, c.fixed_height), c.expected);
  EXPECT_EQ(TLayoutScale(c.measured).IsIdentity(), c.measured == 12);
}

// Edges scale and round on their own: right 631 * 4/3 = 841.3, bottom 331 * 4/3 = 441.3.
// A fixed-height control moves and widens but keeps its frame: 20 + (16 - 12).
INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutGeometry,
    testing::Values(
        GeometryCase{"identity_button", 12, {540, 300, 91, 31}, false, {540, 300, 91, 31}},
        GeometryCase{"identity_edit", 12, {120, 50, 61, 20}, true, {120, 50, 61, 20}},
        GeometryCase{"identity_client", 12, {0, 0, 631, 332}, false, {0, 0, 631, 332}},
        GeometryCase{"edges_16", 16, {540, 300, 91, 31}, false, {720, 400, 121, 41}},
        GeometryCase{"label_rounds_up_16", 16, {0, 320, 359, 12}, false, {0, 427, 479, 16}},
        GeometryCase{"client_16", 16, {0, 0, 631, 332}, false, {0, 0, 841, 443}},
        GeometryCase{"edit_keeps_frame_16", 16, {120, 50, 61, 20}, true, {160, 67, 81, 24}},
        GeometryCase{"shrinks_9", 9, {40, 50, 71, 20}, true, {30, 38, 53, 17}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutScale, FontPixels) {
  EXPECT_EQ(TLayoutScale(12).FontPixels(12), 12);
  EXPECT_EQ(TLayoutScale(12).FontPixels(13), 13);  // the trial button
  EXPECT_EQ(TLayoutScale(16).FontPixels(12), 16);
  EXPECT_EQ(TLayoutScale(16).FontPixels(13), 17);  // 17.3
}

TEST(LayoutScale, FontPixelsForDensity) {
  EXPECT_EQ(FontPixelsForDensity(12, 96), 12);
  EXPECT_EQ(FontPixelsForDensity(12, 120), 15);
  EXPECT_EQ(FontPixelsForDensity(12, 144), 18);
  EXPECT_EQ(FontPixelsForDensity(13, 120), 16);  // 16.25 rounds down
  EXPECT_EQ(FontPixelsForDensity(14, 72), 11);   // 10.5 rounds up
}

TEST(LayoutScale, BoundingBox) {
  EXPECT_EQ(BoundingBox({}), Rect{});
  const Rect rects[] = {{10, 20, 5, 5}, {40, 5, 10, 50}};
  EXPECT_EQ(BoundingBox(rects), (Rect{10, 5, 40, 50}));
}

}  // namespace
