// The color chooser, an in-page <dialog> with the browser's own color
// picker and the run's custom colors, which the program waits for
// (page_chooser.js, page_sound.js); and the warning tone.
#include "web_internals.h"

namespace backend {

BOOL ChooseColor(CHOOSECOLORA& record) {
  const int chosen =
      rgbhsv_run_chooser((record.Flags & CC_RGBINIT) ? static_cast<int>(record.rgbResult) : 0, record.lpCustColors);
  if (chosen < 0) return FALSE;
  record.rgbResult = static_cast<COLORREF>(chosen);
  return TRUE;
}

void Beep(UINT) { rgbhsv_tone(); }

}  // namespace backend
