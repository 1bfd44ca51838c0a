// Repaint requests, painting and brushes. What a window paints is kept as
// the color that last filled its whole client area; that is what GetPixel
// reads back.
#include "state.h"

namespace standin {

using windows::Live;

// The face color that dialogs and statics erase to.
constexpr COLORREF kFace = 0x00F0F0F0;

static void PaintWhole(HWND window, COLORREF color) {
  Native(window).painted = true;
  Native(window).paintedColor = color;
}

}  // namespace standin

// Statics: a black rectangle paints black; all erase to the face color.
LRESULT CALLBACK windows::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      standin::PaintWhole(window, standin::kFace);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      if ((window->style & 0x1F) == SS_BLACKRECT) standin::PaintWhole(window, 0x00000000);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefaultProc(window, message, wParam, lParam);
  }
}

namespace standin {

void PaintInvalid(HWND window, bool children) {
  if (!IsWindowVisible(window)) return;
  if (window->invalid) {
    SendMessageA(window, WM_PAINT, 0, 0);
    window->invalid = false;  // a procedure that skipped BeginPaint is not asked again
  }
  if (!children) return;
  for (HWND child : window->children) PaintInvalid(child, false);
}

static HBRUSH__* FindBrush(const void* handle) {
  for (const auto& b : state().brushes) {
    if (b.get() == handle) return b.get();
  }
  return nullptr;
}

BrushCounts Brushes() {
  return {static_cast<int>(state().brushes.size()), state().brushesDeleted, state().brushErrors};
}

}  // namespace standin

using windows::Live;
using standin::Native;

BOOL WINAPI InvalidateRect(HWND window, const RECT*, BOOL erase) {
  if (!Live(window)) return FALSE;
  window->invalid = true;
  window->erase = window->erase || erase;
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND window) {
  if (!Live(window)) return FALSE;
  standin::PaintInvalid(window, true);
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
  if (!Live(window) || rect == nullptr) return FALSE;
  // MS Sans Serif 8 at 96 dpi: a dialog unit is 6/4 by 13/8 pixels. A border
  // takes one pixel on each side.
  const LONG border = (window->style & WS_BORDER) ? 2 : 0;
  *rect = {0, 0, Native(window).cx * 6 / 4 - border, Native(window).cy * 13 / 8 - border};
  return TRUE;
}

HDC WINAPI GetDC(HWND window) { return Live(window) ? &Native(window).dc : nullptr; }

int WINAPI ReleaseDC(HWND window, HDC) { return Live(window) ? 1 : 0; }

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
  RECT client = {0, 0, 0, 0};
  if (dc == nullptr || !GetClientRect(dc->window, &client) || !Native(dc->window).painted) return 0xFFFFFFFF;
  if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) return 0xFFFFFFFF;
  return Native(dc->window).paintedColor;
}

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  HBRUSH__* b = standin::FindBrush(brush);
  if (dc == nullptr || rect == nullptr || b == nullptr || b->deleted) {
    ++standin::state().brushErrors;
    return 0;
  }
  RECT client = {0, 0, 0, 0};
  GetClientRect(dc->window, &client);
  if (rect->left <= 0 && rect->top <= 0 && rect->right >= client.right &&
      rect->bottom >= client.bottom) {
    standin::PaintWhole(dc->window, b->color);
  }
  return 1;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  standin::state().brushes.push_back(std::make_unique<HBRUSH__>(HBRUSH__{color & 0x00FFFFFF}));
  return standin::state().brushes.back().get();
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  HBRUSH__* b = standin::FindBrush(object);
  if (b == nullptr || b->deleted) {
    ++standin::state().brushErrors;
    return FALSE;
  }
  b->deleted = true;
  ++standin::state().brushesDeleted;
  return TRUE;
}
