// Keeps the two groups of fields in step as the user types, and runs the
// color chooser. The order of every read and write below is deliberate: a
// field write re-enters this handler before it returns.
#include "../conversion/color.h"
#include "dialog.h"
#include "fields.h"
#include "publish.h"

int32_t updating = 0;

// The first step of every edit. The field that notified is read; if it
// reads as it did when last read or written, nothing was entered (Wine's
// edit control notifies a change for an Undo with nothing to undo, and for a
// keystroke refused at the limit), and converting the other group back would
// only move the color, the conversion not being invertible: so nothing is
// done. A number above 255 is answered with a beep and replaced by 255; that
// write re-enters the handler and converts 255 before we go on, and our
// caller then converts the same 255 once more. Whether anything was entered.
static bool RangeCheckEntry(HWND dialog, int id, HWND control) {
  if (RereadUnchanged(dialog, id)) return false;
  const FieldReading& entered = fieldReadings[id - IDC_RED];
  if (entered.isNumber && entered.number > 255) {
    MessageBeep(MB_ICONEXCLAMATION);
    SetDlgItemInt(dialog, GetDlgCtrlID(control), 255, FALSE);
  }
  return true;
}

static void OnRgbEdit(HWND dialog, int id, HWND control) {
  if (!RangeCheckEntry(dialog, id, control)) return;
  colorState.fieldRed = ReadField(dialog, IDC_RED);
  colorState.fieldGreen = ReadField(dialog, IDC_GREEN);
  colorState.fieldBlue = ReadField(dialog, IDC_BLUE);
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
  if (!RangeCheckEntry(dialog, id, control)) return;
  const UINT hue = ReadField(dialog, IDC_HUE);
  const UINT saturation = ReadField(dialog, IDC_SATURATION);
  const UINT value = ReadField(dialog, IDC_VALUE);
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
