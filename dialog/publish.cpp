#include "publish.h"

#include "../conversion/color.h"
#include "dialog.h"

void PublishRgb(HWND dialog) {
  SetDlgItemInt(dialog, IDC_RED, colorState.fieldRed, FALSE);
  SetDlgItemInt(dialog, IDC_GREEN, colorState.fieldGreen, FALSE);
  SetDlgItemInt(dialog, IDC_BLUE, colorState.fieldBlue, FALSE);
}

void PublishHsv(HWND dialog) {
  SetDlgItemInt(dialog, IDC_HUE, colorState.hue, FALSE);
  SetDlgItemInt(dialog, IDC_SATURATION, colorState.saturation, FALSE);
  SetDlgItemInt(dialog, IDC_VALUE, colorState.value, FALSE);
}

void InvalidateSwatch(HWND dialog) {
  InvalidateRect(GetDlgItem(dialog, IDC_SWATCH), nullptr, TRUE);
}

COLORREF FieldColor() {
  return (colorState.fieldRed & 0xFF) | (colorState.fieldGreen & 0xFF) << 8 |
         (colorState.fieldBlue & 0xFF) << 16;
}
