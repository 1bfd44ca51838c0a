// The random user's oracle: the program's own conversion, built for the
// machine that drives the tests, answering one line per question.
//
//   rgb R G B  ->  H S V      (the RGB fields' readings, each & 0xFF)
//   hsv H S V  ->  R G B      (the HSV fields' readings, as the dialog passes them)
#include <cstdio>
#include <cstring>

#include "color.h"

int main() {
  char group[4];
  unsigned long a, b, c;
  while (std::scanf("%3s %lu %lu %lu", group, &a, &b, &c) == 4) {
    if (std::strcmp(group, "rgb") == 0) {
      colorState.red = static_cast<uint8_t>(a & 0xFF);
      colorState.green = static_cast<uint8_t>(b & 0xFF);
      colorState.blue = static_cast<uint8_t>(c & 0xFF);
      RgbToHsv();
      std::printf("%u %u %u\n", colorState.hue, colorState.saturation, colorState.value);
    } else {
      uint32_t red, green, blue;
      HsvToRgb(static_cast<int32_t>(a), static_cast<int32_t>(b), static_cast<int32_t>(c), &red, &green, &blue);
      std::printf("%u %u %u\n", red, green, blue);
    }
    std::fflush(stdout);
  }
  return 0;
}
