// The edit control's window procedure: the edit rules applied to the
// control's state, shown by the implementation, and their notifications sent
// to the parent before the change returns.
#include <cstring>

#include "window.h"

namespace windows {

static void Send(HWND window, const edit::Notifications& n) {
  hooks.showEdit(window);
  if (n.maxText) Notify(window, EN_MAXTEXT);
  if (n.update) Notify(window, EN_UPDATE);
  if (n.change) Notify(window, EN_CHANGE);
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  edit::EditState& e = window->edit;
  switch (message) {
    case WM_SETTEXT:
      Send(window, edit::SetText(e, lParam ? reinterpret_cast<const char*>(lParam) : ""));
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      const size_t n = std::min<size_t>(e.text.size(), wParam - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), e.text.data(), n);
      reinterpret_cast<char*>(lParam)[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(e.text.size());
    case EM_LIMITTEXT:
      e.limit = wParam ? wParam : 0x7FFFFFFE;
      return 0;
    case EM_SETSEL:
      edit::Select(e, static_cast<INT_PTR>(wParam), static_cast<LPARAM>(lParam));
      hooks.showEdit(window);
      return 0;
    case EM_GETSEL:
      hooks.takeSelection(window);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(e.selStart);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(e.selEnd);
      return MAKELONG(e.selStart, e.selEnd);
    case WM_CHAR: {
      const char c = static_cast<char>(wParam);
      if (c == 0x16) return SendMessageA(window, WM_PASTE, 0, 0);  // Ctrl+V
      if (c == 0x1A) return SendMessageA(window, WM_UNDO, 0, 0);   // Ctrl+Z
      hooks.takeSelection(window);
      Send(window, edit::Type(e, c));
      return 0;
    }
    case WM_PASTE: {
      const std::string text = hooks.clipboardText();
      hooks.takeSelection(window);
      Send(window, edit::Paste(e, text));
      return 0;
    }
    case WM_CLEAR:
      hooks.takeSelection(window);
      Send(window, edit::Clear(e));
      return 0;
    case WM_UNDO:
    case EM_UNDO:
      hooks.takeSelection(window);
      Send(window, edit::Undo(e));
      return TRUE;
    default:
      return DefaultProc(window, message, wParam, lParam);
  }
}

}  // namespace windows
