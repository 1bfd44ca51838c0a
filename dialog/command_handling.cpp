// Keeps the two groups of fields in step as the user types, and runs the
// color chooser. The order of every read and write below is deliberate: a
// field write re-enters this handler before it returns.
#include "../conversion/color.h"
#include "dialog.h"
#include "publish.h"

int32_t updating = 0;

// Reads a field as an unsigned number. A number above 255 is answered with a
// beep and replaced by 255; that write re-enters the handler and converts
// 255 before we go on, and our caller then converts the same 255 once more.
static void CheckRange(HWND dialog, int id, HWND control) {
  BOOL translated = FALSE;
  const UINT number = GetDlgItemInt(dialog, id, &translated, FALSE);
  if (translated && number > 255) {
    MessageBeep(MB_ICONEXCLAMATION);
    SetDlgItemInt(dialog, GetDlgCtrlID(control), 255, FALSE);
  }
}

static void OnRgbEdit(HWND dialog, int id, HWND control) {
  CheckRange(dialog, id, control);
  colorState.fieldRed = GetDlgItemInt(dialog, IDC_RED, nullptr, FALSE);
  colorState.fieldGreen = GetDlgItemInt(dialog, IDC_GREEN, nullptr, FALSE);
  colorState.fieldBlue = GetDlgItemInt(dialog, IDC_BLUE, nullptr, FALSE);
  colorState.red = static_cast<uint8_t>(colorState.fieldRed & 0xFF);
  colorState.green = static_cast<uint8_t>(colorState.fieldGreen & 0xFF);
  colorState.blue = static_cast<uint8_t>(colorState.fieldBlue & 0xFF);
  RgbToHsv();

  updating = 1;
  PublishHsv(dialog);
  InvalidateSwatch(dialog);
  updating = 0;
}

static void OnHsvEdit(HWND dialog, int id, HWND control) {
  CheckRange(dialog, id, control);
  const UINT hue = GetDlgItemInt(dialog, IDC_HUE, nullptr, FALSE);
  const UINT saturation = GetDlgItemInt(dialog, IDC_SATURATION, nullptr, FALSE);
  const UINT value = GetDlgItemInt(dialog, IDC_VALUE, nullptr, FALSE);
  HsvToRgb(static_cast<int32_t>(hue), static_cast<int32_t>(saturation), static_cast<int32_t>(value),
           &colorState.fieldRed, &colorState.fieldGreen, &colorState.fieldBlue);

  updating = 1;
  PublishRgb(dialog);
  InvalidateSwatch(dialog);
  updating = 0;
}

void OnCommand(HWND dialog, int id, int code, HWND control) {
  if (id == IDCANCEL) {  // Escape, honoured even in the middle of a publish
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    return;
  }
  if (updating != 0) return;

  const bool changed = code == EN_CHANGE;
  if (changed && (id == IDC_RED || id == IDC_GREEN || id == IDC_BLUE)) {
    OnRgbEdit(dialog, id, control);
  } else if (changed && (id == IDC_HUE || id == IDC_SATURATION || id == IDC_VALUE)) {
    OnHsvEdit(dialog, id, control);
  } else if (id == IDC_SELECT) {
    OnSelectColor(dialog);
  }
}
