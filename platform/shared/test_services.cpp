// The dialog manager's services that only tests use: modeless dialogs,
// painting now and reading the screen back, the keyboard's state set at
// once, the brushes in use, the wide SendMessageW, and forgetting
// everything.
#include "dialog_manager_records.h"
#include "test_services.h"

using dialog_manager::IfLive;

HWND WINAPI CreateDialogParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc, LPARAM initParam) {
  HWND dialog = dialog_manager::CreateFromTemplate(templateName, proc, initParam);
  if (dialog && (dialog->style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
  return dialog;
}

LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool carriesText = message == WM_SETTEXT || message == WM_GETTEXT || message == WM_GETTEXTLENGTH;
  return carriesText ? 0 : SendMessageA(window, message, wParam, lParam);
}

BOOL WINAPI UpdateWindow(HWND window) {
  if (!IfLive(window)) return FALSE;
  backend::PaintNow(window);
  return TRUE;
}

HDC WINAPI GetDC(HWND window) { return IfLive(window) ? &window->dc : nullptr; }

int WINAPI ReleaseDC(HWND window, HDC) { return IfLive(window) ? 1 : 0; }

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
  RECT client = {0, 0, 0, 0};
  if (dc == nullptr || !GetClientRect(dc->window, &client)) return 0xFFFFFFFF;
  if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) return 0xFFFFFFFF;
  return backend::ReadPixel(dc->window, x, y);
}

BOOL WINAPI SetKeyboardState(BYTE* keyStates) {
  if (keyStates == nullptr) return FALSE;
  for (int key = 0; key < 256; ++key) dialog_manager::records().keys[key] = keyStates[key];
  return TRUE;
}

namespace dialog_manager {

void Forget() {
  for (HBRUSH brush : records().brushes) delete brush;
  records() = Records();
  ForgetClipboard();
}

size_t LiveBrushes() { return records().brushes.size(); }

}  // namespace dialog_manager
