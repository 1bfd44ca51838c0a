#include "icons.h"

namespace gtkwin {

// GTK's icon loader takes only the largest image of an .ico file, so every
// image is handed to it as an .ico of its own.
GList* IconPictures(const std::vector<uint8_t>& ico) {
  GList* pictures = nullptr;
  const size_t count = ico.size() >= 6 ? (ico[4] | ico[5] << 8) : 0;
  for (size_t i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
    const uint8_t* entry = &ico[6 + 16 * i];
    const uint32_t size = entry[8] | entry[9] << 8 | entry[10] << 16 | uint32_t(entry[11]) << 24;
    const uint32_t offset = entry[12] | entry[13] << 8 | entry[14] << 16 | uint32_t(entry[15]) << 24;
    if (size_t(offset) + size > ico.size()) continue;
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
