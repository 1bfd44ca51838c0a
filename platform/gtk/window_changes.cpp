// What a change of a window means for its widget: shown, destroyed,
// focused, a new text or icon.
#include "gtk_internals.h"

namespace gtkwin {

Records& records() {
  static Records r;
  return r;
}

int FontPixels(int points) { return static_cast<int>(points * records().dpi / 72 + 0.5); }

HWND WindowOf(GtkWidget* widget) {
  for (; widget; widget = gtk_widget_get_parent(widget)) {
    if (auto* w = static_cast<HWND>(g_object_get_data(G_OBJECT(widget), "rgbhsv-hwnd"))) {
      return dialog_manager::IfLive(w);
    }
  }
  return nullptr;
}

}  // namespace gtkwin

namespace backend {

void ShowNative(HWND window, bool visible) { gtk_widget_set_visible(window->native->outer, visible); }

void DestroyNative(HWND window) { gtk_widget_destroy(window->native->outer); }

void FocusNative(HWND control) {
  if (control->kind != WindowKind::Dialog) gtk_widget_grab_focus(gtkwin::Widget(control));
}

void ShowText(HWND window) {
  GtkWidget* w = gtkwin::Widget(window);
  const char* text = window->text.c_str();
  if (GTK_IS_LABEL(w)) gtk_label_set_text(GTK_LABEL(w), text);
  if (GTK_IS_BUTTON(w)) gtk_button_set_label(GTK_BUTTON(w), text);
  if (GTK_IS_WINDOW(w)) gtk_window_set_title(GTK_WINDOW(w), text);
}

// The same picture for both sizes, as the dialog sets it: the window
// manager picks the image of the size it draws.
void ShowIcon(HWND dialog) {
  HICON icon = dialog->bigIcon ? dialog->bigIcon : dialog->smallIcon;
  if (icon) gtk_window_set_icon_list(GTK_WINDOW(gtkwin::Widget(dialog)), icon->native->pictures);
}

}  // namespace backend
