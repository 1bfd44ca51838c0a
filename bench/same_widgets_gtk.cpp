// The floor for the native timings: the converter's eleven controls made
// directly in GTK 3, where and as large as the program makes them at 96 dpi
// (its template's dialog units at base units of 6 by 13 pixels), styled as
// it styles them, and on each change of a field the edited field's text
// written into the three fields of the other group, without converting.
// What the program costs beyond it is its own: the Win32 layer over GTK and
// the conversion.
#include <gtk/gtk.h>

namespace {

enum class Kind { Button, Swatch, Field, Label };

struct Control {
  Kind kind;
  const char* text;
  int x, y, width, height;  // dialog units
  bool disabled;
};

// The template's controls, in its order.
constexpr Control kControls[] = {
    {Kind::Button, "Select...", 160, 14, 50, 14, false},
    {Kind::Swatch, "", 3, 3, 45, 57, false},
    {Kind::Field, "255", 55, 14, 31, 14, false},
    {Kind::Field, "255", 87, 14, 31, 14, false},
    {Kind::Field, "255", 119, 14, 31, 14, false},
    {Kind::Label, "Open source, free to use and share", 3, 66, 150, 8, true},
    {Kind::Field, "0", 55, 47, 31, 14, false},
    {Kind::Field, "0", 87, 47, 31, 14, false},
    {Kind::Field, "255", 119, 47, 31, 14, false},
    {Kind::Label, "RGB color:", 55, 3, 61, 8, false},
    {Kind::Label, "HSV color:", 55, 34, 61, 8, false},
};

int Across(int units) { return (units * 6 + 2) / 4; }  // MulDiv(units, 6, 4), rounded
int Down(int units) { return (units * 13 + 4) / 8; }   // MulDiv(units, 13, 8), rounded

GtkWidget* fields[6];
bool writing = false;  // the floor's own writes change the fields too

void OnChanged(GtkEditable* edited, gpointer) {
  if (writing) return;
  int at = 0;
  while (fields[at] != GTK_WIDGET(edited)) ++at;
  const int other = at < 3 ? 3 : 0;
  writing = true;
  for (int i = 0; i < 3; ++i) gtk_entry_set_text(GTK_ENTRY(fields[other + i]), gtk_entry_get_text(GTK_ENTRY(edited)));
  writing = false;
}

gboolean OnDraw(GtkWidget*, cairo_t* cairo, gpointer) {
  cairo_set_source_rgb(cairo, 1, 1, 1);
  cairo_paint(cairo);
  return TRUE;
}

GtkWidget* Make(const Control& c, int* field) {
  switch (c.kind) {
    case Kind::Button: return gtk_button_new_with_label(c.text);
    case Kind::Swatch: {
      GtkWidget* frame = gtk_frame_new(nullptr);
      gtk_widget_set_name(frame, "rgbhsv-border");
      gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
      GtkWidget* area = gtk_drawing_area_new();
      g_signal_connect(area, "draw", G_CALLBACK(OnDraw), nullptr);
      gtk_container_add(GTK_CONTAINER(frame), area);
      return frame;
    }
    case Kind::Field: {
      GtkWidget* entry = gtk_entry_new();
      gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
      gtk_entry_set_max_length(GTK_ENTRY(entry), 3);
      gtk_entry_set_text(GTK_ENTRY(entry), c.text);
      g_signal_connect(entry, "changed", G_CALLBACK(OnChanged), nullptr);
      fields[(*field)++] = entry;
      return entry;
    }
    case Kind::Label: {
      GtkWidget* label = gtk_label_new(c.text);
      gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
      gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
      gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
      return label;
    }
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css,
                                  "#rgbhsv-dialog, #rgbhsv-dialog * { font-family: \"Liberation Sans\"; font-size: 11px; }\n"
                                  "#rgbhsv-dialog entry { min-height: 0; padding: 0 2px; border-radius: 0; }\n"
                                  "#rgbhsv-dialog button { min-height: 0; min-width: 0; padding: 0; border-radius: 0; }\n"
                                  "#rgbhsv-dialog label { padding: 0; }\n"
                                  "#rgbhsv-border > border { border: 1px solid #000000; border-radius: 0; }\n",
                                  -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_widget_set_name(window, "rgbhsv-dialog");
  gtk_window_set_title(GTK_WINDOW(window), "Floor");
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
  gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, Across(213), Down(78));
  int field = 0;
  for (const Control& c : kControls) {
    GtkWidget* widget = Make(c, &field);
    gtk_widget_set_size_request(widget, Across(c.width), Down(c.height));
    if (c.disabled) gtk_widget_set_sensitive(widget, FALSE);
    gtk_fixed_put(GTK_FIXED(fixed), widget, Across(c.x), Down(c.y));
  }
  gtk_container_add(GTK_CONTAINER(window), fixed);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
