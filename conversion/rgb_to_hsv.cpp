// RGB -> HSV in three stages on colorState. Every operation is one rounded
// double operation in the written order: several results land exactly on a
// floor or ceil boundary, so any reordering changes outputs by one.
#include <cmath>

#include "byte_store.h"
#include "color.h"

// Stage 1: value is the largest channel; the working channels are the
// channels rescaled so that the largest becomes exactly 255.0.
void ComputeValue() {
  ColorState& c = colorState;
  if (c.red >= c.green && c.red >= c.blue) c.value = c.red;
  if (c.green >= c.red && c.green >= c.blue) c.value = c.green;
  if (c.blue >= c.red && c.blue >= c.green) c.value = c.blue;

  if (c.value == 0) {
    c.workRed = 0.0;
    c.workGreen = 0.0;
    c.workBlue = 0.0;
    return;
  }
  // (channel * 255) / value, not channel * (255 / value): the latter gives
  // 254.0 for the largest channel at some values (25, 29, 50, ...).
  const double value = static_cast<double>(c.value);
  c.workRed = std::floor(static_cast<double>(c.red) * kFull / value);
  c.workGreen = std::floor(static_cast<double>(c.green) * kFull / value);
  c.workBlue = std::floor(static_cast<double>(c.blue) * kFull / value);
}

// A stretched working channel. The largest stays exactly 255.0 rather than
// going through the formula, whose rounding could leave it a hair below.
static double Stretch(double work, double saturation, double scale) {
  if (work == kFull) return kFull;
  return ((saturation + work) - kFull) * scale;
}

// Stage 2: saturation is 255 minus the smallest working channel; the working
// channels are then stretched so that the smallest is 0.0 and the largest
// 255.0, except for greys and black.
void ComputeSaturation() {
  ColorState& c = colorState;
  const double r = c.workRed;
  const double g = c.workGreen;
  const double b = c.workBlue;
  if (g >= r && b >= r) c.saturation = StoreByte(std::floor(kFull - r));
  if (r >= g && b >= g) c.saturation = StoreByte(std::floor(kFull - g));
  if (r >= b && g >= b) c.saturation = StoreByte(std::floor(kFull - b));

  if (r == 0.0 && g == 0.0 && b == 0.0) {
    c.saturation = 0;
    return;
  }
  if (c.saturation == 0) return;  // a grey: all three stay at 255.0

  const double saturation = static_cast<double>(c.saturation);
  const double scale = kFull / saturation;
  c.workRed = Stretch(r, saturation, scale);
  c.workGreen = Stretch(g, saturation, scale);
  c.workBlue = Stretch(b, saturation, scale);
}

// Stage 3: the sextant rules, tried in order; every rule that holds stores
// its hue, so where rules overlap (the primaries and secondaries, the greys)
// the last one decides.
void ComputeHue() {
  ColorState& c = colorState;
  const double r = c.workRed;
  const double g = c.workGreen;
  const double b = c.workBlue;
  const double six = kSextantSlope;

  if (r == kFull && b == 0.0) c.hue = StoreByte(std::ceil(g / six));
  if (g == kFull && b == 0.0) c.hue = StoreByte(std::floor(kHue120 - r / six));
  if (r == 0.0 && g == kFull) c.hue = StoreByte(std::ceil(b / six + kHue120));
  if (r == 0.0 && b == kFull) c.hue = StoreByte(std::floor(kHue240 - g / six));
  if (g == 0.0 && b == kFull) c.hue = StoreByte(std::ceil(r / six + kHue240));
  if (r == kFull && g == 0.0) {
    c.hue = StoreByte(std::floor(kHueTurn - b / six));  // 256 wraps to 0
    if (b == 0.0) c.hue = 0;
  }
  if (r == kFull && g == kFull && b == 0.0) c.hue = StoreByte(std::floor(kHue60));
  if (r == 0.0 && g == kFull && b == 0.0) c.hue = StoreByte(std::floor(kHue120));
  if (r == 0.0 && g == kFull && b == kFull) c.hue = StoreByte(std::floor(kHue180));
  if (r == 0.0 && g == 0.0 && b == kFull) c.hue = StoreByte(std::floor(kHue240));
  if (r == kFull && g == 0.0 && b == kFull) c.hue = StoreByte(std::floor(kHue300));
  if (r == g && g == b) c.hue = 0;
}

void RgbToHsv() {
  ComputeValue();
  ComputeSaturation();
  ComputeHue();
}
