// A person at the keyboard of a dialog over the in-memory stand-in, and what
// that person sees and hears. The actions reach the dialog manager's input
// queue as every implementation's user's input does; each returns once the
// dialog has handled it (or parked it behind a paste that waits) and
// pending paints are done, as a message loop leaves things once it is idle.
#ifndef RGBHSV_TESTS_SUPPORT_USER_H
#define RGBHSV_TESTS_SUPPORT_USER_H

#include <functional>
#include <string>
#include <vector>

#include "standin/win32_standin.h"

namespace user {

// The stand-in afresh, and these records emptied.
void Reset();

// A dialog made modelessly from its template and shown, as a modal one
// would be; null if there is no such template.
HWND OpenDialog(int resourceId, DLGPROC proc, LPARAM param = 0);

// The user's actions.
void ClickInto(HWND dialog, int id);  // focus a field, caret at the end
void Type(HWND dialog, const std::string& keys);  // into the focus; '\b' is backspace
void TypeInto(HWND dialog, int id, const std::string& keys);
void SelectAll(HWND dialog, int id);  // focus a field, all its text selected
void Paste(HWND dialog, const std::string& text);  // into the focus
// The primary selection's text pasted with the middle button at character
// `at` of a field (the stand-in's primary selection is its clipboard).
void PasteWithMiddleButton(HWND dialog, int id, size_t at, const std::string& text);
void Empty(HWND dialog, int id);  // select all, then Delete
void Click(HWND dialog, int id);  // a button
void PressEnter(HWND dialog);
void PressSpace(HWND dialog);
void PressEscape(HWND dialog);
void PressTab(HWND dialog);
void PressHome(HWND dialog);
void ClickCloseBox(HWND dialog);

// What the user sees and hears.
std::string Text(HWND dialog, int id);
int FocusedId();
bool IsOpen(HWND dialog);
std::string Caption(HWND dialog);
HICON Icon(HWND dialog, WPARAM which);
COLORREF PaintedColor(HWND dialog, int id);  // the client area's color on the screen
int PaintCount(HWND dialog, int id);  // id 0: the dialog itself
int BeepCount(UINT type);
const std::vector<UINT>& Beeps();

// Every text written into a field of a dialog (SetDlgItemInt, WM_SETTEXT),
// as a number, in order.
struct Write {
  int id;
  UINT value;
};
const std::vector<Write>& Writes();

// The color chooser's script (see standin::SetChooser), and what it was
// given at each opening.
void SetChooser(std::function<BOOL(CHOOSECOLORA& record)> chooser);
struct ChooserOpening {
  CHOOSECOLORA record;        // as passed in
  COLORREF customColors[16];  // as passed in
};
const std::vector<ChooserOpening>& ChooserOpenings();

}  // namespace user

#endif
