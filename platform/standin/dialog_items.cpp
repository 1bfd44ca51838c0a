// Numbers in dialog fields. GetDlgItemInt reads the way Wine's does, which
// agrees with Windows' documentation: leading blanks skipped, an optional
// sign, digits up to the first other character, and a number beyond 32 bits
// is no number. A minus sign on an unsigned read wraps, as strtoul does.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "state.h"

UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  if (translated) *translated = FALSE;
  char text[30];  // Wine reads at most 29 characters
  if (SendDlgItemMessageA(dialog, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)) == 0) {
    return 0;
  }
  char* end = nullptr;
  errno = 0;
  long long number;
  if (isSigned) {
    number = std::strtoll(text, &end, 10);
    if (end == text || number < INT_MIN || number > INT_MAX) return 0;
  } else {
    // Windows' unsigned long is 32 bits: read as 64, then wrap a negation
    // and refuse anything wider than 32 bits, as the 32-bit strtoul would.
    number = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE) return 0;
    if (number > UINT_MAX || -number > UINT_MAX) return 0;
    if (number < 0) number += static_cast<long long>(UINT_MAX) + 1;
  }
  if (translated) *translated = TRUE;
  return static_cast<UINT>(number);
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return FALSE;
  standin::state().writes.push_back({id, value});
  char text[16];
  if (isSigned) {
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  } else {
    std::snprintf(text, sizeof text, "%u", value);
  }
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return TRUE;
}
