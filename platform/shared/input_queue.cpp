// The user's input in the order the user made it. Input is handled as it
// comes, except while a paste waits for text that another program must
// send: then it is parked, and handled once the paste's change has been
// notified, as a Windows message queue keeps the keys typed after Ctrl+V
// behind the paste. Parked input is handled here, never handed back to the
// platform, which has long since let it go (a key's default action, a
// click's caret): so the edit moves the caret for a parked key, and a
// parked click puts it where the user clicked.
//
// The paste's wait: each request numbered, so that an answer to an earlier
// one is not taken for the current one's; ended by its text, by an answer
// with none, or by its deadline on the platform's clock, whichever comes
// first; a paste of what the program itself copied, while the clipboard is
// still its own, answered at once.
#include <algorithm>

#include "dialog_manager_records.h"

namespace dialog_manager {

namespace {

bool IsEdit(HWND window) { return window && window->kind == WindowKind::Edit; }

// The control the input is for: its own, or the dialog's focus.
HWND Target(HWND dialog, const Input& input) {
  HWND window = input.window ? IfLive(input.window) : GetFocus();
  return window && window->parent == dialog ? window : nullptr;
}

// The field's selection as the user had it when the input came.
// Shown again, so that the platform shows the dialog manager's text (not
// what an input method left) and reads back that selection.
void SelectAsUser(HWND edit, const Input& input) {
  if (input.start >= 0) {
    edit::Select(edit->edit, input.start, input.end);
  } else {
    backend::ReadSelection(edit);
  }
  backend::ShowEdit(edit);
}

// Text put over start..end of the field by the rules of a paste.
void PasteOver(HWND edit, size_t start, long long end, const std::string& text) {
  edit::Select(edit->edit, static_cast<long long>(start), end);
  const edit::Notifications n = edit::Paste(edit->edit, text);
  backend::ShowEdit(edit);
  NotifyEdit(edit, n);
}

}  // namespace

void HandleInput(HWND dialog, const Input& given, bool parked) {
  if (!IfLive(dialog) || dialog->ended) return;
  HWND target = Target(dialog, given);
  if (given.step != EditStep::Whole) {
    if (IsEdit(target)) HoldStep(target, given);
    return;
  }
  Input input = given;
  if (input.kind == InputKind::Typed && IsEdit(target)) TakeHeldDeletion(target, &input);
  SettleSteps();
  switch (input.kind) {
    case InputKind::KeyDown: KeyDown(dialog, input.key, parked); return;
    case InputKind::KeyUp: KeyUp(dialog, input.key); return;
    case InputKind::Typed:
      if (IsEdit(target)) {
        SelectAsUser(target, input);
        TextTyped(target, input.text);
        if (IfLive(target)) backend::ShowEdit(target);  // what the typing rules refused, gone
      }
      return;
    case InputKind::Pasted:
      if (!IsEdit(target)) return;
      if (target != GetFocus()) SetFocus(target);
      SelectAsUser(target, input);
      if (input.source == TextSource::Given) {
        TextPasted(target, input.text);
      } else {
        FetchPaste(target, input.source, target->edit.selStart, target->edit.selEnd);
      }
      return;
    case InputKind::Deleted:
      if (IsEdit(target)) NotifyEdit(target, UserDeleted(target, static_cast<size_t>(std::max(input.start, 0LL)),
                                                         static_cast<size_t>(std::max(input.end, 0LL))));
      if (IfLive(target)) backend::ShowEdit(target);
      return;
    case InputKind::Cut:
    case InputKind::Copied:
      if (IsEdit(target)) {
        SelectAsUser(target, input);
        SendMessageA(target, input.kind == InputKind::Cut ? WM_CUT : WM_COPY, 0, 0);
      }
      return;
    case InputKind::Erased: {
      // Backspace and Delete; with Ctrl, a word or line before the caret
      // erases nothing and one after it erases to the end.
      KeyPress key;
      key.virtualKey = input.forward ? VK_DELETE : VK_BACK;
      key.control = input.words;
      KeyDown(dialog, key, parked);
      return;
    }
    case InputKind::Undone:
      if (IsEdit(target)) SendMessageA(target, WM_UNDO, 0, 0);
      return;
    case InputKind::Replaced:
      // A field written while another has the focus (autofill, a screen
      // reader's or voice control's "set value") was not typed into: its
      // new text replaces the whole field, as a paste would.
      if (IsEdit(target) && target != GetFocus()) {
        PasteOver(target, 0, -1, input.text);
      } else if (IsEdit(target)) {
        TextReplaced(target, input.text, static_cast<size_t>(std::max(input.end, 0LL)), input.pasted);
      }
      return;
    case InputKind::Pressed:
      if (!target) return;
      if (target != GetFocus()) SetFocus(target);
      if (IsEdit(target)) SelectAsUser(target, input);
      return;
    case InputKind::Tapped:
      if (!IsEdit(target)) return;
      if (target != GetFocus()) SetFocus(target);
      SendMessageA(target, EM_SETSEL, 0, -1);
      return;
    case InputKind::Clicked:
      if (target && target->kind == WindowKind::Button) {
        SetFocus(target);
        Notify(target, BN_CLICKED);
      }
      return;
    case InputKind::Closed: SendMessageA(dialog, WM_CLOSE, 0, 0); return;
  }
}

namespace {

// What was parked, in order, until a paste waits again.
void Drain() {
  Records& r = records();
  if (r.draining) return;
  r.draining = true;
  while (!r.waiting && !r.parked.empty()) {
    const std::pair<HWND, Input> next = r.parked.front();
    r.parked.erase(r.parked.begin());
    HandleInput(next.first, next.second, true);
  }
  r.draining = false;
}

}  // namespace

bool Post(HWND dialog, const Input& input) {
  Records& r = records();
  if (r.waiting || r.draining) {
    r.parked.emplace_back(dialog, input);
    return true;
  }
  const bool live = IfLive(dialog) && !dialog->ended;
  if (input.kind == InputKind::KeyDown || input.kind == InputKind::KeyUp) SettleSteps();
  if (input.kind == InputKind::KeyDown) return live && KeyDown(dialog, input.key, false);
  if (input.kind == InputKind::KeyUp) return live && KeyUp(dialog, input.key);
  HandleInput(dialog, input, false);
  return true;  // for a key only: the platform's other input is stopped already
}

void PostLetGo(HWND dialog, const Input& input) {
  Records& r = records();
  if (r.waiting || r.draining) {
    r.parked.emplace_back(dialog, input);
  } else {
    HandleInput(dialog, input, true);
  }
}

bool Waiting() { return records().waiting; }

void FetchPaste(HWND edit, TextSource source, size_t start, size_t end) {
  Records& r = records();
  if (r.waiting) return;  // one at a time; a second comes only from the program itself
  r.pasteInto = edit;
  r.pasteStart = start;
  r.pasteEnd = end;
  r.waiting = true;
  const unsigned request = ++r.pasteRequest;
  if (source == TextSource::Clipboard && r.ownsClipboard) {
    const std::string own = r.copied;
    TextArrived(request, &own);
    return;
  }
  r.pasteDeadline = backend::Now() + kPasteWaitMs;
  backend::RequestText(source, request);
  if (!r.waiting || r.pasteRequest != request) return;
  backend::WakeAt(r.pasteDeadline);
  r.busy = edit->parent;  // an edit is always a dialog's
  backend::ShowBusy(r.busy, true);
}

void TimePassed() {
  Records& r = records();
  SettleSteps();
  if (backend::Now() >= r.pasteDeadline) TextArrived(r.pasteRequest, nullptr);  // if it still waits
}

void Copied(const std::string& text) {
  Records& r = records();
  r.copied = text;
  r.ownsClipboard = backend::PutOnClipboard(text);
}

void ClipboardTaken() { records().ownsClipboard = false; }

void TextArrived(unsigned request, const std::string* text) {
  Records& r = records();
  if (!r.waiting || request != r.pasteRequest) return;
  HWND edit = IfLive(r.pasteInto);
  r.pasteInto = nullptr;
  r.waiting = false;
  if (edit && text) PasteOver(edit, r.pasteStart, static_cast<long long>(r.pasteEnd), *text);
  if (HWND dialog = IfLive(r.busy)) backend::ShowBusy(dialog, false);
  r.busy = nullptr;
  Drain();
}

}  // namespace dialog_manager
