// Statics, painting and brushes over GTK. A static that shows no text is a
// drawing area; GTK's "draw" becomes WM_PAINT to its window procedure, and
// a device context is the cairo context of that paint.
#include "gtk_state.h"

namespace gtkwin {

static bool ShowsText(DWORD style) {
  switch (style & 0x1F) {
    case 0x0:  // SS_LEFT
    case 0x1:  // SS_CENTER
    case 0x2:  // SS_RIGHT
    case 0xB:  // SS_SIMPLE
    case 0xC:  // SS_LEFTNOWORDWRAP
      return true;
    default:
      return false;
  }
}

static void Fill(HDC dc, COLORREF color) {
  if (!dc->cairo) return;
  cairo_set_source_rgb(dc->cairo, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
                       ((color >> 16) & 0xFF) / 255.0);
  cairo_paint(dc->cairo);
}

}  // namespace gtkwin

using gtkwin::Native;

// Statics: a black rectangle paints black; all erase to the dialog's
// background.
LRESULT CALLBACK windows::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (dc && dc->cairo) {
        gtk_render_background(gtk_widget_get_style_context(gtkwin::Widget(window->parent)), dc->cairo, 0,
                              0, Native(window).width, Native(window).height);
      }
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if ((window->style & 0x1F) == SS_BLACKRECT) gtkwin::Fill(dc, 0x00000000);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefaultProc(window, message, wParam, lParam);
  }
}

namespace gtkwin {

static gboolean OnDraw(GtkWidget*, cairo_t* cairo, gpointer data) {
  HWND window = windows::Live(static_cast<HWND>(data));
  if (!window) return FALSE;
  Native(window).dc.cairo = cairo;
  window->invalid = false;
  SendMessageA(window, WM_PAINT, 0, 0);
  Native(window).dc.cairo = nullptr;
  return TRUE;
}

GtkWidget* NewStatic(HWND control) {
  if (ShowsText(control->style)) {
    GtkWidget* label = gtk_label_new(control->text.c_str());
    const DWORD align = control->style & 0x1F;
    gtk_label_set_xalign(GTK_LABEL(label), align == 0x1 ? 0.5f : align == 0x2 ? 1.0f : 0.0f);
    gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
    gtk_label_set_line_wrap(GTK_LABEL(label), align != 0xC);
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
    Native(control).outer = frame;
  }
  return area;
}

// Whether the window has nothing left to paint that it could paint now.
static bool Painted(HWND window) {
  if (!windows::Live(window)) return true;
  if (window->invalid && GTK_IS_DRAWING_AREA(Widget(window)) && IsWindowVisible(window)) return false;
  for (HWND child : window->children) {
    if (!Painted(child)) return false;
  }
  return true;
}

}  // namespace gtkwin

using windows::Live;

BOOL WINAPI InvalidateRect(HWND window, const RECT*, BOOL erase) {
  if (!Live(window)) return FALSE;
  window->invalid = true;
  window->erase = window->erase || erase;
  gtk_widget_queue_draw(gtkwin::Widget(window));
  return TRUE;
}

// Paints now what is to be painted, as far as the window is on the screen:
// GTK paints in its main loop, which runs here until it has, for a second at
// most.
BOOL WINAPI UpdateWindow(HWND window) {
  if (!Live(window)) return FALSE;
  gtkwin::PumpUntil(gtkwin::Painted, window, 1000);
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
  if (!Live(window) || rect == nullptr) return FALSE;
  *rect = {0, 0, Native(window).width, Native(window).height};
  return TRUE;
}

HDC WINAPI GetDC(HWND window) { return Live(window) ? &Native(window).dc : nullptr; }

int WINAPI ReleaseDC(HWND window, HDC) { return Live(window) ? 1 : 0; }

// What the screen shows at a point of the window's client area.
COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
  if (dc == nullptr || !Live(dc->window)) return 0xFFFFFFFF;
  GtkWidget* widget = gtkwin::Widget(dc->window);
  GdkWindow* window = gtk_widget_get_window(widget);
  if (!window || !gtk_widget_get_mapped(widget) || x < 0 || y < 0 || x >= Native(dc->window).width ||
      y >= Native(dc->window).height) {
    return 0xFFFFFFFF;
  }
  if (!gtk_widget_get_has_window(widget)) {
    GtkAllocation at;
    gtk_widget_get_allocation(widget, &at);
    x += at.x;
    y += at.y;
  }
  gdk_display_sync(gdk_window_get_display(window));
  GdkPixbuf* pixel = gdk_pixbuf_get_from_window(window, x, y, 1, 1);
  if (!pixel) return 0xFFFFFFFF;
  const guchar* p = gdk_pixbuf_get_pixels(pixel);
  const COLORREF color = RGB(p[0], p[1], p[2]);
  g_object_unref(pixel);
  return color;
}

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  if (dc == nullptr || rect == nullptr || gtkwin::state().brushes.count(brush) == 0) return 0;
  if (dc->cairo) {
    const COLORREF c = brush->color;
    cairo_set_source_rgb(dc->cairo, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
    cairo_rectangle(dc->cairo, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    cairo_fill(dc->cairo);
  }
  return 1;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  HBRUSH brush = new HBRUSH__{color & 0x00FFFFFF};
  gtkwin::state().brushes.insert(brush);
  return brush;
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  HBRUSH brush = static_cast<HBRUSH>(object);
  if (gtkwin::state().brushes.erase(brush) == 0) return FALSE;
  delete brush;
  return TRUE;
}
