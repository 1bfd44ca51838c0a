// Repaint requests, painting, brushes. The implementation paints when it
// can (backend::Invalidate); a paint erases first where the request asked.
#include "dialog_manager_records.h"

namespace dialog_manager {

void Paint(HWND window) {
  if (!IfLive(window)) return;
  SendMessageA(window, WM_PAINT, 0, 0);
  window->invalid = false;  // a procedure that skipped BeginPaint is not asked again
}

void PaintInvalid(HWND window) {
  if (!IsWindowVisible(window)) return;
  if (window->invalid) Paint(window);
  for (HWND child : window->children) {
    if (child->invalid && IsWindowVisible(child)) Paint(child);
  }
}

}  // namespace dialog_manager

using dialog_manager::IfLive;
using dialog_manager::records;

BOOL WINAPI InvalidateRect(HWND window, const RECT*, BOOL erase) {
  if (!IfLive(window)) return FALSE;
  window->invalid = true;
  window->erase = window->erase || erase;
  backend::Invalidate(window);
  return TRUE;
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  if (!IfLive(window) || paint == nullptr) return nullptr;
  window->invalid = false;
  paint->hdc = &window->dc;
  paint->fErase = FALSE;
  if (window->erase) {
    window->erase = false;
    paint->fErase = SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0;
  }
  GetClientRect(window, &paint->rcPaint);
  return paint->hdc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT*) { return IfLive(window) ? TRUE : FALSE; }

// A control's border is one pixel on each side, outside its client area.
BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
  if (!IfLive(window) || rect == nullptr) return FALSE;
  const RECT& f = window->frame;
  const LONG border = window->kind != WindowKind::Dialog && (window->style & WS_BORDER) ? 2 : 0;
  *rect = {0, 0, f.right - f.left - border, f.bottom - f.top - border};
  return TRUE;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  HBRUSH brush = new HBRUSH__{color & 0x00FFFFFF};
  records().brushes.insert(brush);
  return brush;
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  HBRUSH brush = static_cast<HBRUSH>(object);
  if (records().brushes.erase(brush) == 0) return FALSE;
  delete brush;
  return TRUE;
}

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  if (dc == nullptr || !IfLive(dc->window) || rect == nullptr || records().brushes.count(brush) == 0) return 0;
  backend::Fill(dc, *rect, brush->color);
  return 1;
}
