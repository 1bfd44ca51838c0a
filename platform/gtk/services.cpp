// The sound, the icons, the module, the clipboard and the color chooser,
// over GTK 3.
#include <cstring>

#include "gtk_state.h"

BOOL WINAPI MessageBeep(UINT) {
  gdk_display_beep(gdk_display_get_default());
  return TRUE;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
  static int self;  // any distinct address will do for "this executable"
  return moduleName ? nullptr : reinterpret_cast<HMODULE>(&self);
}

namespace gtkwin {

// Each image of an .ico file as a picture: GTK's icon loader takes only the
// largest, so every image is handed to it as an .ico of its own.
static GList* Pictures(const std::vector<uint8_t>& ico) {
  GList* pictures = nullptr;
  const size_t count = ico.size() >= 6 ? (ico[4] | ico[5] << 8) : 0;
  for (size_t i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
    const uint8_t* entry = &ico[6 + 16 * i];
    const uint32_t size = entry[8] | entry[9] << 8 | entry[10] << 16 | uint32_t(entry[11]) << 24;
    const uint32_t offset = entry[12] | entry[13] << 8 | entry[14] << 16 | uint32_t(entry[15]) << 24;
    if (offset + size > ico.size()) continue;
    std::vector<uint8_t> one = {0, 0, 1, 0, 1, 0};
    one.insert(one.end(), entry, entry + 12);
    const uint32_t at = 6 + 16;
    for (int b = 0; b < 4; ++b) one.push_back(static_cast<uint8_t>(at >> (8 * b)));
    one.insert(one.end(), ico.begin() + offset, ico.begin() + offset + size);
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("ico", nullptr);
    if (loader && gdk_pixbuf_loader_write(loader, one.data(), one.size(), nullptr) &&
        gdk_pixbuf_loader_close(loader, nullptr)) {
      if (GdkPixbuf* picture = gdk_pixbuf_loader_get_pixbuf(loader)) {
        pictures = g_list_append(pictures, g_object_ref(picture));
      }
    }
    if (loader) g_object_unref(loader);
  }
  return pictures;
}

}  // namespace gtkwin

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
  GList* pictures = gtkwin::Pictures(found->second);
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
  HWND owner = gtkwin::Live(record->hwndOwner);
  if (owner) gtk_window_set_transient_for(GTK_WINDOW(dialog), GTK_WINDOW(owner->widget));
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
