// Dialogs as GtkWindows: the font's dialog base units, and the window and
// its controls' widgets placed where the dialog manager laid them out.
#include "gtk_internals.h"

namespace {

// Windows' dialog base units for a font: half the rounded-up average width
// of "A".."Z" "a".."z", and the font's height, at the display's resolution.
backend::BaseUnits Measure(const std::string& family, int points) {
  // The screen's context, with the font options GTK gives its widgets:
  // the font is then loaded once, for this and for the controls alike.
  PangoContext* context = gdk_pango_context_get_for_screen(gdk_screen_get_default());
  pango_cairo_context_set_resolution(context, gtkwin::records().dpi);
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, family.c_str());
  pango_font_description_set_absolute_size(font, gtkwin::FontPixels(points) * PANGO_SCALE);
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

// The user's input, in its place after what came before it.
void PostFor(HWND control, dialog_manager::InputKind kind) {
  HWND window = dialog_manager::IfLive(control);
  if (!window) return;
  dialog_manager::Input input;
  input.kind = kind;
  input.window = window;
  dialog_manager::Post(window->parent ? window->parent : window, input);
}

void OnClicked(GtkButton*, gpointer button) { PostFor(static_cast<HWND>(button), dialog_manager::InputKind::Clicked); }

// The close box asks, as WM_CLOSE; the dialog decides.
gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer dialog) {
  PostFor(static_cast<HWND>(dialog), dialog_manager::InputKind::Closed);
  return TRUE;
}

// A close box and nothing else in the frame, where the window manager
// honours Motif hints: the dialog cannot be minimized, maximized or resized.
void OnRealize(GtkWidget* window, gpointer) {
  GdkWindow* frame = gtk_widget_get_window(window);
  gdk_window_set_functions(frame, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
  gdk_window_set_decorations(frame, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
}

// The user moved the focus with the mouse: the dialog manager's focus
// follows GTK's.
void OnSetFocus(GtkWindow*, GtkWidget* widget, gpointer) {
  HWND w = gtkwin::WindowOf(widget);
  if (w && w != GetFocus()) PostFor(w, dialog_manager::InputKind::Pressed);
}

GtkWidget* NewControl(HWND control) {
  switch (control->kind) {
    case WindowKind::Button: {
      GtkWidget* button = gtk_button_new_with_label(control->text.c_str());
      gtk_widget_set_focus_on_click(button, TRUE);
      g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), control);
      return button;
    }
    case WindowKind::Edit: return gtkwin::NewEdit(control);
    default: return gtkwin::NewStatic(control);
  }
}

NativeWindow& Attach(HWND window) {
  gtkwin::records().natives.push_back(std::make_unique<NativeWindow>());
  window->native = gtkwin::records().natives.back().get();
  return *window->native;
}

}  // namespace

namespace backend {

BaseUnits DialogBaseUnits(const res::DialogTemplate& dialog) {
  return Measure(gtkwin::records().font, dialog.pointSize ? dialog.pointSize : 8);
}

void MakeNativeWindows(HWND dialog) {
  NativeWindow& d = Attach(dialog);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  d.widget = d.outer = window;
  g_object_set_data(G_OBJECT(window), "rgbhsv-hwnd", dialog);
  gtk_widget_set_name(window, "rgbhsv-dialog");
  gtk_window_set_title(GTK_WINDOW(window), dialog->text.c_str());
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
  if (dialog->style & DS_CENTER) gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
  g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), dialog);
  g_signal_connect_after(window, "realize", G_CALLBACK(OnRealize), nullptr);
  g_signal_connect(window, "key-press-event", G_CALLBACK(gtkwin::OnKeyPress), dialog);
  g_signal_connect(window, "key-release-event", G_CALLBACK(gtkwin::OnKeyRelease), dialog);
  g_signal_connect(window, "set-focus", G_CALLBACK(OnSetFocus), nullptr);
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, dialog->frame.right, dialog->frame.bottom);
  gtk_container_add(GTK_CONTAINER(window), fixed);

  for (HWND control : dialog->children) {
    NativeWindow& n = Attach(control);
    GtkWidget* widget = NewControl(control);
    n.widget = widget;
    if (!n.outer) n.outer = widget;
    g_object_set_data(G_OBJECT(widget), "rgbhsv-hwnd", control);
    const RECT& f = control->frame;
    gtk_widget_set_size_request(n.outer, f.right - f.left, f.bottom - f.top);
    gtk_widget_set_can_focus(widget, dialog_manager::IsTabStop(control));
    if (control->style & WS_DISABLED) gtk_widget_set_sensitive(widget, FALSE);
    gtk_fixed_put(GTK_FIXED(fixed), n.outer, f.left, f.top);
    if (control->visible) gtk_widget_show_all(n.outer);
  }
  gtk_widget_show(fixed);
  // Each field is read out by its own name, and is labelled by its
  // group's text.
  for (HWND control : dialog->children) {
    HWND label = dialog_manager::LabelOf(control);
    if (control->kind != WindowKind::Edit || !label) continue;
    AtkObject* field = gtk_widget_get_accessible(gtkwin::Widget(control));
    atk_object_set_name(field, dialog_manager::AccessibleName(control).c_str());
    AtkObject* text = gtk_widget_get_accessible(gtkwin::Widget(label));
    atk_object_add_relationship(field, ATK_RELATION_LABELLED_BY, text);
    atk_object_add_relationship(text, ATK_RELATION_LABEL_FOR, field);
  }
}

}  // namespace backend
