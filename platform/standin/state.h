// The stand-in's insides: what a window is, and the one record of
// everything the stand-in knows. Only the stand-in's own sources see this.
#ifndef RGBHSV_PLATFORM_STANDIN_STATE_H
#define RGBHSV_PLATFORM_STANDIN_STATE_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"

enum class WindowKind { Dialog, Button, Edit, Static };

struct HDC__ {
  HWND window;
};

struct HWND__ {
  WindowKind kind;
  int id = 0;
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::string text;
  WNDPROC proc = nullptr;            // the current window procedure
  DLGPROC dialogProc = nullptr;      // dialogs only
  HWND parent = nullptr;
  std::vector<HWND> children;        // template order, which is the tab order
  HWND focus = nullptr;              // dialogs only
  bool ended = false;                // dialogs only: EndDialog was called
  bool destroyed = false;
  INT_PTR result = 0;
  HICON bigIcon = nullptr, smallIcon = nullptr;

  // Edit controls.
  size_t selStart = 0, selEnd = 0;
  size_t limit = 30000;

  // Painting.
  bool invalid = false;
  bool erase = false;
  int invalidations = 0;
  int paints = 0;
  bool painted = false;
  COLORREF paintedColor = 0;
  HDC__ dc{nullptr};
};

struct HBRUSH__ {
  COLORREF color;
  bool deleted = false;
};

struct HICON__ {
  int resource;
};

namespace standin {

struct State {
  std::vector<std::unique_ptr<HWND__>> windows;
  std::vector<std::unique_ptr<HBRUSH__>> brushes;
  std::vector<std::unique_ptr<HICON__>> icons;
  std::map<int, DialogSpec> templates;
  std::function<void(HWND)> user;
  std::function<BOOL(CHOOSECOLORA&)> chooser;
  std::vector<ChooserOpening> chooserOpenings;
  std::vector<UINT> beeps;
  std::vector<Write> writes;
  std::string clipboard;
  int brushesDeleted = 0;
  int brushErrors = 0;
};

State& state();

// A window that the stand-in made and has not destroyed, or null.
HWND Live(HWND window);
HWND CreateDialogFromTemplate(int resourceId, DLGPROC proc, LPARAM param);
void DestroyDialog(HWND dialog);
// Moves the focus; an edit then has its caret at the end, or all selected.
void FocusControl(HWND dialog, HWND control, bool selectAll);
// Tells the dialog what a control did: WM_COMMAND with its ID and the code.
void Notify(HWND control, WORD code);
// Sends WM_PAINT (after WM_ERASEBKGND where asked) to every invalid window.
void DeliverPaints();

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// What every control does with a message it has no use for.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace standin

#endif
