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
  bool dropping = false;        // edits: GTK is handling a drop's data
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

Records& records();
// A font's size in pixels at the display's resolution, as Windows sizes
// a dialog's font at the system's DPI.
int FontPixels(int points);
inline GtkWidget* Widget(HWND window) { return window->native->widget; }
// The window whose widget this is, or holds it.
HWND WindowOf(GtkWidget* widget);

// The widgets of controls, and their signals.
GtkWidget* NewEdit(HWND edit);
GtkWidget* NewStatic(HWND control);
gboolean OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer dialog);
gboolean OnKeyRelease(GtkWidget* window, GdkEventKey* event, gpointer dialog);
// A key in a field offered to its input method first: true if the input
// method took it (what it commits is typed text).
bool InputMethodTakes(HWND edit, GdkEventKey* event);
// Whether the field's input method is composing.
bool Composing(HWND edit);

}  // namespace gtkwin

#endif
