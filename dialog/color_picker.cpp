// The "Select..." command: the platform's color chooser, opened on the
// current color, with custom colors that last for the run.
#include "../conversion/color.h"
#include "dialog.h"
#include "publish.h"

COLORREF customColors[16] = {};
CHOOSECOLORA pickerRecord = {};

static_assert(sizeof(CHOOSECOLORA) == 72 || sizeof(void*) != 8,
              "CHOOSECOLORA must have its 64-bit Windows layout");

void InitColorPicker(HWND dialog) {
  pickerRecord.lStructSize = sizeof(CHOOSECOLORA);
  pickerRecord.hwndOwner = dialog;
  pickerRecord.rgbResult = 0;
  pickerRecord.lpCustColors = customColors;
  pickerRecord.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
}

void OnSelectColor(HWND dialog) {
  pickerRecord.rgbResult = FieldColor();
  if (ChooseColorA(&pickerRecord) == 0) return;  // cancelled, or no chooser

  const COLORREF chosen = pickerRecord.rgbResult;
  colorState.fieldRed = chosen & 0xFF;
  colorState.fieldGreen = (chosen >> 8) & 0xFF;
  colorState.fieldBlue = (chosen >> 16) & 0xFF;
  colorState.red = static_cast<uint8_t>(colorState.fieldRed);
  colorState.green = static_cast<uint8_t>(colorState.fieldGreen);
  colorState.blue = static_cast<uint8_t>(colorState.fieldBlue);
  RgbToHsv();

  // A picked color is always in range, so no range check is needed, and
  // with updating raised none of the six writes converts again.
  updating = 1;
  PublishRgb(dialog);
  PublishHsv(dialog);
  InvalidateSwatch(dialog);
  updating = 0;
}
