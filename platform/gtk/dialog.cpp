// Dialogs over GTK 3: a GtkWindow laid out from the template in dialog
// units, as Windows would size it, and the dialog manager's keyboard.
#include <cmath>

#include "gtk_state.h"

namespace gtkwin {

// Windows' MulDiv: a * b / c, rounded half away from zero.
static int MulDiv(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

// The pixel height of a font of `points` at 96 dots per inch.
static int PixelSize(int points) { return MulDiv(points, 96, 72); }

struct BaseUnits {
  int x, y;
};

// Windows' dialog base units for a font: half the rounded-up average width
// of "A".."Z" "a".."z", and the font's height.
static BaseUnits Measure(const std::string& family, int points) {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(map);
  pango_cairo_context_set_resolution(context, 96);
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, family.c_str());
  pango_font_description_set_absolute_size(font, PixelSize(points) * PANGO_SCALE);
  PangoLayout* layout = pango_layout_new(context);
  pango_layout_set_font_description(layout, font);
  pango_layout_set_text(layout, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", -1);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  PangoFontMetrics* metrics = pango_context_get_metrics(context, font, nullptr);
  const int ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(metrics));
  const int descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(metrics));
  pango_font_metrics_unref(metrics);
  g_object_unref(layout);
  pango_font_description_free(font);
  g_object_unref(context);
  return {(width / 26 + 1) / 2, ascent + descent};
}

static void OnClicked(GtkButton*, gpointer button) {
  if (HWND b = windows::Live(static_cast<HWND>(button))) windows::Notify(b, BN_CLICKED);
}

// The close box asks, as WM_CLOSE; the dialog decides.
static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer dialog) {
  SendMessageA(static_cast<HWND>(dialog), WM_CLOSE, 0, 0);
  return TRUE;
}

// A close box and nothing else in the frame, where the window manager
// honours Motif hints: the dialog cannot be minimized, maximized or resized.
static void OnRealize(GtkWidget* window, gpointer) {
  GdkWindow* frame = gtk_widget_get_window(window);
  gdk_window_set_functions(frame, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
  gdk_window_set_decorations(frame, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
}

// The user moved the focus with the mouse: the dialog manager's focus
// follows GTK's.
static void OnSetFocus(GtkWindow*, GtkWidget* widget, gpointer) {
  HWND w = WindowOf(widget);
  if (w && w != GetFocus()) SetFocus(w);
}

static GtkWidget* NewControl(HWND control) {
  switch (control->kind) {
    case WindowKind::Button: {
      GtkWidget* button = gtk_button_new_with_label(control->text.c_str());
      gtk_widget_set_focus_on_click(button, TRUE);
      g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), control);
      return button;
    }
    case WindowKind::Edit: return NewEdit(control);
    default: return NewStatic(control);
  }
}

static bool IsTabStop(HWND control) {
  return (control->style & WS_TABSTOP) && !(control->style & WS_DISABLED);
}

static NativeWindow& Attach(HWND window) {
  state().natives.push_back(std::make_unique<NativeWindow>());
  window->native = state().natives.back().get();
  window->native->dc.window = window;
  return *window->native;
}

HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param) {
  const auto name = reinterpret_cast<ULONG_PTR>(templateName);
  if (name > 0xFFFF || proc == nullptr) return nullptr;  // known by number only
  const auto found = state().resources.dialogs.find(static_cast<int>(name));
  if (found == state().resources.dialogs.end()) return nullptr;
  const res::DialogSpec& spec = found->second;
  const BaseUnits base = Measure(state().font, spec.pointSize ? spec.pointSize : 8);
  auto x = [&](int du) { return MulDiv(du, base.x, 4); };
  auto y = [&](int du) { return MulDiv(du, base.y, 8); };

  HWND dialog = windows::FromTemplate(spec, proc);
  NativeWindow& d = Attach(dialog);
  d.width = x(spec.cx);
  d.height = y(spec.cy);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  d.widget = d.outer = window;
  g_object_set_data(G_OBJECT(window), "rgbhsv-hwnd", dialog);
  gtk_widget_set_name(window, "rgbhsv-dialog");
  gtk_window_set_title(GTK_WINDOW(window), spec.caption.c_str());
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
  if (spec.style & 0x0800L) gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);  // DS_CENTER
  g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), dialog);
  g_signal_connect_after(window, "realize", G_CALLBACK(OnRealize), nullptr);
  g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), dialog);
  g_signal_connect(window, "key-release-event", G_CALLBACK(OnKeyRelease), dialog);
  g_signal_connect(window, "set-focus", G_CALLBACK(OnSetFocus), nullptr);
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, d.width, d.height);
  gtk_container_add(GTK_CONTAINER(window), fixed);

  for (size_t i = 0; i < spec.controls.size(); ++i) {
    const res::ControlSpec& c = spec.controls[i];
    HWND control = dialog->children[i];
    NativeWindow& n = Attach(control);
    const int border = (c.style & WS_BORDER) && control->kind == WindowKind::Static ? 2 : 0;
    n.width = x(c.cx) - border;
    n.height = y(c.cy) - border;
    GtkWidget* widget = NewControl(control);
    n.widget = widget;
    if (!n.outer) n.outer = widget;
    g_object_set_data(G_OBJECT(widget), "rgbhsv-hwnd", control);
    gtk_widget_set_size_request(n.outer, x(c.cx), y(c.cy));
    gtk_widget_set_can_focus(widget, IsTabStop(control));
    if (c.style & WS_DISABLED) gtk_widget_set_sensitive(widget, FALSE);
    gtk_fixed_put(GTK_FIXED(fixed), n.outer, x(c.x), y(c.y));
  }
  gtk_widget_show_all(fixed);
  windows::Initialise(dialog, param);
  return dialog;
}

// The modal loop: GTK's main loop, until EndDialog.
INT_PTR RunModal(HWND dialog) {
  while (!dialog->ended) gtk_main_iteration();
  return dialog->result;
}

static gboolean Key(HWND dialog, UINT message, WPARAM key) {
  MSG msg = {};
  msg.hwnd = GetFocus() ? GetFocus() : dialog;
  msg.message = message;
  msg.wParam = key;
  IsDialogMessageA(dialog, &msg);
  return TRUE;
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  HWND dialog = windows::Live(static_cast<HWND>(data));
  if (!dialog) return FALSE;
  const guint mods = event->state & gtk_accelerator_get_default_mod_mask();
  HWND focus = GetFocus();
  switch (event->keyval) {
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
      if (mods & GDK_SHIFT_MASK || event->keyval == GDK_KEY_ISO_Left_Tab) {
        windows::Tab(dialog, false);
        return TRUE;
      }
      return Key(dialog, WM_KEYDOWN, VK_TAB);
    case GDK_KEY_Escape: return Key(dialog, WM_KEYDOWN, VK_ESCAPE);
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter: return Key(dialog, WM_KEYDOWN, VK_RETURN);
    case GDK_KEY_space:
      if (focus && focus->kind == WindowKind::Button) return Key(dialog, WM_KEYDOWN, VK_SPACE);
      break;
    default: break;
  }
  if (focus && focus->kind == WindowKind::Edit && focus->parent == dialog) return EditKey(focus, event);
  return FALSE;
}

gboolean OnKeyRelease(GtkWidget*, GdkEventKey* event, gpointer data) {
  HWND dialog = windows::Live(static_cast<HWND>(data));
  HWND focus = GetFocus();
  if (dialog && event->keyval == GDK_KEY_space && focus && focus->kind == WindowKind::Button) {
    return Key(dialog, WM_KEYUP, VK_SPACE);
  }
  return FALSE;
}

}  // namespace gtkwin

using namespace gtkwin;

BOOL WINAPI ShowWindow(HWND window, int command) {
  if (!windows::Live(window)) return FALSE;
  GtkWidget* widget = Native(window).outer;
  const bool wasVisible = gtk_widget_get_visible(widget);
  gtk_widget_set_visible(widget, command != SW_HIDE);
  return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND window) {
  if (!windows::Live(window)) return FALSE;
  if (window->parent) return IsWindowVisible(window->parent);
  return gtk_widget_get_visible(Widget(window));
}
