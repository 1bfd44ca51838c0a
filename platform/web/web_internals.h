// The web implementation's insides. Only its own sources see this.
#ifndef RGBHSV_PLATFORM_WEB_WEB_INTERNALS_H
#define RGBHSV_PLATFORM_WEB_WEB_INTERNALS_H

#include <emscripten.h>

#include <string>

#include "../shared/backend.h"

// The page keeps each window's elements, by handle; nothing more is needed
// here.
struct NativeWindow {};
struct NativeIcon {};

namespace web {

// The user's input as the page queues it (dialog_page.js numbers them so).
enum EventKind {
  kNoEvent = 0,
  kKeyDown = 1,   // a: virtual key, b: Shift held
  kKeyUp = 2,     // a: virtual key
  kChar = 3,      // a: the character typed into the focused field
  kPaste = 4,     // text: what the paste brings
  kEdited = 5,    // the field's text as the page changed it by other means
  kForwardDelete = 6,
  kCut = 7,
  kClick = 8,     // a button clicked
  kClose = 9,     // the close box
  kFocus = 10,    // the window the user put the focus on
  kPaint = 11,
};

struct Event {
  int kind = kNoEvent;
  HWND window = nullptr;
  int a = 0, b = 0;
  std::string text;
};

// Waits for the user's input, and takes the oldest.
void WaitForEvent();
bool TakeEvent(Event* event);
// What the user's input does to the dialog.
void Handle(HWND dialog, const Event& event);

// The clipboard's text, as the last paste brought it.
std::string& Clipboard();

}  // namespace web

#endif
