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
HWND IfLive(HWND window);
// Whether Tab stops at the control: a tab stop, and enabled.
bool IsTabStop(HWND control);
// Whether the control is a static that shows its text (rather than a
// rectangle, a frame or a picture).
bool ShowsText(HWND control);
// The static text that names a field for screen readers: of the texts
// above it in its dialog, the nearest, as a group's label stands over its
// fields; null if there is none.
HWND LabelOf(HWND control);
// What a screen reader calls the control: its label's text and, for the
// dialog's fields, the number it holds ("RGB color: red").
std::string AccessibleName(HWND control);

// What an implementation reports of its user's input. The user's keys and
// text come in as a platform has them; what they do is decided here, once,
// with the bindings of Windows' dialog manager and edit control.
//
// A key as the user pressed or released it.
struct KeyPress {
  int virtualKey = 0;      // VK_ names, 'A'..'Z' and '0'..'9'; 0 for keys Windows has no name for
  char32_t character = 0;  // what it types on the user's layout (AltGr's included), 0 if nothing
  bool shift = false, control = false, alt = false;
  bool composing = false;  // an input method is composing: the key is the input method's
};
// Who acts on a key: the platform (keys that move the caret or select, and
// those an input method composes with), or the dialog, which some keys
// make cut, copy or paste. A platform whose clipboard only its own events
// may touch (a page) has those three keys raise its clipboard events, which
// then reach the dialog as WM_CUT, WM_COPY and WM_PASTE.
enum class KeyUse { Platform, Dialog, Cut, Copy, Paste };
// What the focus (a dialog's control, or null) does with the key. Only the
// key, the modifiers, the focus's kind and whether an edit has a selection
// are looked at, not the character: a key that only types is the
// platform's here, and reaches the dialog as KeyDown's character or as
// typed text.
KeyUse UseOf(HWND focus, const KeyPress& key, bool down);
// Whether the dialog takes the key, pressed or released, with the focus
// where it is now: the platform must then do nothing with it. A platform
// that must say so before the key is handled (a page, whose key may open
// the chooser and suspend the program) asks this first.
bool TakesKey(HWND dialog, const KeyPress& key, bool down);

// One action of the user's, as an implementation reports it.
enum class InputKind {
  KeyDown,   // key: to IsDialogMessageA as a Windows dialog's loop hands it on, then its character as WM_CHAR
  KeyUp,     // key
  Typed,     // text typed other than key by key (an input method's commit, a phone's keyboard, dictation)
  Pasted,    // text pasted or dropped, by the rules of WM_PASTE; or fetched from `source`
  Deleted,   // the field's characters start..end taken away (dragged out)
  Cut,       // the field's selection cut
  Copied,    // the field's selection copied (a menu's Copy)
  Undone,    // the field's last edit undone
  Replaced,  // the field's text as the platform changed it by means it could not stop; the caret at `end`
  Pressed,   // the pointer pressed on a control: the focus, and a field's selection start..end
  Tapped,    // a field touched: focused with its number selected, as Tab does it
  Clicked,   // a button
  Closed,    // the close box
};
// Where a paste's text is: with the input, or on the clipboard or the
// primary selection, to be asked for (backend::RequestText).
enum class TextSource { Given, Clipboard, Selection };
struct Input {
  InputKind kind = InputKind::KeyDown;
  HWND window = nullptr;  // the control it is for; null: the focus
  KeyPress key;
  // A field's selection as the user had it (characters; end < 0: the end
  // of the text), or where a paste goes; start < 0: the field's own.
  long long start = -1, end = -1;
  std::string text;
  TextSource source = TextSource::Given;
  bool pasted = false;  // Replaced: the change was a paste
};
// The user's input, in the order the user made it. A paste whose text must
// be asked for parks what comes after it (keys, clicks, text) until its
// text is in the field and its change notified; then what was parked is
// handled, in order. True if the platform must do nothing more with the
// input: the dialog took the key, or it was parked.
bool Post(HWND dialog, const Input& input);
// The text of the paste that was asked for, or null if none came (nothing
// on the clipboard, no text, no answer in time); a late answer to a paste
// whose wait has ended is not passed on.
void TextArrived(const std::string* text);
// Whether a paste is waiting for its text, and the user's input with it.
bool Waiting();

// Text pasted into an edit at its selection, by the rules of WM_PASTE.
void TextPasted(HWND edit, const std::string& text);

// A control's notification to its dialog (WM_COMMAND with its ID and code).
void Notify(HWND control, WORD code);
// An edit's caret or selection where the user has put it (character
// offsets; start > end is taken as end..start).
void UserSelected(HWND edit, size_t start, size_t end);
// Text that the implementation's own means (a drop, in steps of its own)
// insert into an edit, or characters start..end they delete: held
// to the edit rules as a paste or a deletion is, and shown by the
// implementation, which then sends the notifications these return
// (NotifyEdit), once for all the steps of one action of the user.
edit::Notifications UserInserted(HWND edit, size_t at, const std::string& text);
edit::Notifications UserDeleted(HWND edit, size_t start, size_t end);
void NotifyEdit(HWND edit, const edit::Notifications& n);
// A paint: WM_PAINT to the window, which is valid afterwards even if its
// procedure skipped BeginPaint.
void Paint(HWND window);
// Paints, if the window is shown, it and its children where invalid.
void PaintInvalid(HWND window);

// The face color that dialogs and statics erase to.
constexpr COLORREF kFaceColor = 0x00F0F0F0;

}  // namespace dialog_manager

#endif
