// What only tests use of the GTK implementation: painting now, reading the
// screen, and the clipboard read as GetClipboardData reads it.
#include "gtk_internals.h"

namespace {

// Whether the window has nothing left to paint that it could paint now.
bool Painted(HWND window) {
  if (!dialog_manager::IfLive(window)) return true;
  if (window->invalid && GTK_IS_DRAWING_AREA(gtkwin::Widget(window)) && IsWindowVisible(window)) return false;
  for (HWND child : window->children) {
    if (!Painted(child)) return false;
  }
  return true;
}

// Runs GTK's main loop until the window is painted or `ms` pass.
void PumpUntilPainted(HWND window, int ms) {
  const gint64 deadline = g_get_monotonic_time() + gint64(ms) * 1000;
  while (!Painted(window) && g_get_monotonic_time() <= deadline) {
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
  }
}

}  // namespace

namespace backend {

// A test may wait for the clipboard in a nested loop.
std::string ClipboardText() {
  if (gtkwin::records().ownsClipboard) return gtkwin::records().copied;
  gchar* text = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
  std::string result = text ? text : "";
  g_free(text);
  return result;
}

// GTK paints in its main loop, which runs here until it has, for a second
// at most.
void PaintNow(HWND window) { PumpUntilPainted(window, 1000); }

COLORREF ReadPixel(HWND window, int x, int y) {
  GtkWidget* widget = gtkwin::Widget(window);
  GdkWindow* shown = gtk_widget_get_window(widget);
  if (!shown || !gtk_widget_get_mapped(widget)) return 0xFFFFFFFF;
  if (!gtk_widget_get_has_window(widget)) {
    GtkAllocation at;
    gtk_widget_get_allocation(widget, &at);
    x += at.x;
    y += at.y;
  }
  gdk_display_sync(gdk_window_get_display(shown));
  GdkPixbuf* pixel = gdk_pixbuf_get_from_window(shown, x, y, 1, 1);
  if (!pixel) return 0xFFFFFFFF;
  const guchar* p = gdk_pixbuf_get_pixels(pixel);
  const COLORREF color = RGB(p[0], p[1], p[2]);
  g_object_unref(pixel);
  return color;
}

}  // namespace backend
