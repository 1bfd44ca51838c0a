#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "../../conversion/byte_store.h"
#include "color.h"

namespace {

// Taken before main, so before any test has converted anything.
const ColorState kAtStart = colorState;

uint64_t Bits(double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits;
}

TEST(ColorState, StartsWhiteInTheFieldsAndZeroElsewhere) {
  EXPECT_EQ(kAtStart.fieldRed, 255u);
  EXPECT_EQ(kAtStart.fieldGreen, 255u);
  EXPECT_EQ(kAtStart.fieldBlue, 255u);
  EXPECT_EQ(kAtStart.red | kAtStart.green | kAtStart.blue, 0);
  EXPECT_EQ(kAtStart.hue | kAtStart.saturation | kAtStart.value, 0);
  EXPECT_EQ(Bits(kAtStart.workRed) | Bits(kAtStart.workGreen) | Bits(kAtStart.workBlue), 0u);
}

TEST(ColorState, ConstantsHaveTheirExactBits) {
  EXPECT_EQ(Bits(kHue60), 0x4045555555555555u);
  EXPECT_EQ(Bits(kHue120), 0x4055555555555555u);
  EXPECT_EQ(Bits(kHue180), 0x4060000000000000u);
  EXPECT_EQ(Bits(kHue240), 0x4065555555555555u);
  EXPECT_EQ(Bits(kHue300), 0x406AAAAAAAAAAAABu);
  EXPECT_EQ(Bits(kSextantSlope), 0x4018000000000000u);
  EXPECT_EQ(Bits(kFull), 0x406FE00000000000u);
  EXPECT_EQ(Bits(kHueTurn), 0x4070000000000000u);
  // The trap: five sixtieths are one ulp short of kHue300.
  volatile double five = 5.0;
  EXPECT_EQ(Bits(five * kHue60), 0x406AAAAAAAAAAAAAu);
}

TEST(ColorState, ByteStoresTruncateAndKeepTheLowByte) {
  EXPECT_EQ(StoreByte(256.0), 0);
  EXPECT_EQ(StoreByte(255.0), 255);
  EXPECT_EQ(StoreByte(254.999), 254);
  EXPECT_EQ(StoreByte(0.75), 0);
  EXPECT_EQ(StoreByte(513.5), 1);
}

}  // namespace
