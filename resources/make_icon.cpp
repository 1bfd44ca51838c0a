// Writes the application icon: a color wheel, hue around the circle (red to
// the right, then yellow, green, cyan, blue and magenta counter-clockwise),
// white at the center and fully saturated at the rim, inside a dark ring.
// Four images: 16 and 32 pixels, each in 16 and in 256 colors; the wheel's
// colors come from the program's own HSV to RGB conversion, so the icon
// shows the hue scale the program uses. Same bytes on every run.
//
//   make_icon OUTPUT.ico
//
// With --png, the same wheel as one PNG image of any size in full color,
// edges smoothed, for the web page's manifest and home-screen icons:
//
//   make_icon --png SIZE OUTPUT.png
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "color.h"

namespace {

struct Rgb {
  uint8_t r, g, b;
};

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

Rgb FromHsv(int hue, int saturation) {
  uint32_t r, g, b;
  HsvToRgb(hue, saturation, 255, &r, &g, &b);
  return {uint8_t(r), uint8_t(g), uint8_t(b)};
}

constexpr Rgb kOutline = {0x40, 0x40, 0x48};
constexpr double kPi = 3.14159265358979323846;

// Where a pixel lies on the wheel: -1 outside, 0 on the outline, otherwise
// 1 with the hue (0..255) and the distance from the center (0..1).
struct Spot {
  int kind;
  int hue;
  double radius;
};

// The outline is 1.1 pixels wide at 16, 1.6 at 32, and a twentieth of the
// wheel above that. x and y may fall between pixels.
Spot Locate(int size, double x, double y) {
  const double c = (size - 1) / 2.0;
  const double dx = x - c, dy = c - y;
  const double outer = size / 2.0 - 0.25;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d > outer) return {-1, 0, 0};
  if (d > outer - (size > 32 ? size / 20.0 : size == 32 ? 1.6 : 1.1)) return {0, 0, 0};
  double angle = std::atan2(dy, dx);
  if (angle < 0) angle += 2 * kPi;
  const int hue = int(std::lround(angle / (2 * kPi) * 256)) & 0xFF;
  return {1, hue, d / (outer - 1.5)};
}

