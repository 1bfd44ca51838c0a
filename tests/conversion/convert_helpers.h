// Small helpers that run one conversion on colorState and return its result.
#ifndef RGBHSV_TESTS_CONVERT_HELPERS_H
#define RGBHSV_TESTS_CONVERT_HELPERS_H

#include <cstdint>
#include <ostream>

#include "color.h"

struct Triple {
  uint32_t a, b, c;
  bool operator==(const Triple& o) const { return a == o.a && b == o.b && c == o.c; }
};

inline std::ostream& operator<<(std::ostream& out, const Triple& t) {
  return out << "(" << t.a << ", " << t.b << ", " << t.c << ")";
}

// red, green, blue -> hue, saturation, value
inline Triple Hsv(uint8_t r, uint8_t g, uint8_t b) {
  colorState.red = r;
  colorState.green = g;
  colorState.blue = b;
  RgbToHsv();
  return {colorState.hue, colorState.saturation, colorState.value};
}

// hue, saturation, value -> red, green, blue
inline Triple Rgb(int32_t h, int32_t s, int32_t v) {
  Triple t{0, 0, 0};
  HsvToRgb(h, s, v, &t.a, &t.b, &t.c);
  return t;
}

#endif
