// The GTK implementation's insides: what it keeps of a window (its widget,
// the paint in progress) and of an icon, and the one record of everything
// it knows. Only its own sources see this.
#ifndef RGBHSV_PLATFORM_GTK_GTK_INTERNALS_H
#define RGBHSV_PLATFORM_GTK_GTK_INTERNALS_H

#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

#include "../shared/backend.h"

struct NativeWindow {
  GtkWidget* widget = nullptr;  // the control, or the dialog's GtkWindow
  GtkWidget* outer = nullptr;   // what is placed in the dialog: a frame around a bordered static
  gulong insertHandler = 0;     // edits: what GTK would insert by its own means
  gulong deleteHandler = 0;     // and delete
  edit::Notifications pending;  // edits: of GTK's steps, not yet sent
  bool flushQueued = false;     // edits: to be sent when GTK is idle
  // Edits: what GTK deleted, not yet applied: the selection that typed
  // text replaces, if text follows at once, or else a deletion of GTK's own.
  bool deletePending = false;
  size_t deleteStart = 0, deleteEnd = 0;
  bool dropping = false;        // edits: GTK is inserting what was dropped
  bool composing = false;       // edits: the input method shows a composition
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
};

// How long a paste waits for another program's text: a busy owner answers
// within it, and one that never answers does not hold the user's input up
// for longer.
constexpr guint kPasteWaitMs = 3000;

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
// GTK's own changes to edits gathered so far, applied and notified: before
// the next input of the user's is handled.
void FlushChanges();
// The user's input, after GTK's own changes so far.
bool PostInput(HWND dialog, const dialog_manager::Input& input);
// Whether the field's input method is composing.
bool Composing(HWND edit);

}  // namespace gtkwin

#endif
