// The modal loop: the WebAssembly stack waits for the user's input, which
// the page queues as records of the shared layout, and hands each to the
// dialog manager, which decides what it does, as a Windows dialog's message
// loop would; and the page's clock.
#include <emscripten/emscripten.h>

#include <cstdlib>

#include "web_internals.h"

namespace web {

namespace {

template <typename T>
T* Pointer(int32_t address) {
  return reinterpret_cast<T*>(static_cast<uintptr_t>(static_cast<uint32_t>(address)));
}

// The page's event as the dialog manager's input.
dialog_manager::Input InputOf(const Event& e) {
  dialog_manager::Input input;
  input.kind = static_cast<dialog_manager::InputKind>(e.kind - 1);
  input.window = Pointer<HWND__>(e.window);
  input.key.virtualKey = e.key, input.key.character = static_cast<char32_t>(e.character);
  input.key.shift = e.shift, input.key.control = e.control;
  input.key.alt = e.alt, input.key.repeat = e.repeat;
  input.start = e.start, input.end = e.end, input.pasted = e.pasted;
  input.forward = e.forward, input.words = e.words;
  if (char* text = Pointer<char>(e.text)) {
    input.text = text;
    std::free(text);
  }
  return input;
}

// The page waits for a key's answer in the key's own event, to let the
// browser act on the key or not; told before the key is handled, which may
// open the chooser and suspend the program. Cut, copy and paste keys are
// the browser's clipboard events, which only the page's own handlers may
// touch: they reach the dialog as those, not as keys.
bool AnswerKey(HWND dialog, const dialog_manager::Input& input) {
  const bool down = input.kind == dialog_manager::InputKind::KeyDown;
  const char* command = "";
  switch (dialog_manager::UseIn(dialog, input.key, down)) {
    case dialog_manager::KeyUse::Cut: command = "cut"; break;
    case dialog_manager::KeyUse::Copy: command = "copy"; break;
    case dialog_manager::KeyUse::Paste: command = "paste"; break;
    default: break;
  }
  rgbhsv_key_answer(dialog_manager::TakesKey(dialog, input.key, down), command);
  return *command != '\0';
}

void Handle(HWND dialog, const Event& e) {
  if (e.kind == static_cast<int>(OwnEvent::Painted)) {
    HWND window = Pointer<HWND__>(e.window);
    if (dialog_manager::IfLive(window) && window->invalid) dialog_manager::Paint(window);
    return;
  }
  if (e.kind == static_cast<int>(OwnEvent::Woken)) {
    dialog_manager::TimePassed();
    return;
  }
  if (e.kind == static_cast<int>(OwnEvent::Remeasured)) {
    HWND window = Pointer<HWND__>(e.window);
    if (dialog_manager::LayOutAgain(window, e.start, e.end)) PlaceAgain(window);
    return;
  }
  const dialog_manager::Input input = InputOf(e);
  if (input.kind == dialog_manager::InputKind::Pasted) Clipboard() = input.text;
  if (e.early) {
    dialog_manager::PostLetGo(dialog, input);
    return;
  }
  const bool key = input.kind == dialog_manager::InputKind::KeyDown || input.kind == dialog_manager::InputKind::KeyUp;
  if (key && AnswerKey(dialog, input)) return;
  dialog_manager::Post(dialog, input);
}

}  // namespace

std::string& Clipboard() {
  static std::string text;
  return text;
}

}  // namespace web

namespace backend {

INT_PTR RunModal(HWND dialog) {
  web::Event event;
  while (!dialog->ended) {
    rgbhsv_wait_for_input();
    while (!dialog->ended && rgbhsv_take_input(&event) != 0) web::Handle(dialog, event);
  }
  return dialog->result;
}

// The page's copy or cut event puts it on the browser's clipboard, which
// only the browser's paste event reads back.
bool PutOnClipboard(const std::string& text) {
  web::Clipboard() = text;
  rgbhsv_copied(text.c_str());
  return false;
}

// The page's paste event has brought the text already: the page has one
// clipboard, and no primary selection of its own.
void RequestText(dialog_manager::TextSource, unsigned request) {
  dialog_manager::TextArrived(request, &web::Clipboard());
}

void ShowBusy(HWND dialog, bool busy) { rgbhsv_show_busy(dialog, busy); }

uint64_t Now() { return static_cast<uint64_t>(emscripten_get_now()); }

// A timer of the page's posts the wake as an event, for the waiting loop.
void WakeAt(uint64_t ms) {
  const uint64_t now = Now();
  rgbhsv_wake_after(ms > now ? static_cast<int>(ms - now) : 0);
}

}  // namespace backend
