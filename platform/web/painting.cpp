// Painting on a static's canvas: a paint is asked for at the next frame,
// and WM_PAINT's device context draws on the canvas.
#include "web_internals.h"

namespace {

// clang-format off
EM_JS(void, PaintAtNextFrame, (HWND window), {
  const page = RgbhsvPage;
  const shown = page.windows.get(window);
  if (!shown || !(shown.element instanceof HTMLCanvasElement)) return;
  if (page.paints.size === 0) {
    requestAnimationFrame(() => {
      for (const w of page.paints) page.post({kind: 11, window: w});
      page.paints.clear();
    });
  }
  page.paints.add(window);
});

EM_JS(void, FillCanvas, (HWND window, int x, int y, int width, int height, int red, int green, int blue), {
  const shown = RgbhsvPage.windows.get(window);
  if (!shown || !(shown.element instanceof HTMLCanvasElement)) return;
  const context = shown.element.getContext("2d");
  context.fillStyle = "rgb(" + red + "," + green + "," + blue + ")";
  context.fillRect(x, y, width, height);
});
// clang-format on

void FillColor(HWND window, const RECT& r, COLORREF c) {
  FillCanvas(window, r.left, r.top, r.right - r.left, r.bottom - r.top, c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace

namespace backend {

void Invalidate(HWND window) { PaintAtNextFrame(window); }

void Fill(HDC dc, const RECT& rect, COLORREF color) { FillColor(dc->window, rect, color); }

// The dialog's face, which the page's style gives its dialogs too.
void EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(dc->window, &client);
  FillColor(dc->window, client, dialog_manager::kFaceColor);
}

}  // namespace backend
