// A minimal modal dialog: the text of field 1003 is copied into field 1007
// on every change. Built and run like rgbhsv.exe, it is what the Wine
// timings are measured against.
#include <windows.h>

static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemInt(dialog, 1003, 255, FALSE);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == 1003 && HIWORD(wParam) == EN_CHANGE) {
        char text[8];
        GetDlgItemTextA(dialog, 1003, text, sizeof text);
        SetDlgItemTextA(dialog, 1007, text);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(101), nullptr, Proc, 0));
}
