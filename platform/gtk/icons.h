// The program's icon images as pictures, for the window manager (the
// window's icon) and for the desktop (the installed theme icons).
#ifndef RGBHSV_PLATFORM_GTK_ICONS_H
#define RGBHSV_PLATFORM_GTK_ICONS_H

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdint>
#include <vector>

namespace gtkwin {

// Every image of an .ico file, in its order, each a GdkPixbuf of ours.
GList* IconPictures(const std::vector<uint8_t>& ico);

}  // namespace gtkwin

#endif
