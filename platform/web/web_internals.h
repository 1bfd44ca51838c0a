// The web implementation's insides: the page's side (page_*.js, Emscripten
// JS libraries) as the program calls it, and the user's input as
// the page queues it. Only its own sources see this.
#ifndef RGBHSV_PLATFORM_WEB_WEB_INTERNALS_H
#define RGBHSV_PLATFORM_WEB_WEB_INTERNALS_H

#include <cstdint>
#include <string>

#include "../shared/backend.h"

// The page keeps each window's elements, by handle; nothing more is needed
// here.
struct NativeWindow {};
struct NativeIcon {};

// page_*.js.
extern "C" {
void rgbhsv_start_page(const char* eventNames);
void rgbhsv_measure_font(int* x, int* y);
void rgbhsv_make_dialog(HWND dialog, const char* caption, int width, int height);
void rgbhsv_make_control(HWND dialog, HWND control, int id, int kind, const char* text, int x, int y, int width,
                         int height, int clientWidth, int clientHeight, int border, int disabled, int digits,
                         const char* name);
void rgbhsv_show_element(HWND window, int visible);
void rgbhsv_remove_element(HWND window);
void rgbhsv_focus_element(HWND window);
void rgbhsv_show_text(HWND window, const char* text);
void rgbhsv_show_icon(HWND dialog, const uint8_t* ico, int size);
void rgbhsv_show_busy(HWND dialog, int busy);
void rgbhsv_read_selection(HWND edit, int* start, int* end);
void rgbhsv_show_input(HWND edit, const char* text, int start, int end);
void rgbhsv_wait_for_input();
int rgbhsv_take_input(int* fields, char** text);
void rgbhsv_key_answer(int taken, const char* command);
void rgbhsv_copied(const char* text);
void rgbhsv_paint_at_next_frame(HWND window);
void rgbhsv_fill_canvas(HWND window, int x, int y, int width, int height, int red, int green, int blue);
int rgbhsv_canvas_pixel(HWND window, int x, int y);
int rgbhsv_run_chooser(int initial, uint32_t* custom);
void rgbhsv_tone();
void rgbhsv_show_end(int code);
}

namespace web {

// The kinds of the user's input, numbered from 1 in this order; the page
// knows them by these names (rgbhsv_start_page), so the numbers are written
// nowhere else.
#define RGBHSV_PAGE_EVENTS(X)                                                            \
  X(KeyDown)   /* key, shift, control, alt */                                             \
  X(KeyUp)                                                                                \
  X(Typed)     /* text typed into the field, over its selection start..end */            \
  X(Pasted)    /* text pasted or dropped into the field, over start..end */              \
  X(Cut)       /* the field's selection start..end cut */                                \
  X(Copied)    /* the field's selection start..end copied (a menu's Copy) */             \
  X(Cleared)   /* the field's selection start..end dragged away */                       \
  X(Undone)                                                                               \
  X(Replaced)  /* the field's text as the page changed it, the caret at end; pasted */   \
  X(Clicked)   /* a button */                                                             \
  X(Closed)    /* the close box */                                                        \
  X(Focused)   /* the window the user put the focus on */                                 \
  X(Tapped)    /* a field touched (not clicked) */                                        \
  X(Painted)   /* a window's paint is due */

enum class EventKind {
  None,
#define RGBHSV_EVENT_ENUM(name) name,
  RGBHSV_PAGE_EVENTS(RGBHSV_EVENT_ENUM)
#undef RGBHSV_EVENT_ENUM
};

struct Event {
  EventKind kind = EventKind::None;
  HWND window = nullptr;
  int key = 0;
  bool shift = false, control = false, alt = false;
  int start = 0, end = 0;  // a field's selection, in characters
  bool pasted = false;
  std::string text;
};

// Waits for the user's input, and takes the oldest.
void WaitForEvent();
bool TakeEvent(Event* event);
// What the user's input does to the dialog.
void Handle(HWND dialog, const Event& event);

// The clipboard's text, as the last paste brought it or the program put it.
std::string& Clipboard();

}  // namespace web

#endif
