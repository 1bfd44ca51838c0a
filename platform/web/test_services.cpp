// What only tests use of the web implementation: painting now, reading a
// canvas back, and the clipboard as GetClipboardData reads it.
#include "web_internals.h"

namespace backend {

std::string ClipboardText() { return web::Clipboard(); }

void PaintNow(HWND window) { dialog_manager::PaintInvalid(window); }

COLORREF ReadPixel(HWND window, int x, int y) {
  const int color = rgbhsv_canvas_pixel(window, x, y);
  return color < 0 ? 0xFFFFFFFF : static_cast<COLORREF>(color);
}

}  // namespace backend
