// Numbers and texts in dialog fields, read and written as Wine's dialog
// manager does.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "../win32_off_windows.h"

namespace {

// Wine reads an unsigned field with the C library's strtoul, where unsigned
// long is 32 bits: blanks skipped, an optional sign, decimal digits up to
// the first other character, the number read as 64 bits (held at the 64-bit
// limits). Above 4294967295 it is an overflow, which GetDlgItemInt refuses;
// a negation wraps; below -4294967295 strtoul answers 1, which counts.
UINT ReadUnsigned(const char* text, BOOL* translated) {
  *translated = FALSE;
  const char* at = text;
  while (std::isspace(static_cast<unsigned char>(*at))) ++at;
  const bool negative = *at == '-';
  if (*at == '-' || *at == '+') ++at;
  if (!std::isdigit(static_cast<unsigned char>(*at))) return 0;
  uint64_t magnitude = 0;
  bool beyond64 = false;
  for (; std::isdigit(static_cast<unsigned char>(*at)); ++at) {
    const unsigned digit = static_cast<unsigned>(*at - '0');
    if (magnitude > (UINT64_MAX - digit) / 10) beyond64 = true;
    magnitude = beyond64 ? UINT64_MAX : magnitude * 10 + digit;
  }
  if (!negative) {
    if (beyond64 || magnitude > 0xFFFFFFFFu) return 0;  // overflow
    *translated = TRUE;
    return static_cast<UINT>(magnitude);
  }
  *translated = TRUE;
  if (magnitude > 0xFFFFFFFFu) return 1;
  return static_cast<UINT>(0u - static_cast<uint32_t>(magnitude));
}

}  // namespace

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  BOOL ok = FALSE;
  if (translated) *translated = FALSE;
  char text[30];  // Wine reads at most 29 characters
  if (SendDlgItemMessageA(dialog, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)) == 0) {
    return 0;
  }
  UINT number = 0;
  if (isSigned) {
    long long n = 0;
    char* end = nullptr;
    n = std::strtoll(text, &end, 10);
    ok = end != text && n >= INT32_MIN && n <= INT32_MAX;
    number = ok ? static_cast<UINT>(n) : 0;
  } else {
    number = ReadUnsigned(text, &ok);
  }
  if (translated) *translated = ok;
  return number;
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return FALSE;
  // Written digit by digit from the end: the C library's formatted output
  // would bring its whole formatter (floating point and all) into the page.
  char text[16];
  char* at = text + sizeof text;
  *--at = '\0';
  const bool negative = isSigned && static_cast<int>(value) < 0;
  uint32_t magnitude = negative ? 0u - value : value;
  do {
    *--at = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (negative) *--at = '-';
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(at));
  return TRUE;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size) {
  if (size <= 0 || text == nullptr) return 0;
  text[0] = '\0';
  return static_cast<UINT>(
      SendDlgItemMessageA(dialog, id, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}
