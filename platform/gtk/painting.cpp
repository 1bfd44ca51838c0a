// Statics and painting over GTK. A static that shows no text is a drawing
// area; GTK's "draw" becomes WM_PAINT to its window procedure, and its
// device context paints on that draw's cairo context.
#include "gtk_internals.h"

namespace {

gboolean OnDraw(GtkWidget*, cairo_t* cairo, gpointer data) {
  HWND window = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!window) return FALSE;
  window->native->cairo = cairo;
  dialog_manager::Paint(window);
  window->native->cairo = nullptr;
  return TRUE;
}

}  // namespace

namespace gtkwin {

GtkWidget* NewStatic(HWND control) {
  if (dialog_manager::ShowsText(control)) {
    GtkWidget* label = gtk_label_new(control->text.c_str());
    const DWORD type = control->style & SS_TYPEMASK;
    gtk_label_set_xalign(GTK_LABEL(label), type == SS_CENTER ? 0.5f : type == SS_RIGHT ? 1.0f : 0.0f);
    gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
    gtk_label_set_line_wrap(GTK_LABEL(label), type != SS_LEFTNOWORDWRAP);
    return label;
  }
  GtkWidget* area = gtk_drawing_area_new();
  g_signal_connect(area, "draw", G_CALLBACK(OnDraw), control);
  if (control->style & WS_BORDER) {
    // The control's border, one pixel around the client area, as the
    // window's frame on Windows.
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_widget_set_name(frame, "rgbhsv-border");
    gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
    gtk_container_add(GTK_CONTAINER(frame), area);
    control->native->outer = frame;
  }
  return area;
}

}  // namespace gtkwin

namespace backend {

void Invalidate(HWND window) { gtk_widget_queue_draw(gtkwin::Widget(window)); }

void Fill(HDC dc, const RECT& rect, COLORREF c) {
  cairo_t* cairo = dc->window->native->cairo;
  if (!cairo) return;  // not while GTK draws: nothing to paint on
  cairo_set_source_rgb(cairo, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
  cairo_rectangle(cairo, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  cairo_fill(cairo);
}

void EraseBackground(HDC dc) {
  HWND window = dc->window;
  if (!window->native->cairo) return;
  RECT client;
  GetClientRect(window, &client);
  HWND dialog = window->parent ? window->parent : window;
  gtk_render_background(gtk_widget_get_style_context(gtkwin::Widget(dialog)), window->native->cairo, 0, 0,
                        client.right, client.bottom);
}

}  // namespace backend
