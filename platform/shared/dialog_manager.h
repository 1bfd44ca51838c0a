// The dialog manager off Windows: what a window, a device context, a brush
// and an icon are, and the calls that an implementation of the dialog
// services (backend.h) makes into it. The dialog manager implements every
// Win32 name of win32_off_windows.h, once, for every implementation: it
// owns the windows and what they hold (texts, edits, focus, keyboard state,
// invalid areas, icons, brushes, the program's resources); an
// implementation only shows them and reports its user's input through the
// functions below.
#ifndef RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_H
#define RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../win32_off_windows.h"
#include "edit_rules.h"
#include "resources.h"

enum class WindowKind { Dialog, Button, Edit, Static };

// Each implementation defines these (backend.h).
struct NativeWindow;
struct NativeIcon;

// A window's one device context.
struct HDC__ {
  HWND window;
};

struct HBRUSH__ {
  COLORREF color;
};

// An icon group of the program's resources, loaded once and shared.
struct HICON__ {
  int resource;
  NativeIcon* native;
};

struct HWND__ {
  WindowKind kind;
  int id = 0;
  DWORD style = 0;
  std::string text;               // all but edits, which keep `edit`
  WNDPROC proc = nullptr;         // the current window procedure
  DLGPROC dialogProc = nullptr;   // dialogs only
  HWND parent = nullptr;
  std::vector<HWND> children;     // template order, which is the tab order
  // In pixels: a dialog's client area at 0, 0; a control's place in its
  // dialog's client area, its border included.
  RECT frame = {0, 0, 0, 0};
  bool visible = false;           // shown itself; a control shows with its dialog
  bool ended = false;             // dialogs only: EndDialog was called
  bool destroyed = false;
  INT_PTR result = 0;
  HICON bigIcon = nullptr, smallIcon = nullptr;
  edit::EditState edit;
  bool pushed = false;            // buttons: Space down on it
  bool invalid = true;            // to be painted; a new window paints once
  bool erase = true;              // and erases its background first
  HDC__ dc{nullptr};
  NativeWindow* native = nullptr;
};

namespace dialog_manager {

// Takes a program's compiled resources (a .res file) as its own: the
// templates that dialogs are made from and the icon groups LoadIconA loads.
// False, and nothing taken, if they are damaged.
bool UseResources(const uint8_t* bytes, size_t size);
const res::ProgramResources& Resources();

// The window itself if it was made and not destroyed; null otherwise.
HWND Live(HWND window);
// Whether Tab stops at the control: a tab stop, and enabled.
bool IsTabStop(HWND control);
// Whether the control is a static that shows its text (rather than a
// rectangle, a frame or a picture).
bool ShowsText(HWND control);
// The static text that names a field for screen readers: of the texts
// above it in its dialog, the nearest, as a group's label stands over its
// fields; null if there is none.
HWND LabelOf(HWND control);

// What an implementation reports of its user's input:
// a control's notification to its dialog (WM_COMMAND with its ID and code);
void Notify(HWND control, WORD code);
// a key's state, as GetKeyState reads it, before the key's message arrives;
void SetKeyDown(int virtualKey, bool down);
// a key's message (WM_KEYDOWN, WM_KEYUP), to the focus or else the dialog,
// handed to IsDialogMessageA as a Windows dialog's modal loop hands it;
void Key(HWND dialog, UINT message, WPARAM virtualKey);
// an edit's caret or selection where the user has put it (character
// offsets; start > end is taken as end..start);
void UserSelected(HWND edit, size_t start, size_t end);
// text that the implementation's own means (a drop, the middle button's
// paste, an input method) insert into an edit, or characters start..end
// they delete: held to the edit rules as a paste or a deletion is, and
// shown by the implementation, which then sends the notifications these
// return (NotifyEdit), once for all the steps of one action of the user.
edit::Notifications UserInserted(HWND edit, size_t at, const std::string& text);
edit::Notifications UserDeleted(HWND edit, size_t start, size_t end);
void NotifyEdit(HWND edit, const edit::Notifications& n);
// A paint: WM_PAINT to the window, which is valid afterwards even if its
// procedure skipped BeginPaint.
void Paint(HWND window);
// Paints, if the window is shown, it and its children where invalid.
void PaintInvalid(HWND window);
// The Delete key in an edit: the selection, or else the character after
// the caret, deleted (WM_CLEAR).
void DeleteForward(HWND edit);

// The face color that dialogs and statics erase to.
constexpr COLORREF kFaceColor = 0x00F0F0F0;

}  // namespace dialog_manager

#endif
