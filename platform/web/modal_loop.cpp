// The modal loop: the WebAssembly stack waits for the user's input, which
// the page queues, and hands each event to the dialog manager, which
// decides what it does, as a Windows dialog's message loop would.
#include <cstdlib>

#include "web_internals.h"

namespace web {

namespace {

// The field an event is for, with the selection the page had when the
// event came; shown again, so that the page shows the dialog manager's
// text (not what an input method left) and reads back that selection.
HWND FieldAtSelection(const Event& e) {
  HWND edit = dialog_manager::IfLive(e.window);
  if (!edit || edit->kind != WindowKind::Edit) return nullptr;
  dialog_manager::UserSelected(edit, static_cast<size_t>(e.start), static_cast<size_t>(e.end));
  backend::ShowEdit(edit);
  return edit;
}

dialog_manager::KeyPress KeyOf(const Event& e) {
  dialog_manager::KeyPress key;
  key.virtualKey = e.key;
  key.shift = e.shift;
  key.control = e.control;
  key.alt = e.alt;
  return key;
}

}  // namespace

void WaitForEvent() { rgbhsv_wait_for_input(); }

bool TakeEvent(Event* event) {
  int fields[8] = {};
  char* text = nullptr;
  event->kind = static_cast<EventKind>(rgbhsv_take_input(fields, &text));
  event->window = reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<unsigned>(fields[0])));
  event->key = fields[1];
  event->shift = fields[2] != 0;
  event->control = fields[3] != 0;
  event->alt = fields[4] != 0;
  event->start = fields[5];
  event->end = fields[6];
  event->pasted = fields[7] != 0;
  event->text = text ? text : "";
  std::free(text);
  return event->kind != EventKind::None;
}

void Handle(HWND dialog, const Event& e) {
  switch (e.kind) {
    case EventKind::KeyDown: dialog_manager::KeyDown(dialog, KeyOf(e)); break;
    case EventKind::KeyUp: dialog_manager::KeyUp(dialog, KeyOf(e)); break;
    case EventKind::Typed:
      if (HWND edit = FieldAtSelection(e)) {
        dialog_manager::TextTyped(dialog, e.text);
        if (dialog_manager::IfLive(edit)) backend::ShowEdit(edit);  // what the typing rules refused, gone
      }
      break;
    case EventKind::Pasted:
      if (HWND edit = FieldAtSelection(e)) {
        Clipboard() = e.text;
        SendMessageA(edit, WM_PASTE, 0, 0);
      }
      break;
    case EventKind::Cut:
      if (HWND edit = FieldAtSelection(e)) SendMessageA(edit, WM_CUT, 0, 0);
      break;
    case EventKind::Cleared:
      if (HWND edit = FieldAtSelection(e)) SendMessageA(edit, WM_CLEAR, 0, 0);
      break;
    case EventKind::Undone:
      if (HWND edit = dialog_manager::IfLive(e.window)) SendMessageA(edit, WM_UNDO, 0, 0);
      break;
    case EventKind::Replaced:
      dialog_manager::TextReplaced(e.window, e.text, static_cast<size_t>(e.end), e.pasted);
      break;
    case EventKind::Clicked:
      if (HWND button = dialog_manager::IfLive(e.window)) {
        SetFocus(button);
        dialog_manager::Notify(button, BN_CLICKED);
      }
      break;
    case EventKind::Closed: SendMessageA(dialog, WM_CLOSE, 0, 0); break;
    case EventKind::Focused:
      // The user's click, with whatever the user has selected since.
      if (HWND w = dialog_manager::IfLive(e.window)) {
        if (w->kind == WindowKind::Edit) backend::ReadSelection(w);
        if (w != GetFocus()) SetFocus(w);
      }
      break;
    case EventKind::Tapped:
      // A phone has no Tab key to select a number with: a tap selects it,
      // as Tab would, so that what is typed replaces it.
      if (HWND edit = dialog_manager::IfLive(e.window)) {
        if (edit->kind != WindowKind::Edit) break;
        if (edit != GetFocus()) SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
      }
      break;
    case EventKind::Painted:
      if (dialog_manager::IfLive(e.window) && e.window->invalid) dialog_manager::Paint(e.window);
      break;
    case EventKind::None: break;
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

void PutOnClipboard(const std::string& text) { web::Clipboard() = text; }

// The page's paste event has brought the text already.
void Paste(HWND edit) { dialog_manager::TextPasted(edit, web::Clipboard()); }

}  // namespace backend
