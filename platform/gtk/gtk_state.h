// The GTK implementation's insides: what it adds to a window (the widget,
// its size in pixels, the paint in progress), and the one record of
// everything it knows. Only the implementation's own sources see this.
#ifndef RGBHSV_PLATFORM_GTK_GTK_STATE_H
#define RGBHSV_PLATFORM_GTK_GTK_STATE_H

#include <gtk/gtk.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../shared/resources.h"
#include "../shared/window.h"

struct HDC__ {
  HWND window;
  cairo_t* cairo;  // while the window paints; null otherwise
};

struct NativeWindow {
  GtkWidget* widget = nullptr;  // the control, or the dialog's GtkWindow
  GtkWidget* outer = nullptr;   // what is placed in the dialog: a frame around a bordered static
  int width = 0, height = 0;    // client size in pixels
  gulong changedHandler = 0;    // edits: GTK's own changes of the text
  bool changePending = false;   // edits: a GTK change not yet notified
  HDC__ dc{nullptr, nullptr};
};

struct HBRUSH__ {
  COLORREF color;
};

struct HICON__ {
  int resource;
  GList* pictures;  // every image of the group, for the window manager to choose
};

namespace gtkwin {

struct State {
  std::vector<std::unique_ptr<NativeWindow>> natives;
  std::set<HBRUSH> brushes;
  std::vector<std::unique_ptr<HICON__>> icons;
  res::ProgramResources resources;
  std::string font;  // the family standing in for the templates' font
};

State& state();
inline NativeWindow& Native(HWND window) { return *window->native; }
inline GtkWidget* Widget(HWND window) { return window->native->widget; }
// The window whose widget this is, or holds it.
HWND WindowOf(GtkWidget* widget);
// Runs GTK's main loop until `done` holds or `ms` pass; whether it held.
bool PumpUntil(bool (*done)(HWND), HWND window, int ms);

HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param);
INT_PTR RunModal(HWND dialog);

// The GTK side of the controls: their widgets and signals.
GtkWidget* NewEdit(HWND edit);
GtkWidget* NewStatic(HWND control);
void TakeSelection(HWND edit);
void ShowEdit(HWND edit);
std::string ClipboardText();
gboolean OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer dialog);
gboolean OnKeyRelease(GtkWidget* window, GdkEventKey* event, gpointer dialog);
// A key pressed in a field: true if it was the field's to handle.
gboolean EditKey(HWND edit, GdkEventKey* event);

}  // namespace gtkwin

#endif
