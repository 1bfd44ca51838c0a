// The GTK side of the shared windows: what a window's change means for its
// widget.
#include "gtk_state.h"

namespace gtkwin {

State& state() {
  static State s;
  return s;
}

HWND WindowOf(GtkWidget* widget) {
  for (; widget; widget = gtk_widget_get_parent(widget)) {
    if (auto* w = static_cast<HWND>(g_object_get_data(G_OBJECT(widget), "rgbhsv-hwnd"))) {
      return windows::Live(w);
    }
  }
  return nullptr;
}

bool PumpUntil(bool (*done)(HWND), HWND window, int ms) {
  const gint64 deadline = g_get_monotonic_time() + gint64(ms) * 1000;
  while (!done(window)) {
    if (g_get_monotonic_time() > deadline) return false;
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
  }
  return true;
}

static void TextChanged(HWND window) {
  GtkWidget* w = Widget(window);
  const char* text = window->text.c_str();
  if (GTK_IS_LABEL(w)) gtk_label_set_text(GTK_LABEL(w), text);
  if (GTK_IS_BUTTON(w)) gtk_button_set_label(GTK_BUTTON(w), text);
  if (GTK_IS_WINDOW(w)) gtk_window_set_title(GTK_WINDOW(w), text);
}

// The same picture for both sizes, as the dialog sets it: the window
// manager picks the image of the size it draws.
static void IconChanged(HWND dialog) {
  HICON icon = dialog->bigIcon ? dialog->bigIcon : dialog->smallIcon;
  if (icon) gtk_window_set_icon_list(GTK_WINDOW(Widget(dialog)), icon->pictures);
}

static void Focused(HWND control) {
  if (control->kind != WindowKind::Dialog) gtk_widget_grab_focus(Widget(control));
}

static void Destroyed(HWND window) {
  gtk_widget_destroy(window->kind == WindowKind::Dialog ? Widget(window) : Native(window).outer);
}

static HDC DeviceContext(HWND window) { return &Native(window).dc; }

}  // namespace gtkwin

const windows::Hooks windows::hooks = {
    gtkwin::TextChanged,
    gtkwin::IconChanged,
    gtkwin::TakeSelection,
    gtkwin::ShowEdit,
    gtkwin::ClipboardText,
    gtkwin::Focused,
    gtkwin::Destroyed,
    gtkwin::DeviceContext,
    gtkwin::CreateFromTemplate,
    gtkwin::RunModal,
};
