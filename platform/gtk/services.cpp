// The sound, the icons, the module, the clipboard and the color chooser,
// over GTK 3.
#include <cstring>

#include "gtk_state.h"
#include "icons.h"

BOOL WINAPI MessageBeep(UINT) {
  gdk_display_beep(gdk_display_get_default());
  return TRUE;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
  static int self;  // any distinct address will do for "this executable"
  return moduleName ? nullptr : reinterpret_cast<HMODULE>(&self);
}

// A shared icon: every load of the same group gives the same handle, kept
// for the life of the process.
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  const auto id = static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
  if (instance != GetModuleHandleA(nullptr) || reinterpret_cast<ULONG_PTR>(name) > 0xFFFF) return nullptr;
  gtkwin::State& s = gtkwin::state();
  for (const auto& icon : s.icons) {
    if (icon->resource == id) return icon.get();
  }
  const auto found = s.resources.icons.find(id);
  if (found == s.resources.icons.end()) return nullptr;
  GList* pictures = gtkwin::IconPictures(found->second);
  if (!pictures) return nullptr;
  s.icons.push_back(std::make_unique<HICON__>(HICON__{id, pictures}));
  return s.icons.back().get();
}

// The clipboard, for text: GTK's CLIPBOARD selection.
static bool clipboardOpen = false;

BOOL WINAPI OpenClipboard(HWND) {
  if (clipboardOpen) return FALSE;
  clipboardOpen = true;
  return TRUE;
}

BOOL WINAPI EmptyClipboard() {
  if (!clipboardOpen) return FALSE;
  gtk_clipboard_clear(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
  return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
  const char* text = static_cast<const char*>(GlobalLock(data));
  if (!clipboardOpen || format != CF_TEXT || text == nullptr) return nullptr;
  gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), text, -1);
  return data;
}

BOOL WINAPI CloseClipboard() {
  const bool wasOpen = clipboardOpen;
  clipboardOpen = false;
  return wasOpen;
}

// The color chooser: GTK's older GtkColorSelectionDialog, which shows the
// wheel, the numbers and a palette at once, as the Windows chooser fully
// opened shows its custom colors. The palette offers the record's custom
// colors; a color the user saves into it goes back into them.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace gtkwin {

static COLORREF* openCustomColors = nullptr;

static GdkColor ToGdk(COLORREF c) {
  GdkColor g = {};
  g.red = static_cast<guint16>((c & 0xFF) * 257);
  g.green = static_cast<guint16>(((c >> 8) & 0xFF) * 257);
  g.blue = static_cast<guint16>(((c >> 16) & 0xFF) * 257);
  return g;
}

static void OfferPalette(GdkScreen* screen, const GdkColor* colors, int count) {
  gchar* text = gtk_color_selection_palette_to_string(colors, count);
  g_object_set(gtk_settings_get_for_screen(screen), "gtk-color-palette", text, nullptr);
  g_free(text);
}

static void OnPaletteChanged(GdkScreen* screen, const GdkColor* colors, gint count) {
  for (gint i = 0; i < count && i < 16 && openCustomColors; ++i) {
    openCustomColors[i] = RGB(colors[i].red >> 8, colors[i].green >> 8, colors[i].blue >> 8);
  }
  OfferPalette(screen, colors, count);
}

}  // namespace gtkwin

BOOL WINAPI ChooseColorA(LPCHOOSECOLORA record) {
  if (record == nullptr || record->lStructSize != sizeof(CHOOSECOLORA) ||
      record->lpCustColors == nullptr) {
    return FALSE;  // the Windows chooser fails on these too
  }
  GtkWidget* dialog = gtk_color_selection_dialog_new("Color");
  GtkColorSelection* selection = GTK_COLOR_SELECTION(
      gtk_color_selection_dialog_get_color_selection(GTK_COLOR_SELECTION_DIALOG(dialog)));
  GdkColor custom[16];
  for (int i = 0; i < 16; ++i) custom[i] = gtkwin::ToGdk(record->lpCustColors[i]);
  gtkwin::OfferPalette(gtk_widget_get_screen(dialog), custom, 16);
  gtk_color_selection_set_has_palette(selection, TRUE);
  gtk_color_selection_set_has_opacity_control(selection, FALSE);
  if (record->Flags & CC_RGBINIT) {
    const GdkColor initial = gtkwin::ToGdk(record->rgbResult);
    gtk_color_selection_set_current_color(selection, &initial);
    gtk_color_selection_set_previous_color(selection, &initial);
  }
  gtkwin::openCustomColors = record->lpCustColors;
  const GtkColorSelectionChangePaletteWithScreenFunc previous =
      gtk_color_selection_set_change_palette_with_screen_hook(gtkwin::OnPaletteChanged);
  HWND owner = windows::Live(record->hwndOwner);
  if (owner) gtk_window_set_transient_for(GTK_WINDOW(dialog), GTK_WINDOW(gtkwin::Widget(owner)));
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
  if (accepted) {
    GdkColor chosen;
    gtk_color_selection_get_current_color(selection, &chosen);
    record->rgbResult = RGB(chosen.red >> 8, chosen.green >> 8, chosen.blue >> 8);
  }
  gtk_color_selection_set_change_palette_with_screen_hook(previous);
  gtkwin::openCustomColors = nullptr;
  gtk_widget_destroy(dialog);
  return accepted ? TRUE : FALSE;
}

G_GNUC_END_IGNORE_DEPRECATIONS
