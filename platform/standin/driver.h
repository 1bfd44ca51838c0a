// The test side of the stand-in dialog manager: builds dialogs, acts as the
// user would (keystrokes, pastes, clicks, Escape, Enter, Tab), scripts the
// color chooser and shows what the user would see and hear. Every action
// returns only after the dialog has handled it and pending paints are done,
// as a message loop would leave things once it is idle.
#ifndef RGBHSV_PLATFORM_STANDIN_DRIVER_H
#define RGBHSV_PLATFORM_STANDIN_DRIVER_H

#include <functional>
#include <string>
#include <vector>

#include "win32_standin.h"

// Windows' own values for what only the stand-in and its tests use.
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_ERASEBKGND 0x0014
#define WM_CHAR 0x0102
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define EM_SETSEL 0x00B1
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501
#define ES_NUMBER 0x2000L
#define WS_TABSTOP 0x00010000L
#define WS_DISABLED 0x08000000L
#define WS_BORDER 0x00800000L
#define SS_BLACKRECT 0x00000004L
#define BN_CLICKED 0
#define IDOK 1
#define MB_OK 0x00000000L

namespace standin {

// One control of a dialog, as a template gives it (geometry in dialog units).
struct ControlSpec {
  int id;
  std::string className;  // "BUTTON", "EDIT" or "STATIC"
  DWORD style;
  int x, y, cx, cy;
  std::string text;
};

struct DialogSpec {
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string caption;
  std::string font;
  int pointSize = 0;
  std::vector<ControlSpec> controls;
};

// Forgets every window, brush, record and script.
void Reset();

// Dialog templates that DialogBoxParamA finds by resource ID.
void RegisterTemplate(int resourceId, const DialogSpec& spec);
// Icon groups that LoadIconA finds by resource ID.
void RegisterIcon(int resourceId);

// Creates a dialog without a modal loop, as CreateDialogParam would, and
// sends it WM_INITDIALOG. Returns null if there is no such template.
HWND OpenDialog(int resourceId, DLGPROC proc, LPARAM param = 0);
// What DialogBoxParamA's modal loop does: runs this with the new dialog,
// standing for the user. If the dialog is still open when it returns, the
// loop is abandoned and DialogBoxParamA returns kAbandoned.
void SetUser(std::function<void(HWND dialog)> user);
constexpr INT_PTR kAbandoned = -2;

// The user's actions.
void ClickInto(HWND dialog, int id);  // focus a field, caret at the end
void Type(HWND dialog, const std::string& keys);  // into the focus; '\b' is backspace
void TypeInto(HWND dialog, int id, const std::string& keys);
void SelectAll(HWND dialog, int id);  // focus a field, all its text selected
void Paste(HWND dialog, const std::string& text);  // into the focus, at the caret
void Empty(HWND dialog, int id);  // select all, then Delete
void Click(HWND dialog, int id);  // a button
void PressEnter(HWND dialog);
void PressEscape(HWND dialog);
void PressTab(HWND dialog);
void ClickCloseBox(HWND dialog);

// What the user sees and hears.
std::string Text(HWND dialog, int id);
int FocusedId(HWND dialog);
bool IsOpen(HWND dialog);
std::string Caption(HWND dialog);
const std::vector<UINT>& Beeps();
int BeepCount(UINT type);
HICON Icon(HWND dialog, WPARAM which);
int IconResource(HICON icon);  // the group an icon came from, 0 if unknown
COLORREF PaintedColor(HWND dialog, int id);  // last fill of the whole client area
int PaintCount(HWND dialog, int id);
int InvalidationCount(HWND dialog, int id);

// Brushes: made, freed, and misuses (freeing twice, filling with a freed
// or unknown brush, freeing what is not a brush).
int BrushesCreated();
int BrushesDeleted();
int BrushErrors();

// Every SetDlgItemInt, in order.
struct Write {
  int id;
  UINT value;
};
const std::vector<Write>& Writes();

// The color chooser. The script sees the record it is given, may change
// rgbResult and the custom colors, and returns what ChooseColorA returns.
// Without a script the chooser is cancelled.
void SetChooser(std::function<BOOL(CHOOSECOLORA& record)> chooser);
struct ChooserOpening {
  CHOOSECOLORA record;      // as passed in
  COLORREF customColors[16];  // as passed in
};
const std::vector<ChooserOpening>& ChooserOpenings();

}  // namespace standin

#endif
