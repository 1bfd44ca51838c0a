// Messages and window procedures: subclassing, and the default procedures
// of dialogs, buttons and statics (edits: edit_control.cpp). SendMessageA
// is a program's own (send_message.cpp), or the stand-in's, which spies.
#include <algorithm>
#include <cstring>

#include "dialog_manager_records.h"

namespace dialog_manager {

void Notify(HWND control, WORD code) {
  SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code),
               reinterpret_cast<LPARAM>(control));
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      window->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      backend::ShowText(window);
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      // What fits, without the part of a character that does not.
      const size_t n = edit::WholeCharactersIn(window->text, wParam - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), window->text.data(), n);
      reinterpret_cast<char*>(lParam)[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    default:
      return 0;
  }
}

// What DefDlgProc does: the dialog procedure first, then the few defaults
// that the dialog relies on. What Windows would post (WM_CLOSE's IDCANCEL)
// is dropped: there is no message queue of ours.
LRESULT CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const INT_PTR handled = dialog->dialogProc(dialog, message, wParam, lParam);
  if (handled) return handled;
  if (message == WM_SETICON || message == WM_GETICON) {
    HICON& slot = wParam == ICON_BIG ? dialog->bigIcon : dialog->smallIcon;
    HICON previous = slot;
    if (message == WM_SETICON) {
      slot = reinterpret_cast<HICON>(lParam);
      backend::ShowIcon(dialog);
    }
    return reinterpret_cast<LRESULT>(previous);
  }
  return DefaultProc(dialog, message, wParam, lParam);
}

// A push button: Space pressed and released on it clicks it.
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_SPACE) {
    window->pushed = true;
    return 0;
  }
  if (message == WM_KEYUP && wParam == VK_SPACE) {
    if (window->pushed) {
      window->pushed = false;
      Notify(window, BN_CLICKED);
    }
    return 0;
  }
  return DefaultProc(window, message, wParam, lParam);
}

// Statics: a black rectangle paints black; all erase to the dialog's
// background.
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (wParam) backend::EraseBackground(reinterpret_cast<HDC>(wParam));
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if ((window->style & SS_TYPEMASK) == SS_BLACKRECT) backend::Fill(dc, paint.rcPaint, RGB(0, 0, 0));
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefaultProc(window, message, wParam, lParam);
  }
}

}  // namespace dialog_manager

LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index) {
  if (!dialog_manager::IfLive(window) || index != GWLP_WNDPROC) return 0;
  return reinterpret_cast<LONG_PTR>(window->proc);
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR newLong) {
  if (!dialog_manager::IfLive(window) || index != GWLP_WNDPROC) return 0;
  const WNDPROC previous = window->proc;
  window->proc = reinterpret_cast<WNDPROC>(newLong);
  return reinterpret_cast<LONG_PTR>(previous);
}

LRESULT WINAPI CallWindowProcA(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
  return previous ? previous(window, message, wParam, lParam) : 0;
}
