#include <gtest/gtest.h>

#include <cstring>

#include "color.h"
#include "convert_helpers.h"

namespace {

TEST(HsvToRgb, HueTableAtFullSaturationAndValue) {
  const struct {
    int hue;
    Triple rgb;
  } cases[] = {
      {0, {255, 0, 0}},    {42, {255, 252, 0}},  {43, {253, 255, 0}},  {85, {1, 255, 0}},
      {86, {0, 255, 4}},   {127, {0, 255, 250}}, {128, {0, 255, 255}}, {129, {0, 249, 255}},
      {170, {0, 3, 255}},  {171, {2, 0, 255}},   {213, {254, 0, 255}}, {214, {255, 0, 252}},
      {255, {255, 0, 6}},
  };
  for (const auto& c : cases) EXPECT_EQ(Rgb(c.hue, 255, 255), c.rgb) << "hue " << c.hue;
}

TEST(HsvToRgb, BlendAndValue) {
  EXPECT_EQ(Rgb(0, 0, 255), (Triple{255, 255, 255}));
  EXPECT_EQ(Rgb(0, 0, 128), (Triple{128, 128, 128}));
  EXPECT_EQ(Rgb(15, 192, 200), (Triple{200, 102, 49}));
  EXPECT_EQ(Rgb(149, 170, 30), (Triple{10, 20, 30}));
  EXPECT_EQ(Rgb(100, 128, 200), (Triple{99, 200, 134}));
  EXPECT_EQ(Rgb(64, 255, 128), (Triple{63, 128, 0}));
  // The product and the sum of the blend are rounded one by one; a fused
  // multiply-add gives blue 222 here.
  EXPECT_EQ(Rgb(125, 34, 225), (Triple{195, 225, 223}));
}

TEST(HsvToRgb, HueAt128ClampsAndKHue300ShiftsBlue) {
  colorState.hue = 128;
  HueToPureColor();
  EXPECT_EQ(colorState.workBlue, 255.0);  // computed 256.0, clamped
  // Blue at hues 214..255 is one above exact arithmetic because kHue300
  // lies just above 1280/6.
  EXPECT_EQ(Rgb(214, 255, 255).c, 252u);
  EXPECT_EQ(Rgb(255, 255, 255).c, 6u);
}

TEST(HsvToRgb, RecordsInputsAndResultsInTheState) {
  Triple out = Rgb(0x1FF, 0x2FF, 0x380);  // low bytes 255, 255, 128
  EXPECT_EQ(colorState.hue, 255);
  EXPECT_EQ(colorState.saturation, 255);
  EXPECT_EQ(colorState.value, 128);
  EXPECT_EQ(out, (Triple{colorState.red, colorState.green, colorState.blue}));
  EXPECT_EQ(Rgb(256, 255, 255), Rgb(0, 255, 255));
  EXPECT_EQ(Rgb(-1, 255, 255), Rgb(255, 255, 255));
}

TEST(HsvToRgb, AnyNullDestinationDoesNothingAtAll) {
  uint32_t r = 7, g = 8, b = 9;
  uint32_t* const destinations[3][3] = {{nullptr, &g, &b}, {&r, nullptr, &b}, {&r, &g, nullptr}};
  for (const auto& d : destinations) {
    Rgb(10, 20, 30);
    ColorState before;
    std::memcpy(&before, &colorState, sizeof before);
    HsvToRgb(100, 128, 200, d[0], d[1], d[2]);
    EXPECT_EQ(std::memcmp(&before, &colorState, sizeof before), 0);
    EXPECT_EQ(r, 7u);
    EXPECT_EQ(g, 8u);
    EXPECT_EQ(b, 9u);
  }
}

}  // namespace
