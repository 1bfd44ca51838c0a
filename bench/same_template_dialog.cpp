// The floor for the Wine timings: the program's own dialog template, whose
// procedure shows the six starting numbers and, on each change of a field,
// writes the edited field's text into the three fields of the other group,
// without converting. What rgbhsv.exe costs beyond it is its own code.
#include <windows.h>

#include "resource.h"

namespace {

const int kRgb[] = {IDC_RED, IDC_GREEN, IDC_BLUE};
const int kHsv[] = {IDC_HUE, IDC_SATURATION, IDC_VALUE};
bool writing = false;  // the floor's own writes notify too

void Write(HWND dialog, const int (&ids)[3], const char* text) {
  writing = true;
  for (int id : ids) SetDlgItemTextA(dialog, id, text);
  writing = false;
}

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Write(dialog, kRgb, "255");
      Write(dialog, kHsv, "0");
      writing = true;
      SetDlgItemTextA(dialog, IDC_VALUE, "255");
      writing = false;
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) == EN_CHANGE && !writing && id >= IDC_RED && id <= IDC_VALUE) {
        char text[8];
        GetDlgItemTextA(dialog, id, text, sizeof text);
        Write(dialog, id <= IDC_BLUE ? kHsv : kRgb, text);
      } else if (id == IDCANCEL) {
        EndDialog(dialog, 0);
      }
      return FALSE;
    }
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONVERTER), nullptr, Proc, 0));
}
