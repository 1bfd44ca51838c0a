// The modal loop: the WebAssembly stack waits for the user's input, which
// the page queues, and hands each event to the dialog manager as a Windows
// dialog's message loop would.
#include <cstdlib>

#include "web_internals.h"

namespace {

// clang-format off
EM_ASYNC_JS(void, WaitForInput, (), {
  if (RgbhsvPage.queue.length === 0) await new Promise((resolve) => { RgbhsvPage.wake = resolve; });
});

// The oldest event's fields, its text in a buffer of malloc's that the
// caller frees; 0 if there is none.
EM_JS(int, TakeOldest, (HWND* window, int* a, int* b, char** text), {
  const event = RgbhsvPage.queue.shift();
  if (!event) return 0;
  HEAP32[window >> 2] = event.window || 0;
  HEAP32[a >> 2] = event.a || 0;
  HEAP32[b >> 2] = event.b || 0;
  HEAP32[text >> 2] = event.text === undefined ? 0 : allocateUTF8(event.text);
  return event.kind;
});
// clang-format on

}  // namespace

namespace web {

void WaitForEvent() { WaitForInput(); }

bool TakeEvent(Event* event) {
  char* text = nullptr;
  event->kind = TakeOldest(&event->window, &event->a, &event->b, &text);
  event->text = text ? text : "";
  std::free(text);
  return event->kind != kNoEvent;
}

void Handle(HWND dialog, const Event& e) {
  HWND focus = GetFocus();
  switch (e.kind) {
    case kKeyDown:
      dialog_manager::SetKeyDown(VK_SHIFT, e.b != 0);
      dialog_manager::Key(dialog, WM_KEYDOWN, static_cast<WPARAM>(e.a));
      break;
    case kKeyUp: dialog_manager::Key(dialog, WM_KEYUP, static_cast<WPARAM>(e.a)); break;
    case kChar:
      if (focus && focus->kind == WindowKind::Edit) SendMessageA(focus, WM_CHAR, static_cast<WPARAM>(e.a), 1);
      break;
    case kPaste:
      Clipboard() = e.text;
      if (dialog_manager::IfLive(e.window)) SendMessageA(e.window, WM_PASTE, 0, 0);
      break;
    case kEdited: {
      HWND edit = dialog_manager::IfLive(e.window);
      if (!edit) break;
      // The change, as the page made it: what differs between the start and
      // the end that the two texts share.
      const std::string& before = edit->edit.text;
      const std::string& after = e.text;
      size_t head = 0;
      while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
      while (head > 0 && (static_cast<unsigned char>(before[head]) & 0xC0) == 0x80) --head;
      size_t tail = 0;
      while (tail < before.size() - head && tail < after.size() - head &&
             before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
      }
      while (tail > 0 && (static_cast<unsigned char>(before[before.size() - tail]) & 0xC0) == 0x80) --tail;
      const size_t at = edit::CharacterCount(before.substr(0, head));
      const size_t removed = edit::CharacterCount(before.substr(head, before.size() - head - tail));
      const std::string inserted = after.substr(head, after.size() - head - tail);
      edit::Notifications n = dialog_manager::UserDeleted(edit, at, at + removed);
      n |= dialog_manager::UserInserted(edit, at, inserted);
      backend::ShowEdit(edit);  // the page's own change put back, or the rules' result shown
      dialog_manager::NotifyEdit(edit, n);
      break;
    }
    case kForwardDelete:
      if (focus && focus->kind == WindowKind::Edit) dialog_manager::DeleteForward(focus);
      break;
    case kCut:
      if (dialog_manager::IfLive(e.window)) SendMessageA(e.window, WM_CLEAR, 0, 0);
      break;
    case kClick:
      if (HWND button = dialog_manager::IfLive(e.window)) {
        SetFocus(button);
        dialog_manager::Notify(button, BN_CLICKED);
      }
      break;
    case kClose: SendMessageA(dialog, WM_CLOSE, 0, 0); break;
    case kFocus:
      // The user's click, with whatever the user has selected since.
      if (HWND w = dialog_manager::IfLive(e.window)) {
        if (w->kind == WindowKind::Edit) backend::ReadSelection(w);
        if (w != focus) SetFocus(w);
      }
      break;
    case kPaint:
      if (dialog_manager::IfLive(e.window) && e.window->invalid) dialog_manager::Paint(e.window);
      break;
    default: break;
  }
}

std::string& Clipboard() {
  static std::string text;
  return text;
}

}  // namespace web

namespace backend {

INT_PTR RunModal(HWND dialog) {
  web::Event event;
  while (!dialog->ended) {
    web::WaitForEvent();
    while (!dialog->ended && web::TakeEvent(&event)) web::Handle(dialog, event);
  }
  return dialog->result;
}

std::string ClipboardText() { return web::Clipboard(); }

}  // namespace backend
