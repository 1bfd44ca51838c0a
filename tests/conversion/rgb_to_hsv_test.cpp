#include <gtest/gtest.h>

#include "color.h"
#include "convert_helpers.h"

namespace {

struct Case {
  uint8_t r, g, b;
  Triple hsv;
};

void ExpectAll(const Case* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(Hsv(c.r, c.g, c.b), c.hsv) << "rgb " << int(c.r) << ", " << int(c.g) << ", " << int(c.b);
  }
}

TEST(RgbToHsv, CharacteristicColors) {
  const Case cases[] = {
      {255, 0, 0, {0, 255, 255}},     {255, 255, 0, {42, 255, 255}}, {0, 255, 0, {85, 255, 255}},
      {0, 255, 255, {128, 255, 255}}, {0, 0, 255, {170, 255, 255}},  {255, 0, 255, {213, 255, 255}},
      {255, 255, 255, {0, 0, 255}},   {128, 128, 128, {0, 0, 128}},  {0, 0, 0, {0, 0, 0}},
  };
  ExpectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(RgbToHsv, WorkedExamplesAndSextantRules) {
  const Case cases[] = {
      {200, 100, 50, {15, 192, 200}},  // rule 1
      {10, 20, 30, {149, 170, 30}},    // rule 4 after a stretch to 127.5
      {12, 34, 56, {149, 201, 56}},
      {155, 255, 155, {85, 100, 255}},
      {250, 128, 114, {5, 139, 250}},
      {255, 128, 0, {22, 255, 255}},
      {255, 0, 128, {234, 255, 255}},  // rule 6
      {255, 0, 1, {255, 255, 255}},    // rule 6 just short of the wrap
      {254, 255, 255, {128, 1, 255}},  // saturation 1 stretches by 255
      {1, 0, 0, {0, 255, 1}},
      {0, 0, 1, {170, 255, 1}},
  };
  ExpectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(RgbToHsv, RoundingBoundaries) {
  // Rule 2 rounds down just below whole numbers: kHue120 - r / 6 lies a hair
  // under the exact value for every red 6n + 2 in 194..254.
  for (int r = 194; r <= 254; r += 6) {
    const uint32_t exact = 85 - (r - 2) / 6;  // (512 - r) / 6, a whole number
    EXPECT_EQ(Hsv(uint8_t(r), 255, 0).a, exact - 1) << "red " << r;
  }
  EXPECT_EQ(Hsv(194, 255, 0).a, 52u);
  EXPECT_EQ(Hsv(200, 255, 0).a, 51u);
  // Rule 1 against rule 7 near yellow.
  EXPECT_EQ(Hsv(255, 254, 0).a, 43u);
  EXPECT_EQ(Hsv(255, 253, 0).a, 43u);
  EXPECT_EQ(Hsv(255, 252, 0).a, 42u);
}

TEST(RgbToHsv, StagesHandOverTheWorkingChannels) {
  colorState.red = 200;
  colorState.green = 100;
  colorState.blue = 50;
  ComputeValue();
  EXPECT_EQ(colorState.value, 200);
  EXPECT_EQ(colorState.workRed, 255.0);
  EXPECT_EQ(colorState.workGreen, 127.0);
  EXPECT_EQ(colorState.workBlue, 63.0);
  ComputeSaturation();
  EXPECT_EQ(colorState.saturation, 192);
  EXPECT_EQ(colorState.workRed, 255.0);
  EXPECT_EQ(colorState.workGreen, 85.0);
  EXPECT_EQ(colorState.workBlue, 0.0);
  ComputeHue();
  EXPECT_EQ(colorState.hue, 15);

  // Black leaves every working channel at 0.0; any other grey at 255.0.
  EXPECT_EQ(Hsv(0, 0, 0), (Triple{0, 0, 0}));
  EXPECT_EQ(colorState.workRed + colorState.workGreen + colorState.workBlue, 0.0);
  EXPECT_EQ(Hsv(7, 7, 7), (Triple{0, 0, 7}));
  EXPECT_EQ(colorState.workRed, 255.0);
  EXPECT_EQ(colorState.workGreen, 255.0);
  EXPECT_EQ(colorState.workBlue, 255.0);

  // (channel * 255) / value keeps the largest channel at 255.0 where
  // channel * (255 / value) would give 254.0.
  for (uint8_t v : {25, 29, 50}) {
    colorState.red = v;
    colorState.green = 0;
    colorState.blue = 0;
    ComputeValue();
    EXPECT_EQ(colorState.workRed, 255.0) << "value " << int(v);
  }
}

}  // namespace
