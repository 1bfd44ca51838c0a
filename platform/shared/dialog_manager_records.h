// The dialog manager's process-wide records, and the window procedures it
// gives its windows. Only the dialog manager's own sources see this.
#ifndef RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_RECORDS_H
#define RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_RECORDS_H

#include <memory>
#include <set>
#include <vector>

#include "backend.h"

namespace dialog_manager {

struct Records {
  // Every window made, destroyed ones too, so that a stale handle is never
  // a dangling one; a handle is checked against the live ones, a handful.
  // (Ordered sets, and a vector for the parked input, rather than hash
  // tables and a deque: the page's module is 1.7 KB smaller gzipped.)
  std::vector<std::unique_ptr<HWND__>> windows;
  std::set<HWND> liveWindows;
  HWND focus = nullptr;
  BYTE keys[256] = {};  // GetKeyState's bits: 0x80 down
  std::set<HBRUSH> brushes;  // made and not deleted
  std::vector<std::unique_ptr<HICON__>> icons;
  res::ProgramResources resources;
  // A paste waiting for its text: the field and the selection it goes over,
  // the request's number and its deadline on the platform's clock.
  HWND pasteInto = nullptr;
  size_t pasteStart = 0, pasteEnd = 0;
  bool waiting = false;
  unsigned pasteRequest = 0;
  uint64_t pasteDeadline = 0;
  std::string copied;         // what the program last put on the clipboard
  bool ownsClipboard = false;  // and the clipboard still holds it
  HWND busy = nullptr;  // the dialog said to be busy meanwhile
  std::vector<std::pair<HWND, Input>> parked;  // the user's input since, with its dialog, oldest first
  bool draining = false;
  // A platform's steps of one action of the user's, in one field: a
  // deletion not yet applied, and the notifications of what was applied.
  HWND stepsIn = nullptr;
  bool heldDeletion = false;
  size_t heldStart = 0, heldEnd = 0;
  edit::Notifications stepsNotified;
};

Records& records();

HWND New(WindowKind kind);
// A dialog from the program's template, its windows made and laid out in
// pixels and WM_INITDIALOG sent; null if there is no such template.
HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param);

LRESULT CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The user's input, as Post hands it on once nothing is parked before it.
// A key pressed: to IsDialogMessageA as a Windows dialog's modal loop hands
// it on (Tab, Escape, Enter; the others to the focus as WM_KEYDOWN, or
// WM_SYSKEYDOWN with Alt), then the character it types to a focused edit as
// WM_CHAR, as TranslateMessage would. True if the dialog took it. A key
// that had been parked is the dialog's whatever it is: the platform has
// long since let it go, so the edit moves the caret for it.
bool KeyDown(HWND dialog, const KeyPress& key, bool parked);
bool KeyUp(HWND dialog, const KeyPress& key);
// One input handled, now that nothing is parked before it; `parked`: it
// had been. Named, not private: on the page it is on the stack whenever
// the program waits, and its name is listed so (web/waiting_functions.txt).
void HandleInput(HWND dialog, const Input& input, bool parked);
// A button's command to its dialog, as IsDialogMessageA sends Escape's
// IDCANCEL and Enter's IDOK.
void SendCommand(HWND dialog, int id, HWND control);
// Each character to the edit as WM_CHAR, held to the typing rules as a
// key's character is.
void TextTyped(HWND edit, const std::string& text);
// The difference applied as a deletion, then as typed text, or pasted text
// where the platform says it was pasted.
void TextReplaced(HWND edit, const std::string& after, size_t caretAfter, bool pasted);
// WM_PASTE and the pastes of the platform's own means: the text asked for,
// to go over start..end of the edit when it comes.
void FetchPaste(HWND edit, TextSource source, size_t start, size_t end);
// WM_COPY and WM_CUT: the text put on the clipboard, and kept while the
// clipboard holds it, for the program's own pastes.
void Copied(const std::string& text);
// Text pasted into an edit at its selection, by the rules of WM_PASTE.
void TextPasted(HWND edit, const std::string& text);
// Characters start..end of an edit deleted, held to the edit rules; shown
// and notified by the caller.
edit::Notifications UserDeleted(HWND edit, size_t start, size_t end);
// An edit's notifications to its dialog: EN_MAXTEXT, EN_UPDATE, EN_CHANGE.
void NotifyEdit(HWND edit, const edit::Notifications& n);
// A platform's step of one action of the user's (Input::step): held with
// the field's other steps, or applied at once and its notifications held.
void HoldStep(HWND edit, const Input& input);
// A deletion held in the field, if the text typed now follows it: the
// selection that the text replaces is then the deletion's.
void TakeHeldDeletion(HWND edit, Input* typed);
// The held steps applied and notified, once.
void SettleSteps();
// A key's state, as GetKeyState reads it.
void SetKeyDown(int virtualKey, bool down);

// What every window does with a message it has no use for.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dialog_manager

#endif