// The sixteen colors of the standard VGA palette.
const Rgb kVga[16] = {{0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},
                      {0, 0, 128},     {128, 0, 128},   {0, 128, 128},   {192, 192, 192},
                      {128, 128, 128}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
                      {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

// 16 colors: six pure sextants around a white center.
int Pixel4(const Spot& s) {
  if (s.kind < 0) return 0;
  if (s.kind == 0) return 8;
  if (s.radius < 0.38) return 15;
  static const int sextant[6] = {9, 11, 10, 14, 12, 13};  // red yellow green cyan blue magenta
  return sextant[((s.hue * 6 + 128) / 256) % 6];
}

// 256 colors: 32 hues by 7 saturations, then the outline.
constexpr int kHues = 32, kSaturations = 7;
int Pixel8(const Spot& s) {
  if (s.kind < 0) return 0;
  if (s.kind == 0) return 1;
  const int hue = ((s.hue * kHues + 128) / 256) % kHues;
  const int sat = std::min(kSaturations - 1, int(s.radius * (kSaturations - 1) + 0.5));
  return 2 + hue * kSaturations + sat;
}

std::vector<Rgb> Palette(int bits) {
  if (bits == 4) return std::vector<Rgb>(kVga, kVga + 16);
  std::vector<Rgb> p(256, Rgb{0, 0, 0});
  p[1] = kOutline;
  for (int h = 0; h < kHues; ++h) {
    for (int s = 0; s < kSaturations; ++s) {
      p[2 + h * kSaturations + s] = FromHsv(h * 256 / kHues, s * 255 / (kSaturations - 1));
    }
  }
  return p;
}

// One image: BITMAPINFOHEADER (height doubled for the mask), palette,
// bottom-up color rows, then the 1-bit transparency mask; rows padded to 4.
Bytes Image(int size, int bits) {
  const std::vector<Rgb> palette = Palette(bits);
  const int colorRow = (size * bits / 8 + 3) & ~3;
  const int maskRow = (size / 8 + 3) & ~3;
  Bytes out;
  Put32(out, 40);
  Put32(out, uint32_t(size));
  Put32(out, uint32_t(size * 2));
  Put16(out, 1);
  Put16(out, uint32_t(bits));
  Put32(out, 0);
  Put32(out, uint32_t((colorRow + maskRow) * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int y = size - 1; y >= 0; --y) {
    Bytes row(colorRow, 0);
    for (int x = 0; x < size; ++x) {
      const Spot s = Locate(size, x, y);
      const int index = bits == 4 ? Pixel4(s) : Pixel8(s);
      if (bits == 4) {
        row[x / 2] |= uint8_t(x % 2 ? index : index << 4);
      } else {
        row[x] = uint8_t(index);
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = size - 1; y >= 0; --y) {
    Bytes row(maskRow, 0);
    for (int x = 0; x < size; ++x) {
      if (Locate(size, x, y).kind < 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// A PNG of the wheel in the 256-color image's colors, so that it is the
// same picture larger: each pixel the mean of 4 x 4 samples, its alpha the
// share of them inside the wheel.
Bytes Png(int size) {
  const std::vector<Rgb> palette = Palette(8);
  Bytes raw;
  for (int y = 0; y < size; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < size; ++x) {
      int sum[3] = {0, 0, 0}, inside = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          const Spot s = Locate(size, x + (sx - 1.5) / 4, y + (sy - 1.5) / 4);
          if (s.kind < 0) continue;
          const Rgb c = s.kind == 0 ? kOutline : palette[size_t(Pixel8(s))];
          sum[0] += c.r;
          sum[1] += c.g;
          sum[2] += c.b;
          ++inside;
        }
      }
      for (int i = 0; i < 3; ++i) raw.push_back(uint8_t(inside ? (sum[i] + inside / 2) / inside : 0));
      raw.push_back(uint8_t(inside * 255 / 16));
    }
  }
  uLongf packedSize = compressBound(raw.size());
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), raw.size(), 9);
  packed.resize(packedSize);

  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto chunk = [&png](const char* type, const Bytes& data) {
    const uint32_t n = uint32_t(data.size());
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(uint8_t(n >> shift));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    const uint32_t crc = uint32_t(crc32(0, body.data(), uInt(body.size())));
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(uint8_t(crc >> shift));
  };
  Bytes header;
  for (int i = 0; i < 2; ++i) {
    for (int shift = 24; shift >= 0; shift -= 8) header.push_back(uint8_t(size >> shift));
  }
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, no interlace
  chunk("IHDR", header);
  chunk("IDAT", packed);
  chunk("IEND", {});
  return png;
}

bool Write(const char* path, const Bytes& bytes) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
      std::fclose(file) != 0) {
    std::perror(path);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--png") {
    const int size = std::atoi(argv[2]);
    if (size < 16 || size > 1024) {
      std::fprintf(stderr, "make_icon: a PNG is 16 to 1024 pixels wide\n");
      return 2;
    }
    return Write(argv[3], Png(size)) ? 0 : 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico | make_icon --png SIZE OUTPUT.png\n");
    return 2;
  }
  const int formats[4][2] = {{16, 4}, {16, 8}, {32, 4}, {32, 8}};
  std::vector<Bytes> images;
  for (const auto& f : formats) images.push_back(Image(f[0], f[1]));

  Bytes ico;
  Put16(ico, 0);
  Put16(ico, 1);  // an icon
  Put16(ico, 4);
  uint32_t offset = 6 + 16 * 4;
  for (int i = 0; i < 4; ++i) {
    ico.push_back(uint8_t(formats[i][0]));
    ico.push_back(uint8_t(formats[i][0]));
    ico.push_back(formats[i][1] == 4 ? 16 : 0);  // colors; 0 means 256
    ico.push_back(0);
    Put16(ico, 1);
    Put16(ico, uint32_t(formats[i][1]));
    Put32(ico, uint32_t(images[i].size()));
    Put32(ico, offset);
    offset += uint32_t(images[i].size());
  }
  for (const Bytes& image : images) ico.insert(ico.end(), image.begin(), image.end());
  return Write(argv[1], ico) ? 0 : 1;
}
