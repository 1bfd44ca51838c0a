// HSV -> RGB on colorState. As in the other direction, every operation is
// one rounded double operation in the written order.
#include <cmath>

#include "byte_store.h"
#include "color.h"

// A channel rising across a sextant, rounded down.
static double Rising(double hue, double sextantStart) {
  return std::floor((hue - sextantStart) * kSextantSlope);
}

// A channel falling across a sextant, rounded up.
static double Falling(double hue, double sextantStart) {
  return std::ceil(kFull - (hue - sextantStart) * kSextantSlope);
}

// The working channels become the fully saturated, full-brightness color of
// the hue.
void HueToPureColor() {
  ColorState& c = colorState;
  const double a = static_cast<double>(c.hue);
  if (a <= kHue60) {
    c.workRed = kFull;
    c.workGreen = Rising(a, 0.0);
    c.workBlue = 0.0;
  } else if (a <= kHue120) {
    c.workRed = Falling(a, kHue60);
    c.workGreen = kFull;
    c.workBlue = 0.0;
  } else if (a <= kHue180) {
    c.workRed = 0.0;
    c.workGreen = kFull;
    c.workBlue = Rising(a, kHue120);
  } else if (a <= kHue240) {
    c.workRed = 0.0;
    c.workGreen = Falling(a, kHue180);
    c.workBlue = kFull;
  } else if (a <= kHue300) {
    c.workRed = Rising(a, kHue240);
    c.workGreen = 0.0;
    c.workBlue = kFull;
  } else {
    c.workRed = kFull;
    c.workGreen = 0.0;
    c.workBlue = Falling(a, kHue300);
  }
  // Only hue 128 overshoots: its blue piece computes exactly 256.0.
  if (c.workRed > kFull) c.workRed = kFull;
  if (c.workGreen > kFull) c.workGreen = kFull;
  if (c.workBlue > kFull) c.workBlue = kFull;
}

void HsvToRgb(int32_t hue, int32_t saturation, int32_t value, uint32_t* outRed,
              uint32_t* outGreen, uint32_t* outBlue) {
  if (outRed == nullptr || outGreen == nullptr || outBlue == nullptr) return;

  ColorState& c = colorState;
  c.hue = static_cast<uint8_t>(hue & 0xFF);
  c.saturation = static_cast<uint8_t>(saturation & 0xFF);
  c.value = static_cast<uint8_t>(value & 0xFF);

  HueToPureColor();

  // Blend with white: the product and the sum are rounded separately, which
  // is why the build forbids fused multiply-add here.
  const double s = static_cast<double>(c.saturation) / kFull;
  const double e = static_cast<double>(255 - c.saturation);
  c.workRed = s * c.workRed + e;
  c.workGreen = s * c.workGreen + e;
  c.workBlue = s * c.workBlue + e;

  const double v = static_cast<double>(c.value) / kFull;
  c.red = StoreByte(std::floor(v * c.workRed));
  c.green = StoreByte(std::floor(v * c.workGreen));
  c.blue = StoreByte(std::floor(v * c.workBlue));

  *outRed = c.red;
  *outGreen = c.green;
  *outBlue = c.blue;
}
