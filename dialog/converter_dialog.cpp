// The program's one window: its entry point, its dialog procedure and its
// start-up. Layout, captions, font and icon live in the resource script.
#include "dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONVERTER), nullptr, ConverterDialogProc, 0));
}

void OnInitDialog(HWND dialog) {
  SubclassSwatch(dialog);
  for (int id = IDC_RED; id <= IDC_VALUE; ++id) {
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, 3, 0);
  }
  // Written without raising `updating`, so each write runs the ordinary
  // conversion; the last ones leave both groups at white.
  SetDlgItemInt(dialog, IDC_RED, 255, FALSE);
  SetDlgItemInt(dialog, IDC_GREEN, 255, FALSE);
  SetDlgItemInt(dialog, IDC_BLUE, 255, FALSE);
  SetDlgItemInt(dialog, IDC_HUE, 0, FALSE);
  SetDlgItemInt(dialog, IDC_SATURATION, 0, FALSE);
  SetDlgItemInt(dialog, IDC_VALUE, 255, FALSE);
  InitColorPicker(dialog);

  // A shared icon from the executable: never destroyed.
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

INT_PTR CALLBACK ConverterDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(dialog);
      return TRUE;  // focus goes to the first tab stop, "Select..."
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return FALSE;
    case WM_CLOSE:
    case WM_DESTROY:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}
