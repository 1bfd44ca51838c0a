// What only tests use of the web implementation: painting now, reading a
// canvas back, and the clipboard as SetClipboardData sets it.
#include "web_internals.h"

namespace {

// clang-format off
EM_JS(int, CanvasPixel, (HWND window, int x, int y), {
  const shown = RgbhsvPage.windows.get(window);
  if (!shown || !(shown.element instanceof HTMLCanvasElement)) return -1;
  const p = shown.element.getContext("2d").getImageData(x, y, 1, 1).data;
  return p[0] | p[1] << 8 | p[2] << 16;
});
// clang-format on

}  // namespace

namespace backend {

void SetClipboardText(const std::string& text) { web::Clipboard() = text; }

void PaintNow(HWND window) { dialog_manager::PaintInvalid(window); }

COLORREF ReadPixel(HWND window, int x, int y) {
  const int color = CanvasPixel(window, x, y);
  return color < 0 ? 0xFFFFFFFF : static_cast<COLORREF>(color);
}

}  // namespace backend
