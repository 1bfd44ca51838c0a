// The color chooser: GTK's older GtkColorSelectionDialog, which shows the
// wheel, the numbers and a palette at once, as the Windows chooser fully
// opened shows its custom colors. The palette offers the record's custom
// colors; a color the user saves into it goes back into them.
#include "gtk_internals.h"

G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace {

COLORREF* openCustomColors = nullptr;

GdkColor ToGdk(COLORREF c) {
  GdkColor g = {};
  g.red = static_cast<guint16>((c & 0xFF) * 257);
  g.green = static_cast<guint16>(((c >> 8) & 0xFF) * 257);
  g.blue = static_cast<guint16>(((c >> 16) & 0xFF) * 257);
  return g;
}

void OfferPalette(GdkScreen* screen, const GdkColor* colors, int count) {
  gchar* text = gtk_color_selection_palette_to_string(colors, count);
  g_object_set(gtk_settings_get_for_screen(screen), "gtk-color-palette", text, nullptr);
  g_free(text);
}

void OnPaletteChanged(GdkScreen* screen, const GdkColor* colors, gint count) {
  for (gint i = 0; i < count && i < 16 && openCustomColors; ++i) {
    openCustomColors[i] = RGB(colors[i].red >> 8, colors[i].green >> 8, colors[i].blue >> 8);
  }
  OfferPalette(screen, colors, count);
}

}  // namespace

namespace backend {

BOOL ChooseColor(CHOOSECOLORA& record) {
  GtkWidget* dialog = gtk_color_selection_dialog_new("Color");
  GtkColorSelection* selection = GTK_COLOR_SELECTION(
      gtk_color_selection_dialog_get_color_selection(GTK_COLOR_SELECTION_DIALOG(dialog)));
  GdkColor custom[16];
  for (int i = 0; i < 16; ++i) custom[i] = ToGdk(record.lpCustColors[i]);
  OfferPalette(gtk_widget_get_screen(dialog), custom, 16);
  gtk_color_selection_set_has_palette(selection, TRUE);
  gtk_color_selection_set_has_opacity_control(selection, FALSE);
  if (record.Flags & CC_RGBINIT) {
    const GdkColor initial = ToGdk(record.rgbResult);
    gtk_color_selection_set_current_color(selection, &initial);
    gtk_color_selection_set_previous_color(selection, &initial);
  }
  openCustomColors = record.lpCustColors;
  const GtkColorSelectionChangePaletteWithScreenFunc previous =
      gtk_color_selection_set_change_palette_with_screen_hook(OnPaletteChanged);
  HWND owner = dialog_manager::IfLive(record.hwndOwner);
  if (owner) gtk_window_set_transient_for(GTK_WINDOW(dialog), GTK_WINDOW(gtkwin::Widget(owner)));
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
  if (accepted) {
    GdkColor chosen;
    gtk_color_selection_get_current_color(selection, &chosen);
    record.rgbResult = RGB(chosen.red >> 8, chosen.green >> 8, chosen.blue >> 8);
  }
  gtk_color_selection_set_change_palette_with_screen_hook(previous);
  openCustomColors = nullptr;
  gtk_widget_destroy(dialog);
  return accepted ? TRUE : FALSE;
}

}  // namespace backend

G_GNUC_END_IGNORE_DEPRECATIONS
