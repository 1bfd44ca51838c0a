// Painting on a static's canvas: a paint is asked for at the next frame,
// and WM_PAINT's device context draws on the canvas.
#include "web_internals.h"

namespace {

void FillColor(HWND window, const RECT& r, COLORREF c) {
  rgbhsv_fill_canvas(window, r.left, r.top, r.right - r.left, r.bottom - r.top, c & 0xFF, (c >> 8) & 0xFF,
                     (c >> 16) & 0xFF);
}

}  // namespace

namespace backend {

void Invalidate(HWND window) { rgbhsv_paint_at_next_frame(window); }

void Fill(HDC dc, const RECT& rect, COLORREF color) { FillColor(dc->window, rect, color); }

// The dialog's face, which the page's style gives its dialogs too.
void EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(dc->window, &client);
  FillColor(dc->window, client, dialog_manager::kFaceColor);
}

}  // namespace backend
