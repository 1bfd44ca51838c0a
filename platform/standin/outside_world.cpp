// The stand-in's outside world: the clipboard, the sound, the chooser and
// the icons, from and for the tests' scripts.
#include "standin_records.h"

namespace backend {

std::string ClipboardText() { return standin::records().clipboard; }

void PutOnClipboard(const std::string& text) { standin::records().clipboard = text; }

void Paste(HWND edit) { dialog_manager::TextPasted(edit, standin::records().clipboard); }

void Beep(UINT type) { standin::records().beeps.push_back(type); }

BOOL ChooseColor(CHOOSECOLORA& record) {
  return standin::records().chooser ? standin::records().chooser(record) : FALSE;
}

NativeIcon* LoadNativeIcon(const std::vector<uint8_t>&) {
  static NativeIcon shown;
  return &shown;
}

}  // namespace backend
