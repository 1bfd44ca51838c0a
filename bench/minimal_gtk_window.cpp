// The yardstick for the native timings: the least GTK 3 program that shows a
// window of the converter's size with one field where the converter's red
// field is. Built and run like the native program, it is what the native
// figures are measured against.
#include <gtk/gtk.h>

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window), "Baseline");
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, 320, 127);
  GtkWidget* entry = gtk_entry_new();
  gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
  gtk_entry_set_text(GTK_ENTRY(entry), "255");
  gtk_widget_set_size_request(entry, 47, 23);
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css, "entry { min-height: 0; padding: 0 2px; }", -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  gtk_fixed_put(GTK_FIXED(fixed), entry, 83, 23);
  gtk_container_add(GTK_CONTAINER(window), fixed);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
