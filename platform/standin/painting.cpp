// Painting in memory: what last filled a window's whole client area is
// kept as its color, which is what GetPixel reads back.
#include "standin_records.h"

namespace {

void PaintWhole(HWND window, COLORREF color) {
  window->native->painted = true;
  window->native->paintedColor = color;
}

}  // namespace

namespace backend {

// Painted when the script's action is done (standin::Idle), as a
// platform's main loop paints what it was asked to once it is idle.
void Invalidate(HWND window) { standin::records().paintsAsked.push_back(window); }

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  ++standin::records().fills;
  RECT client = {0, 0, 0, 0};
  GetClientRect(dc->window, &client);
  if (rect.left <= 0 && rect.top <= 0 && rect.right >= client.right && rect.bottom >= client.bottom) {
    PaintWhole(dc->window, color);
  }
}

void EraseBackground(HDC dc) { PaintWhole(dc->window, dialog_manager::kFaceColor); }

void PaintNow(HWND window) { dialog_manager::PaintInvalid(window); }

COLORREF ReadPixel(HWND window, int, int) {
  for (HWND w = window; w; w = w->parent) {
    if (!w->native->shown) return 0xFFFFFFFF;
  }
  return window->native->painted ? window->native->paintedColor : 0xFFFFFFFF;
}

}  // namespace backend

namespace standin {

void Idle() {
  WakeWhereDue();
  std::vector<HWND> asked;
  asked.swap(records().paintsAsked);
  for (HWND window : asked) {
    if (dialog_manager::IfLive(window)) dialog_manager::PaintInvalid(window);
  }
}

}  // namespace standin
