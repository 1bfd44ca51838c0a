// The warning sound, and the icons as the window manager's pictures.
#include "gtk_internals.h"
#include "icons.h"

namespace backend {

void Beep(UINT) { gdk_display_beep(gdk_display_get_default()); }

// Kept for the life of the process, as Windows keeps a shared icon.
NativeIcon* LoadNativeIcon(const std::vector<uint8_t>& ico) {
  GList* pictures = gtkwin::IconPictures(ico);
  if (!pictures) return nullptr;
  gtkwin::records().icons.push_back(std::make_unique<NativeIcon>(NativeIcon{pictures}));
  return gtkwin::records().icons.back().get();
}

}  // namespace backend
