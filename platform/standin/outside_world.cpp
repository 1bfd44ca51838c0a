// The stand-in's outside world: the clipboard, the sound, the chooser and
// the icons, from and for the tests' scripts.
#include <algorithm>

#include "standin_records.h"

namespace backend {

std::string ClipboardText() { return standin::records().clipboard; }

// Whoever puts text there holds the clipboard; its last holder loses it.
bool PutOnClipboard(const std::string& text) {
  dialog_manager::ClipboardTaken();
  standin::records().clipboard = text;
  return true;
}

// Both sources are the one clipboard here.
void RequestText(dialog_manager::TextSource, unsigned request) {
  standin::Records& r = standin::records();
  if (r.pasteAnswer == standin::PasteAnswer::AtOnce) {
    dialog_manager::TextArrived(request, &r.clipboard);
  } else {
    r.unanswered.push_back({request, r.pasteAnswer});
  }
}

uint64_t Now() { return standin::records().clock; }

void WakeAt(uint64_t ms) { standin::records().wakes.push_back(ms); }

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
  if (r.unanswered.empty()) return false;
  const Records::Request oldest = r.unanswered.front();
  r.unanswered.erase(r.unanswered.begin());
  if (oldest.answer == PasteAnswer::Never) {
    // Its owner never answers: the wait ends at its deadline.
    if (dialog_manager::Waiting()) MoveClock(dialog_manager::kPasteWaitMs);
  } else {
    dialog_manager::TextArrived(oldest.number, &r.clipboard);
  }
  return true;
}

void MoveClock(uint64_t ms) {
  records().clock += ms;
  WakeWhereDue();
}

void WakeWhereDue() {
  Records& r = records();
  const auto due = [&](uint64_t at) { return at <= r.clock; };
  const auto count = std::count_if(r.wakes.begin(), r.wakes.end(), due);
  r.wakes.erase(std::remove_if(r.wakes.begin(), r.wakes.end(), due), r.wakes.end());
  for (long i = 0; i < count; ++i) dialog_manager::TimePassed();
}

bool Busy() { return records().busy; }

}  // namespace standin
