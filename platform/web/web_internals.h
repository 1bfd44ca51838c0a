// The web implementation's insides: the page's side (page_*.js, Emscripten
// JS libraries) as the program calls it, and the records that cross
// between the two, each laid out from one list of its fields, which the
// page is told at its start. Only its own sources see this.
#ifndef RGBHSV_PLATFORM_WEB_WEB_INTERNALS_H
#define RGBHSV_PLATFORM_WEB_WEB_INTERNALS_H

#include <cstdint>
#include <string>

#include "../shared/backend.h"

// The page keeps each window's elements, by handle; nothing more is needed
// here.
struct NativeWindow {};
struct NativeIcon {};

namespace web {

// A record's fields are 32-bit words in this order (a pointer is one in
// WebAssembly's 32-bit memory); the page reads and writes them by name.
//
// One event of the page's, for the modal loop: the user's input (`kind`
// from 1 as dialog_manager::InputKind, then the page's own kinds below)
// with what dialog_manager::Input says of it; `text` a copy in malloc's
// memory, which the program frees; `early` if the page let the input go
// before the program ran (dialog_manager::PostLetGo), a key's `character`
// then with it.
#define RGBHSV_PAGE_EVENT_FIELDS(X)                                                                          \
  X(kind) X(window) X(key) X(character) X(shift) X(control) X(alt) X(repeat) X(start) X(end) X(pasted) \
  X(forward) X(words) X(early) X(text)
// A control to make: its window, where and how it shows, and what
// AccessibleName calls it.
#define RGBHSV_PAGE_CONTROL_FIELDS(X)                                                                       \
  X(dialog) X(control) X(id) X(kind) X(text) X(x) X(y) X(width) X(height) X(clientWidth) X(clientHeight) \
  X(border) X(disabled) X(digits) X(name)
// The page's own events beyond the user's input: a window's paint is due;
// the time the dialog manager asked to be woken at has come; the font of a
// dialog laid out for the font the page's HTML was made with, measured
// after the first frame, differs from it (its base units in start, end).
#define RGBHSV_PAGE_OWN_EVENTS(X) X(Painted) X(Woken) X(Remeasured)
// What a control shows as: a <button>, an <input>, a text, a canvas.
#define RGBHSV_PAGE_CONTROL_KINDS(X) X(Button) X(Field) X(Text) X(Canvas)

#define RGBHSV_PAGE_FIELD(name) int32_t name;
struct Event {
  RGBHSV_PAGE_EVENT_FIELDS(RGBHSV_PAGE_FIELD)
};
struct Control {
  RGBHSV_PAGE_CONTROL_FIELDS(RGBHSV_PAGE_FIELD)
};
#undef RGBHSV_PAGE_FIELD

#define RGBHSV_PAGE_COUNT(name) +1
static_assert(sizeof(Event) == 4 * (0 RGBHSV_PAGE_EVENT_FIELDS(RGBHSV_PAGE_COUNT)), "words only");
static_assert(sizeof(Control) == 4 * (0 RGBHSV_PAGE_CONTROL_FIELDS(RGBHSV_PAGE_COUNT)), "words only");
constexpr int kInputKinds = 0 RGBHSV_INPUT_KINDS(RGBHSV_PAGE_COUNT);
#undef RGBHSV_PAGE_COUNT

enum class OwnEvent {
  Before = kInputKinds,
#define RGBHSV_PAGE_OWN_ENUM(name) name,
  RGBHSV_PAGE_OWN_EVENTS(RGBHSV_PAGE_OWN_ENUM)
#undef RGBHSV_PAGE_OWN_ENUM
};

enum class ControlKind {
#define RGBHSV_PAGE_KIND_ENUM(name) name,
  RGBHSV_PAGE_CONTROL_KINDS(RGBHSV_PAGE_KIND_ENUM)
#undef RGBHSV_PAGE_KIND_ENUM
};

// The clipboard's text, as the last paste brought it or the program put it.
std::string& Clipboard();

// The elements of a dialog and its controls moved to their frames, and
// its canvases painted again at their new sizes.
void PlaceAgain(HWND dialog);

}  // namespace web

// page_*.js.
extern "C" {
// The page's start: the names of the events' kinds, numbered from 1, of
// the events' and the controls' fields, in record order, and of the
// controls' kinds, from 0; each list a string of names and commas.
void rgbhsv_start_page(const char* eventKinds, const char* eventFields, const char* controlFields,
                       const char* controlKinds);
// The base units of the dialog font, for a dialog of template `templateId`.
void rgbhsv_measure_font(int templateId, int* x, int* y);
// A dialog of the template `templateId`: the page's own if its HTML shows
// it already, made otherwise.
void rgbhsv_make_dialog(HWND dialog, int templateId, const char* caption, int width, int height);
void rgbhsv_make_control(const web::Control* control);
void rgbhsv_show_element(HWND window, int visible);
// A dialog's client area or a control's frame, and a canvas's size.
void rgbhsv_place_element(HWND window, int x, int y, int width, int height, int clientWidth, int clientHeight);
void rgbhsv_remove_element(HWND window);
void rgbhsv_focus_element(HWND window);
void rgbhsv_show_text(HWND window, const char* text);
void rgbhsv_show_icon(HWND dialog, const uint8_t* ico, int size);
void rgbhsv_show_busy(HWND dialog, int busy);
void rgbhsv_read_selection(HWND edit, int* start, int* end);
void rgbhsv_show_input(HWND edit, const char* text, int start, int end);
void rgbhsv_wait_for_input();
int rgbhsv_take_input(web::Event* event);
void rgbhsv_key_answer(int taken, const char* command);
void rgbhsv_copied(const char* text);
void rgbhsv_wake_after(int ms);
void rgbhsv_paint_at_next_frame(HWND window);
void rgbhsv_fill_canvas(HWND window, int x, int y, int width, int height, int red, int green, int blue);
int rgbhsv_canvas_pixel(HWND window, int x, int y);
int rgbhsv_run_chooser(int initial, uint32_t* custom);
void rgbhsv_tone();
void rgbhsv_show_end(int code);
}

#endif
