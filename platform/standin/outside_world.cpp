// The stand-in's outside world: the clipboard, the sound, the chooser and
// the icons, from and for the tests' scripts.
#include "standin_records.h"

namespace backend {

std::string ClipboardText() { return standin::records().clipboard; }

void PutOnClipboard(const std::string& text) { standin::records().clipboard = text; }

// Both sources are the one clipboard here.
void RequestText(dialog_manager::TextSource) {
  standin::Records& r = standin::records();
  if (r.pasteAnswer == standin::PasteAnswer::AtOnce) {
    dialog_manager::TextArrived(&r.clipboard);
  } else {
    r.pasteWaiting = true;
  }
}

void ShowBusy(HWND, bool busy) { standin::records().busy = busy; }

void Beep(UINT type) { standin::records().beeps.push_back(type); }

BOOL ChooseColor(CHOOSECOLORA& record) {
  return standin::records().chooser ? standin::records().chooser(record) : FALSE;
}

NativeIcon* LoadNativeIcon(const std::vector<uint8_t>&) {
  static NativeIcon shown;
  return &shown;
}

}  // namespace backend

namespace standin {

void PlaceCaret(HWND edit, size_t start, size_t end) {
  if (!dialog_manager::IfLive(edit) || !edit->native) return;
  const size_t length = edit::Length(edit->edit);
  edit->native->selStart = start < length ? start : length;
  edit->native->selEnd = end < length ? end : length;
}

void SetPasteAnswer(PasteAnswer answer) { records().pasteAnswer = answer; }

bool AnswerPaste() {
  Records& r = records();
  if (!r.pasteWaiting) return false;
  r.pasteWaiting = false;
  dialog_manager::TextArrived(r.pasteAnswer == PasteAnswer::Never ? nullptr : &r.clipboard);
  return true;
}

bool Busy() { return records().busy; }

}  // namespace standin
