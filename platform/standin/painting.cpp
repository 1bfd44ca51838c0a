// Painting in memory: what last filled a window's whole client area is
// kept as its color, which is what GetPixel reads back.
#include "standin_records.h"

namespace {

// The face color that dialogs and statics erase to.
constexpr COLORREF kFace = 0x00F0F0F0;

void PaintWhole(HWND window, COLORREF color) {
  window->native->painted = true;
  window->native->paintedColor = color;
}

}  // namespace

namespace backend {

void Invalidate(HWND) {}  // painted when the script's actions are done (PaintNow)

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  RECT client = {0, 0, 0, 0};
  GetClientRect(dc->window, &client);
  if (rect.left <= 0 && rect.top <= 0 && rect.right >= client.right && rect.bottom >= client.bottom) {
    PaintWhole(dc->window, color);
  }
}

void EraseBackground(HDC dc) { PaintWhole(dc->window, kFace); }

// Sends WM_PAINT to the window and its invalid children, if it is shown.
void PaintNow(HWND window) {
  if (!IsWindowVisible(window)) return;
  if (window->invalid) dialog_manager::Paint(window);
  for (HWND child : window->children) {
    if (child->invalid && IsWindowVisible(child)) dialog_manager::Paint(child);
  }
}

COLORREF ReadPixel(HWND window, int, int) {
  return window->native->painted ? window->native->paintedColor : 0xFFFFFFFF;
}

}  // namespace backend
