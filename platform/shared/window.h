// What a window is to every implementation of the dialog services off
// Windows, and the dialog manager's behaviour that does not depend on how
// windows are shown: messages and window procedures, controls by ID, the
// default procedures of dialogs, buttons and edits, the focus and the
// dialog manager's keys, ending and destroying dialogs, the start of a
// paint. What an implementation adds to a window (a widget, what it has
// painted) is its NativeWindow; what it must do when a window changes, it
// says through its Hooks.
#ifndef RGBHSV_PLATFORM_SHARED_WINDOW_H
#define RGBHSV_PLATFORM_SHARED_WINDOW_H

#include <functional>
#include <string>
#include <vector>

#include "../win32_off_windows.h"
#include "edit_rules.h"
#include "resources.h"

enum class WindowKind { Dialog, Button, Edit, Static };

// Defined by each implementation.
struct NativeWindow;

struct HWND__ {
  WindowKind kind;
  int id = 0;
  DWORD style = 0;
  std::string text;               // all but edits, which keep `edit`
  WNDPROC proc = nullptr;         // the current window procedure
  DLGPROC dialogProc = nullptr;   // dialogs only
  HWND parent = nullptr;
  std::vector<HWND> children;     // template order, which is the tab order
  bool ended = false;             // dialogs only: EndDialog was called
  bool destroyed = false;
  INT_PTR result = 0;
  HICON bigIcon = nullptr, smallIcon = nullptr;
  edit::EditState edit;
  bool pushed = false;            // buttons: Space down on it
  bool invalid = true;            // to be painted; a new window paints once
  bool erase = true;              // and erases its background first
  NativeWindow* native = nullptr;
};

namespace windows {

// What an implementation must do when the shared behaviour changes a
// window; each implementation defines `hooks`.
struct Hooks {
  void (*textChanged)(HWND window);    // WM_SETTEXT on a dialog, button or static
  void (*iconChanged)(HWND dialog);    // WM_SETICON
  void (*takeSelection)(HWND edit);    // before the edit rules read the selection
  void (*showEdit)(HWND edit);         // after the edit rules changed the edit
  std::string (*clipboardText)();      // what WM_PASTE pastes
  void (*focused)(HWND control);       // SetFocus: the implementation's focus follows
  void (*destroyed)(HWND window);      // DestroyWindow, after WM_DESTROY
  HDC (*deviceContext)(HWND window);   // BeginPaint's device context
  // A dialog from a template, its windows made and WM_INITDIALOG sent; null
  // if there is no such template.
  HWND (*createDialog)(LPCSTR templateName, DLGPROC proc, LPARAM param);
  // The modal loop of a shown dialog; what DialogBoxParamA returns.
  INT_PTR (*runModal)(HWND dialog);
};
extern const Hooks hooks;

// Sees every message sent to a window, before its procedure does.
extern std::function<void(HWND, UINT, WPARAM, LPARAM)> spy;

// A new window, kept until Forget(); a window made and not destroyed, or null.
HWND New(WindowKind kind);
HWND Live(HWND window);
// Every window forgotten, the focus with them.
void Forget();
// The windows of a dialog template, not yet initialised: the dialog's
// procedure set, its controls with their IDs, styles, texts and default
// procedures, in template order.
HWND FromTemplate(const res::DialogSpec& spec, DLGPROC proc);
// WM_INITDIALOG, and the focus on the first tab stop if the procedure asks.
void Initialise(HWND dialog, LPARAM param);

// Moves the focus to the next (or previous) tab stop in template order,
// wrapping, and selects the whole text of a field it lands on.
void Tab(HWND dialog, bool forward);

// Tells the dialog what a control did: WM_COMMAND with its ID and the code.
void Notify(HWND control, WORD code);

LRESULT CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// What every control does with a message it has no use for; the statics'
// own procedure is the implementation's, as painting is.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace windows

#endif
