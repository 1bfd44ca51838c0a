// The GTK implementation's insides: what it keeps of a window (its widget,
// the paint in progress) and of an icon, and the one record of everything
// it knows. Only its own sources see this.
#ifndef RGBHSV_PLATFORM_GTK_GTK_INTERNALS_H
#define RGBHSV_PLATFORM_GTK_GTK_INTERNALS_H

#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../shared/backend.h"

struct NativeWindow {
  GtkWidget* widget = nullptr;  // the control, or the dialog's GtkWindow
  GtkWidget* outer = nullptr;   // what is placed in the dialog: a frame around a bordered static
  gulong insertHandler = 0;     // edits: what GTK would insert by its own means
  gulong deleteHandler = 0;     // and delete
  edit::Notifications pending;  // edits: of GTK's steps, not yet sent
  bool flushQueued = false;     // edits: to be sent when GTK is idle
  bool typing = false;          // edits: the input method is handling a key
  bool composing = false;       // edits: the input method shows a composition
  bool composed = false;        // edits: and has since, its commit still to come
  cairo_t* cairo = nullptr;     // while the window paints
};

struct NativeIcon {
  GList* pictures;  // every image of the group, for the window manager to choose
};

namespace gtkwin {

struct Records {
  std::vector<std::unique_ptr<NativeWindow>> natives;
  std::vector<std::unique_ptr<NativeIcon>> icons;
  std::string font;  // the family standing in for the templates' font
  double dpi = 96;   // the display's font resolution, GDK's DPI scale in it
  std::string copied;          // what the program last put on the clipboard
  bool ownsClipboard = false;  // and still owns it
  HWND pasteInto = nullptr;    // an edit waiting for the clipboard's answer
  HWND primaryInto = nullptr;  // an edit waiting for the primary selection's (a middle click)
  size_t primaryAt = 0;        // where the middle button was, in characters
  std::vector<std::pair<HWND, GdkEvent*>> held;  // the user's keys since, to follow it
};

Records& records();
// A font's size in pixels at the display's resolution, as Windows sizes
// a dialog's font at the system's DPI.
int FontPixels(int points);
inline GtkWidget* Widget(HWND window) { return window->native->widget; }
// The window whose widget this is, or holds it.
HWND WindowOf(GtkWidget* widget);
// Runs GTK's main loop until `done` holds or `ms` pass; whether it held.
bool PumpUntil(bool (*done)(HWND), HWND window, int ms);

// The widgets of controls, and their signals.
GtkWidget* NewEdit(HWND edit);
GtkWidget* NewStatic(HWND control);
gboolean OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer dialog);
gboolean OnKeyRelease(GtkWidget* window, GdkEventKey* event, gpointer dialog);
// A key in a field offered to its input method first: true if the input
// method took it (what it commits is typed text).
bool InputMethodTakes(HWND edit, GdkEventKey* event);
// Whether a key must wait for a paste still waiting for the clipboard; it
// is then held, and handled once the paste is done.
bool HoldWhilePasting(HWND dialog, GdkEventKey* event);
// Handles the keys held while a paste waited, in order, until one of them
// pastes again.
void ReplayHeld();
// Asks for a selection's text (CLIPBOARD or PRIMARY), and hands it to
// `received` once it comes: the bytes as they are offered, made valid
// UTF-8 here, or else in whatever form GTK can convert.
void RequestText(GdkAtom selection, void (*received)(const char* text));
// Whether the field's input method is composing.
bool Composing(HWND edit);

}  // namespace gtkwin

#endif
