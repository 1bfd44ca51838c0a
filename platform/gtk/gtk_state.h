// The GTK implementation's insides: what a window is (a record of ours
// around a GTK widget), and the one record of everything it knows. Only the
// implementation's own sources see this.
#ifndef RGBHSV_PLATFORM_GTK_GTK_STATE_H
#define RGBHSV_PLATFORM_GTK_GTK_STATE_H

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../shared/edit_rules.h"
#include "../shared/resources.h"
#include "../win32_off_windows.h"

enum class WindowKind { Dialog, Button, Edit, Static };

struct HDC__ {
  HWND window;
  cairo_t* cairo;  // while the window paints; null otherwise
};

struct HWND__ {
  WindowKind kind;
  int id = 0;
  DWORD style = 0;
  std::string text;               // buttons and statics; edits keep `edit`
  WNDPROC proc = nullptr;         // the current window procedure
  DLGPROC dialogProc = nullptr;   // dialogs only
  HWND parent = nullptr;
  std::vector<HWND> children;     // template order, which is the tab order
  GtkWidget* widget = nullptr;    // the control, or the dialog's GtkWindow
  GtkWidget* outer = nullptr;     // what is placed in the dialog (a frame around a bordered static)
  int width = 0, height = 0;      // client size in pixels
  bool ended = false, destroyed = false, inModalLoop = false;
  INT_PTR result = 0;
  HICON bigIcon = nullptr, smallIcon = nullptr;
  edit::EditState edit;
  gulong changedHandler = 0;      // edits: GTK's own changes of the text
  bool changePending = false;     // edits: a GTK change not yet notified
  bool pushed = false;            // buttons: Space down on it
  bool invalid = true, erase = true;
  int paints = 0;
  HDC__ dc{nullptr, nullptr};
};

struct HBRUSH__ {
  COLORREF color;
};

struct HICON__ {
  int resource;
  GList* pixbufs;  // every image of the group, for the window manager to choose
};

namespace gtkwin {

struct State {
  std::vector<std::unique_ptr<HWND__>> windows;
  std::set<HBRUSH> brushes;
  std::vector<std::unique_ptr<HICON__>> icons;
  res::ProgramResources resources;
  HWND focus = nullptr;
  std::string font;  // the family standing in for the templates' font
};

State& state();
HWND Live(HWND window);
HWND WindowOf(GtkWidget* widget);
void Notify(HWND control, WORD code);
// Runs GTK's main loop until `done` holds or `ms` pass; whether it held.
bool PumpUntil(bool (*done)(HWND), HWND window, int ms);

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The GTK side of the controls: their widgets and signals.
GtkWidget* NewEdit(HWND edit);
GtkWidget* NewStatic(HWND control);
gboolean OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer dialog);
gboolean OnKeyRelease(GtkWidget* window, GdkEventKey* event, gpointer dialog);
// A key pressed in a field: true if it was the field's to handle.
gboolean EditKey(HWND edit, GdkEventKey* event);

}  // namespace gtkwin

#endif
