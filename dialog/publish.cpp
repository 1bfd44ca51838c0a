#include "publish.h"

#include "../conversion/color.h"
#include "dialog.h"
#include "fields.h"

void PublishRgb(HWND dialog) {
  WriteField(dialog, IDC_RED, colorState.fieldRed);
  WriteField(dialog, IDC_GREEN, colorState.fieldGreen);
  WriteField(dialog, IDC_BLUE, colorState.fieldBlue);
}

void PublishHsv(HWND dialog) {
  WriteField(dialog, IDC_HUE, colorState.hue);
  WriteField(dialog, IDC_SATURATION, colorState.saturation);
  WriteField(dialog, IDC_VALUE, colorState.value);
}

void InvalidateSwatch(HWND dialog) {
  InvalidateRect(GetDlgItem(dialog, IDC_SWATCH), nullptr, TRUE);
}

COLORREF FieldColor() {
  return (colorState.fieldRed & 0xFF) | (colorState.fieldGreen & 0xFF) << 8 |
         (colorState.fieldBlue & 0xFF) << 16;
}
