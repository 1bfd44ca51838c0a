// Repaint requests, painting and brushes. Paints are delivered when the
// driver's action is done, as a message loop delivers WM_PAINT once idle;
// what a window paints is kept as the color that filled its client area.
#include "state.h"

namespace standin {

// The face color that dialogs and statics erase to.
constexpr COLORREF kFace = 0x00F0F0F0;

static void PaintWhole(HWND window, COLORREF color) {
  window->painted = true;
  window->paintedColor = color;
}

LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      PaintWhole(window, kFace);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      if ((window->style & 0x1F) == SS_BLACKRECT) PaintWhole(window, 0x00000000);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefaultProc(window, message, wParam, lParam);
  }
}

void DeliverPaints() {
  for (size_t i = 0; i < state().windows.size(); ++i) {
    HWND window = state().windows[i].get();
    if (window->destroyed || !window->invalid) continue;
    if (window->erase) {
      window->erase = false;
      SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&window->dc), 0);
    }
    SendMessageA(window, WM_PAINT, 0, 0);
    window->invalid = false;  // a procedure that skipped BeginPaint is not asked again
  }
}

static HBRUSH__* FindBrush(const void* handle) {
  for (const auto& b : state().brushes) {
    if (b.get() == handle) return b.get();
  }
  return nullptr;
}

}  // namespace standin

using standin::Live;

BOOL WINAPI InvalidateRect(HWND window, const RECT*, BOOL erase) {
  if (!Live(window)) return FALSE;
  window->invalid = true;
  window->erase = window->erase || erase;
  ++window->invalidations;
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
  if (!Live(window) || rect == nullptr) return FALSE;
  // MS Sans Serif 8 at 96 dpi: a dialog unit is 6/4 by 13/8 pixels. A border
  // takes one pixel on each side.
  const LONG border = (window->style & WS_BORDER) ? 2 : 0;
  *rect = {0, 0, window->cx * 6 / 4 - border, window->cy * 13 / 8 - border};
  return TRUE;
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  if (!Live(window) || paint == nullptr) return nullptr;
  window->invalid = false;
  paint->hdc = &window->dc;
  paint->fErase = FALSE;  // erasing was done before WM_PAINT
  GetClientRect(window, &paint->rcPaint);
  return paint->hdc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT*) {
  if (!Live(window)) return FALSE;
  ++window->paints;
  return TRUE;
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
