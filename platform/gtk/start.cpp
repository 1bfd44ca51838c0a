// Starting the GTK implementation: the display, GTK's settings for this
// program, the resources, and the dialog font's style.
#include <cstdio>

#include <fontconfig/fontconfig.h>

#include "gtk_internals.h"
#include "win32_gtk.h"

namespace {

// Asked of fontconfig for the one family: listing every family, as Pango
// would, costs a start more than the rest of the font's setting up.
bool Installed(const char* family) {
  FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, static_cast<char*>(nullptr));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
  FcFontSet* fonts = pattern && objects ? FcFontList(nullptr, pattern, objects) : nullptr;
  const bool found = fonts && fonts->nfont > 0;
  if (fonts) FcFontSetDestroy(fonts);
  if (objects) FcObjectSetDestroy(objects);
  if (pattern) FcPatternDestroy(pattern);
  return found;
}

// The templates' font where it is installed; otherwise Liberation Sans,
// which has MS Sans Serif's dialog base units at 8 points (6 by 13 pixels
// at 96 dpi), so that the dialog has the Windows program's size.
std::string DialogFont(const std::string& wanted) {
  for (const char* family : {wanted.c_str(), "Liberation Sans"}) {
    if (*family && Installed(family)) return family;
  }
  return "Sans";
}

// Controls as small as Windows draws them: GTK's theme would otherwise give
// fields and buttons more height than the template has room for.
void Style(const std::string& font, int pixels) {
  gchar* css = g_strdup_printf(
      "#rgbhsv-dialog, #rgbhsv-dialog * { font-family: \"%s\"; font-size: %dpx; }\n"
      "#rgbhsv-dialog entry { min-height: 0; padding: 0 2px; border-radius: 0; }\n"
      "#rgbhsv-dialog button { min-height: 0; min-width: 0; padding: 0; border-radius: 0; }\n"
      "#rgbhsv-dialog label { padding: 0; }\n"
      "#rgbhsv-border > border { border: 1px solid #000000; border-radius: 0; }\n",
      font.c_str(), pixels);
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, css, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
  g_free(css);
}

}  // namespace

bool StartGtk(int* argc, char*** argv, const uint8_t* resources, size_t resourcesSize) {
  // GTK's settings in memory, for this process only: its color choosers
  // would otherwise keep custom colors in the user's settings (dconf), and
  // this program keeps nothing between runs.
  g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
  // One name for the program wherever the desktop matches a window to its
  // entry: the desktop entry's and the icon's name, the window's class on
  // X11, its application ID on Wayland.
  g_set_prgname(RGBHSV_APP_ID);
  // X11 where there is an X display, also on a Wayland desktop (through
  // XWayland), where a window can center itself; GTK's Wayland backend
  // where there is only a Wayland display.
  gdk_set_allowed_backends("x11,wayland");
  if (!gtk_init_check(argc, argv)) {
    std::fprintf(stderr, "rgbhsv: needs a graphical display (X11 or Wayland), and none could be opened\n");
    return false;
  }
  gdk_set_program_class(RGBHSV_APP_ID);  // after GTK's start, which sets its own
  // Windows leaves a field's selection alone when the field gets the focus;
  // Tab selects the whole text itself.
  // GTK's own error bell (a cursor moved past the end, say) is not the
  // program's warning beep, which is the only sound it makes.
  g_object_set(gtk_settings_get_default(), "gtk-entry-select-on-focus", FALSE, "gtk-error-bell",
               FALSE, nullptr);
  if (!dialog_manager::UseResources(resources, resourcesSize)) {
    std::fprintf(stderr, "rgbhsv: the program's resources are damaged\n");
    return false;
  }
  const res::ProgramResources& program = dialog_manager::Resources();
  std::string wanted;
  int points = 8;
  if (!program.dialogs.empty()) {
    wanted = program.dialogs.begin()->second.font;
    points = program.dialogs.begin()->second.pointSize;
  }
  // The user's text size: the resolution that Xft.dpi (large text,
  // fractional scaling) and GDK_DPI_SCALE give fonts. GDK_SCALE's whole
  // scale is GDK's own, in every pixel.
  const double dpi = gdk_screen_get_resolution(gdk_screen_get_default());
  gtkwin::records().dpi = dpi > 0 ? dpi : 96;
  gtkwin::records().font = DialogFont(wanted);
  Style(gtkwin::records().font, gtkwin::FontPixels(points));
  return true;
}

// GTK's own main loop does this when it ends; the modal loop is not GTK's.
void EndGtk() { gtk_clipboard_store(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD)); }
