// The one record of the current color and the conversions between its RGB
// and HSV forms. Every number is on the 0..255 scale; 256 hue steps make a
// full turn of the color wheel. Pure C++: nothing here may include a
// platform header, so the arithmetic can be tested and benchmarked anywhere.
#ifndef RGBHSV_CONVERSION_COLOR_H
#define RGBHSV_CONVERSION_COLOR_H

#include <cstdint>

struct ColorState {
  // The numbers as last read from or written to the RGB fields. Only their
  // low 8 bits are a color; the full value is kept as the fields gave it.
  uint32_t fieldRed;
  uint32_t fieldGreen;
  uint32_t fieldBlue;
  // The color as channel bytes (RGB -> HSV input, HSV -> RGB output).
  uint8_t red;
  uint8_t green;
  uint8_t blue;
  uint8_t hue;
  uint8_t saturation;
  uint8_t value;
  // Intermediate channels on the 0..255 scale, handed from one conversion
  // stage to the next.
  double workRed;
  double workGreen;
  double workBlue;
};

// The process-wide record: white in the fields, everything else zero, until
// the dialog's start-up runs the first conversions.
extern ColorState colorState;

// Hue boundaries: the nearest doubles to multiples of 256/6. Each is computed
// from its own multiple; 5 * kHue60 would be one ulp below kHue300 and would
// change blue at hues 214..255.
constexpr double kHue60 = 256.0 / 6.0;
constexpr double kHue120 = 512.0 / 6.0;
constexpr double kHue180 = 128.0;
constexpr double kHue240 = 1024.0 / 6.0;
constexpr double kHue300 = 1280.0 / 6.0;
constexpr double kSextantSlope = 6.0;  // channel steps per hue step
constexpr double kFull = 255.0;
constexpr double kHueTurn = 256.0;

// RGB -> HSV, in three stages that must run in this order; RgbToHsv runs
// them all. The caller stores red, green, blue first and reads hue,
// saturation, value afterwards.
void ComputeValue();
void ComputeSaturation();
void ComputeHue();
void RgbToHsv();

// HSV -> RGB. Only the low 8 bits of each input count. Records the inputs
// and the channel bytes in colorState and writes the channels through the
// three destinations; with any destination null it does nothing at all.
void HueToPureColor();
void HsvToRgb(int32_t hue, int32_t saturation, int32_t value, uint32_t* outRed,
              uint32_t* outGreen, uint32_t* outBlue);

#endif
