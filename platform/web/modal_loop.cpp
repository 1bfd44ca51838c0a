// The modal loop: the WebAssembly stack waits for the user's input, which
// the page queues, and hands each event to the dialog manager, which
// decides what it does, as a Windows dialog's message loop would.
#include <cstdlib>

#include "web_internals.h"

namespace web {

namespace {

dialog_manager::KeyPress KeyOf(const Event& e) {
  dialog_manager::KeyPress key;
  key.virtualKey = e.key;
  key.shift = e.shift;
  key.control = e.control;
  key.alt = e.alt;
  return key;
}

// The page's event as the dialog manager's input.
dialog_manager::Input InputOf(const Event& e) {
  using dialog_manager::InputKind;
  dialog_manager::Input input;
  input.window = e.window;
  input.key = KeyOf(e);
  input.start = e.start;
  input.end = e.end;
  input.text = e.text;
  input.pasted = e.pasted;
  switch (e.kind) {
    case EventKind::KeyUp: input.kind = InputKind::KeyUp; break;
    case EventKind::Typed: input.kind = InputKind::Typed; break;
    case EventKind::Pasted: input.kind = InputKind::Pasted; break;
    case EventKind::Cut: input.kind = InputKind::Cut; break;
    case EventKind::Copied: input.kind = InputKind::Copied; break;
    case EventKind::Cleared: input.kind = InputKind::Deleted; break;
    case EventKind::Undone: input.kind = InputKind::Undone; break;
    case EventKind::Replaced: input.kind = InputKind::Replaced; break;
    case EventKind::Clicked: input.kind = InputKind::Clicked; break;
    case EventKind::Closed: input.kind = InputKind::Closed; break;
    case EventKind::Tapped: input.kind = InputKind::Tapped; break;
    // The user's click, with whatever the user has selected since.
    case EventKind::Focused: input.kind = InputKind::Pressed; input.start = input.end = -1; break;
    default: input.kind = InputKind::KeyDown; break;
  }
  // Keys are the focus's, and a replacement's selection is only its caret.
  if (e.kind == EventKind::KeyDown || e.kind == EventKind::KeyUp) input.window = nullptr;
  if (e.kind == EventKind::Replaced) input.start = -1;
  return input;
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
  if (e.kind == EventKind::Painted) {
    if (dialog_manager::IfLive(e.window) && e.window->invalid) dialog_manager::Paint(e.window);
  } else if (e.kind != EventKind::None) {
    if (e.kind == EventKind::Pasted) Clipboard() = e.text;
    if (e.kind == EventKind::KeyDown || e.kind == EventKind::KeyUp) {
      // The page waits for the answer in the key's own event, to let the
      // browser act on the key or not; told before the key is handled,
      // which may open the chooser and suspend the program. Cut, copy and
      // paste keys are the browser's clipboard events, which only the
      // page's own handlers may touch: they reach the dialog as those.
      const bool down = e.kind == EventKind::KeyDown;
      HWND focus = GetFocus();
      if (focus && focus->kind == WindowKind::Edit) backend::ReadSelection(focus);  // what the user selected since
      const dialog_manager::KeyUse use =
          dialog_manager::UseOf(focus && focus->parent == dialog ? focus : nullptr, KeyOf(e), down);
      const char* command = use == dialog_manager::KeyUse::Cut     ? "cut"
                            : use == dialog_manager::KeyUse::Copy  ? "copy"
                            : use == dialog_manager::KeyUse::Paste ? "paste"
                                                                   : "";
      rgbhsv_key_answer(dialog_manager::TakesKey(dialog, KeyOf(e), down), command);
      if (*command) return;
    }
    dialog_manager::Post(dialog, InputOf(e));
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

// The page's copy or cut event puts it on the browser's clipboard.
void PutOnClipboard(const std::string& text) {
  web::Clipboard() = text;
  rgbhsv_copied(text.c_str());
}

// The page's paste event has brought the text already: the page has one
// clipboard, and no primary selection of its own.
void RequestText(dialog_manager::TextSource) { dialog_manager::TextArrived(&web::Clipboard()); }

void ShowBusy(HWND dialog, bool busy) { rgbhsv_show_busy(dialog, busy); }

}  // namespace backend
