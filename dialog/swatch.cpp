// The swatch: the static control at the left, subclassed to paint its client
// area in the color of the RGB fields. Its frame stays the control's own.
#include "dialog.h"
#include "publish.h"

WNDPROC previousSwatchProc = nullptr;

void SubclassSwatch(HWND dialog) {
  previousSwatchProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      GetDlgItem(dialog, IDC_SWATCH), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SwatchWndProc)));
}

LRESULT CALLBACK SwatchWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) {
    return CallWindowProcA(previousSwatchProc, window, message, wParam, lParam);
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  // A brush for this paint only: made, used and freed here.
  HBRUSH brush = CreateSolidBrush(FieldColor());
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  EndPaint(window, &paint);
  return 0;
}
