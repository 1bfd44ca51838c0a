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
#include "input_kinds.h"
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
  int templateId = 0;             // dialogs only: the template it was made from
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
// What a screen reader calls the control: its label's text, then the
// program's string with the control's ID, if it has one ("RGB color: red").
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
  bool repeat = false;     // held down: the key's repeat, not a new press
};
// Who acts on a key: the platform (keys that move the caret or select, and
// those an input method composes with), or the dialog, which some keys
// make cut, copy or paste. A platform whose clipboard only its own events
// may touch (a page) has those three keys raise its clipboard events, which
// then reach the dialog as WM_CUT, WM_COPY and WM_PASTE.
enum class KeyUse { Platform, Dialog, Cut, Copy, Paste };
// What the focus (a dialog's control, or null) does with the key, by the
// control's state as the dialog manager last read it. Only the key, the
// modifiers, the focus's kind and whether an edit has a selection are
// looked at, not the character: a key that only types is the platform's
// here, and reaches the dialog as KeyDown's character or as typed text.
KeyUse UseOf(HWND focus, const KeyPress& key, bool down);
// What the dialog's focus does with the key, its selection read first
// where the user has put it.
KeyUse UseIn(HWND dialog, const KeyPress& key, bool down);
// Whether the dialog takes the key, pressed or released, with the focus
// and its selection where they are now: the platform must then do nothing
// with it. A platform that must say so before the key is handled (a page,
// whose key may open the chooser and suspend the program) asks this first.
bool TakesKey(HWND dialog, const KeyPress& key, bool down);

// One action of the user's, as an implementation reports it
// (input_kinds.h says what each kind is).
enum class InputKind {
#define RGBHSV_INPUT_KIND_ENUM(name) name,
  RGBHSV_INPUT_KINDS(RGBHSV_INPUT_KIND_ENUM)
#undef RGBHSV_INPUT_KIND_ENUM
};
// Where a paste's text is: with the input, or on the clipboard or the
// primary selection, to be asked for (backend::RequestText).
enum class TextSource { Given, Clipboard, Selection };
// Which action of the user's a platform's own change to a field belongs
// to, where the platform changes it in steps (GTK deletes a selection
// before it inserts what replaces it, and drops in steps of its own). Such
// steps are gathered: held until the field's next step, the user's next
// input or the platform's next idle moment (backend::WakeAt), and notified
// once.
enum class EditStep {
  Whole,      // no step: the input is the whole of the user's action
  Replacing,  // Deleted: what the text typed right after it replaces, or else a deletion of its own
  Dropped,    // Pasted: text dropped at `start`, by the rules of WM_PASTE
};
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
  EditStep step = EditStep::Whole;
  // Erased: forward from the caret (else backward), whole words or lines
  // (else a character).
  bool forward = false, words = false;
};
// The user's input, in the order the user made it. A paste whose text must
// be asked for parks what comes after it (keys, clicks, text) until its
// text is in the field and its change notified; then what was parked is
// handled, in order. True if the platform must do nothing more with the
// input: the dialog took the key, or it was parked, or it is not a key
// (what the platform reports of its own changes it has stopped already).
bool Post(HWND dialog, const Input& input);
// Input that the platform let go of before the program could answer for it
// (what was typed into a page before its module ran): handled as parked
// input is, the program doing what the platform would have done with it (a
// key's caret move, its character), behind a paste that waits.
void PostLetGo(HWND dialog, const Input& input);
// How long a paste waits for another program's text: a busy owner answers
// within it, and one that never answers does not hold the user's input up
// for longer.
constexpr unsigned kPasteWaitMs = 3000;
// The answer to paste request `request` (backend::RequestText): its text,
// or null if none came (nothing on the clipboard, no text). An answer to a
// request other than the one waiting (its wait has ended) is dropped.
void TextArrived(unsigned request, const std::string* text);
// The platform's clock has reached the time it was asked to wake at
// (backend::WakeAt): the platform's held edit steps are settled, and a
// paste whose deadline has come ends without text.
void TimePassed();
// What the program put on the clipboard is no longer there: another
// program, or the platform, has put something else.
void ClipboardTaken();
// Whether a paste is waiting for its text, and the user's input with it:
// input posted now is parked, so a platform whose view of a field is
// behind until then posts it without acting on it first (GTK's input
// method, its caret).
bool Waiting();

// A control's notification to its dialog (WM_COMMAND with its ID and code).
void Notify(HWND control, WORD code);
// An edit's caret or selection where the user has put it (character
// offsets; start > end is taken as end..start).
void UserSelected(HWND edit, size_t start, size_t end);
// A paint: WM_PAINT to the window, which is valid afterwards even if its
// procedure skipped BeginPaint.
void Paint(HWND window);
// A dialog laid out again from its template for other base units (a page
// whose font turned out other than the one it was laid out for): the
// frames of it and its controls; false if it is not a live dialog. The
// platform moves its windows.
bool LayOutAgain(HWND dialog, int unitsX, int unitsY);
// Paints, if the window is shown, it and its children where invalid.
void PaintInvalid(HWND window);

// The face color that dialogs and statics erase to.
constexpr COLORREF kFaceColor = 0x00F0F0F0;

}  // namespace dialog_manager

#endif
