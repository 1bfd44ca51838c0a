// A code point written as UTF-8, for the dialog manager's text, which is
// UTF-8 throughout.
#ifndef RGBHSV_PLATFORM_SHARED_UTF8_H
#define RGBHSV_PLATFORM_SHARED_UTF8_H

#include <string>

// `point` must be a Unicode scalar value (not a surrogate, at most U+10FFFF).
inline void AppendUtf8(std::string& text, char32_t point) {
  if (point < 0x80) {
    text += static_cast<char>(point);
  } else if (point < 0x800) {
    text += static_cast<char>(0xC0 | point >> 6);
    text += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    text += static_cast<char>(0xE0 | point >> 12);
    text += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | point >> 18);
    text += static_cast<char>(0x80 | (point >> 12 & 0x3F));
    text += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (point & 0x3F));
  }
}

#endif
