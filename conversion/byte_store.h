// How a computed double lands in one of the record's 8-bit fields: truncated
// toward zero to 64 bits, then only the low byte kept (256.0 becomes 0).
#ifndef RGBHSV_CONVERSION_BYTE_STORE_H
#define RGBHSV_CONVERSION_BYTE_STORE_H

#include <cstdint>

inline uint8_t StoreByte(double number) {
  return static_cast<uint8_t>(static_cast<uint64_t>(static_cast<int64_t>(number)) & 0xFFu);
}

#endif
