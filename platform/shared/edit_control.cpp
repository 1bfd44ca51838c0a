// The edit control's window procedure: the edit rules applied to the
// control's state, shown by the implementation, and their notifications sent
// to the parent before the change returns.
#include <algorithm>
#include <cstring>

#include "dialog_manager_records.h"

namespace dialog_manager {

void UserSelected(HWND edit, size_t start, size_t end) {
  if (!Live(edit)) return;
  edit::Select(edit->edit, static_cast<long long>(std::min(start, end)),
               static_cast<long long>(std::max(start, end)));
}

edit::Notifications UserInserted(HWND edit, size_t at, const std::string& text) {
  return Live(edit) ? edit::Insert(edit->edit, at, text) : edit::Notifications{};
}

edit::Notifications UserDeleted(HWND edit, size_t start, size_t end) {
  return Live(edit) ? edit::Delete(edit->edit, std::min(start, end), std::max(start, end)) : edit::Notifications{};
}

void DeleteForward(HWND edit) {
  if (!Live(edit)) return;
  backend::ReadSelection(edit);
  const edit::EditState& e = edit->edit;
  if (e.selStart == e.selEnd && e.selEnd < edit::Length(e)) {
    SendMessageA(edit, EM_SETSEL, e.selStart, static_cast<LPARAM>(e.selEnd + 1));
  }
  SendMessageA(edit, WM_CLEAR, 0, 0);
}

void NotifyEdit(HWND edit, const edit::Notifications& n) {
  if (n.maxText) Notify(edit, EN_MAXTEXT);
  if (n.update) Notify(edit, EN_UPDATE);
  if (n.change) Notify(edit, EN_CHANGE);
}

static void Send(HWND window, const edit::Notifications& n) {
  backend::ShowEdit(window);
  NotifyEdit(window, n);
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  edit::EditState& e = window->edit;
  switch (message) {
    case WM_SETTEXT:
      Send(window, edit::SetText(e, lParam ? reinterpret_cast<const char*>(lParam) : ""));
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      // What fits, without the part of a character that does not.
      size_t n = std::min<size_t>(e.text.size(), wParam - 1);
      while (n < e.text.size() && (static_cast<unsigned char>(e.text[n]) & 0xC0) == 0x80) --n;
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
      backend::ShowEdit(window);
      return 0;
    case EM_GETSEL:
      backend::ReadSelection(window);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(e.selStart);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(e.selEnd);
      return MAKELONG(e.selStart, e.selEnd);
    case WM_CHAR: {
      const char c = static_cast<char>(wParam);
      if (c == 0x16) return SendMessageA(window, WM_PASTE, 0, 0);  // Ctrl+V
      if (c == 0x1A) return SendMessageA(window, WM_UNDO, 0, 0);   // Ctrl+Z
      backend::ReadSelection(window);
      Send(window, edit::Type(e, c));
      return 0;
    }
    case WM_PASTE: {
      const std::string text = backend::ClipboardText();
      backend::ReadSelection(window);
      Send(window, edit::Paste(e, text));
      return 0;
    }
    case WM_CLEAR:
      backend::ReadSelection(window);
      Send(window, edit::Clear(e));
      return 0;
    case WM_UNDO:
    case EM_UNDO:
      backend::ReadSelection(window);
      Send(window, edit::Undo(e));
      return TRUE;
    default:
      return DefaultProc(window, message, wParam, lParam);
  }
}

}  // namespace dialog_manager
