// The dialog manager's process-wide records, and the window procedures it
// gives its windows. Only the dialog manager's own sources see this.
#ifndef RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_RECORDS_H
#define RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_RECORDS_H

#include <deque>
#include <memory>
#include <unordered_set>
#include <vector>

#include "backend.h"

namespace dialog_manager {

struct Records {
  // Every window made, destroyed ones too, so that a stale handle is never
  // a dangling one; a handle is checked against the live ones in constant
  // time.
  std::vector<std::unique_ptr<HWND__>> windows;
  std::unordered_set<HWND> liveWindows;
  HWND focus = nullptr;
  BYTE keys[256] = {};  // GetKeyState's bits: 0x80 down
  std::unordered_set<HBRUSH> brushes;  // made and not deleted
  int brushesMade = 0, brushesDeleted = 0, brushMisuses = 0;
  std::vector<std::unique_ptr<HICON__>> icons;
  res::ProgramResources resources;
  void (*spy)(HWND, UINT, WPARAM, LPARAM) = nullptr;
  // A paste waiting for its text: the field and the selection it goes over.
  HWND pasteInto = nullptr;
  size_t pasteStart = 0, pasteEnd = 0;
  bool waiting = false;
  HWND busy = nullptr;  // the dialog said to be busy meanwhile
  std::deque<std::pair<HWND, Input>> parked;  // the user's input since, with its dialog
  bool draining = false;
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
// Each character to the edit as WM_CHAR, held to the typing rules as a
// key's character is.
void TextTyped(HWND edit, const std::string& text);
// The difference applied as a deletion, then as typed text, or pasted text
// where the platform says it was pasted.
void TextReplaced(HWND edit, const std::string& after, size_t caretAfter, bool pasted);
// WM_PASTE and the pastes of the platform's own means: the text asked for,
// to go over start..end of the edit when it comes.
void FetchPaste(HWND edit, TextSource source, size_t start, size_t end);
// A key's state, as GetKeyState reads it.
void SetKeyDown(int virtualKey, bool down);

// What every window does with a message it has no use for.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dialog_manager

#endif
