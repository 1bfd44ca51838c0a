// The edit control's window procedure: the edit rules applied to the
// control's state, shown by the implementation, and their notifications sent
// to the parent before the change returns.
#include <algorithm>
#include <cstring>

#include "dialog_manager_records.h"

namespace dialog_manager {

void UserSelected(HWND edit, size_t start, size_t end) {
  if (!IfLive(edit)) return;
  edit::Select(edit->edit, static_cast<long long>(std::min(start, end)),
               static_cast<long long>(std::max(start, end)));
}

edit::Notifications UserDeleted(HWND edit, size_t start, size_t end) {
  return IfLive(edit) ? edit::Delete(edit->edit, std::min(start, end), std::max(start, end)) : edit::Notifications{};
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

// Its callers give it edits only; one may have gone meanwhile.
void TextPasted(HWND edit, const std::string& text) {
  if (!IfLive(edit)) return;
  backend::ReadSelection(edit);
  Send(edit, edit::Paste(edit->edit, text));
}

namespace {

// The selection to the clipboard, if there is one.
void Copy(HWND edit) {
  backend::ReadSelection(edit);
  if (edit->edit.selStart != edit->edit.selEnd) Copied(edit::Selected(edit->edit));
}

// Deletes the selection, or else the characters from the caret to `to`.
void DeleteFromCaret(HWND edit, long long to) {
  edit::EditState& e = edit->edit;
  if (e.selStart == e.selEnd) edit::Select(e, static_cast<long long>(e.selStart), to);
  Send(edit, edit::Clear(e));
}

// The keys that move the caret, from its end of the selection, as Windows'
// edit control moves it; with Shift the selection's other end stays.
// The user's own keys do this on the platform, which shows the caret; only
// a key the platform has let go (one that waited for a paste) comes here.
// Ctrl moves it by words: to a word's start, words ending at spaces.
void MoveCaret(HWND edit, WPARAM key, bool shift, bool control) {
  edit::EditState& e = edit->edit;
  const size_t length = edit::Length(e);
  const auto space = [&](size_t at) { return e.text[edit::ByteOffset(e.text, at)] == ' '; };
  size_t caret = e.selEnd;
  if (key == VK_HOME) caret = 0;
  if (key == VK_END) caret = length;
  if (key == VK_LEFT && caret > 0) {
    --caret;
    while (control && caret > 0 && space(caret)) --caret;
    while (control && caret > 0 && !space(caret - 1)) --caret;
  }
  if (key == VK_RIGHT && caret < length) {
    ++caret;
    while (control && caret < length && !space(caret)) ++caret;
    while (control && caret < length && space(caret)) ++caret;
  }
  const size_t anchor = shift ? e.selStart : caret;
  edit::Select(e, static_cast<long long>(anchor), static_cast<long long>(caret));
  backend::ShowEdit(edit);
}

// The keys that edit without typing a character, as Windows' edit control
// binds them.
void EditKey(HWND edit, WPARAM key) {
  if (GetKeyState(VK_MENU) < 0) return;
  const bool shift = GetKeyState(VK_SHIFT) < 0, control = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_HOME || key == VK_END || key == VK_LEFT || key == VK_RIGHT) {
    backend::ReadSelection(edit);
    MoveCaret(edit, key, shift, control);
  } else if (key == VK_DELETE && !(shift && control)) {
    backend::ReadSelection(edit);
    const long long caret = static_cast<long long>(edit->edit.selStart);
    if (edit->edit.selStart != edit->edit.selEnd) {
      SendMessageA(edit, shift ? WM_CUT : WM_CLEAR, 0, 0);
    } else if (shift) {  // with no selection, Shift+Delete deletes backwards
      DeleteFromCaret(edit, caret > 0 ? caret - 1 : 0);
    } else {  // Ctrl+Delete to the end, Delete the next character
      DeleteFromCaret(edit, control ? -1 : caret + 1);
    }
  } else if (key == VK_INSERT && shift) {
    SendMessageA(edit, WM_PASTE, 0, 0);
  } else if (key == VK_INSERT && control) {
    SendMessageA(edit, WM_COPY, 0, 0);
  }
}

}  // namespace

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  edit::EditState& e = window->edit;
  switch (message) {
    case WM_SETTEXT:
      Send(window, edit::SetText(e, lParam ? reinterpret_cast<const char*>(lParam) : ""));
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      // What fits, without the part of a character that does not.
      const size_t n = edit::WholeCharactersIn(e.text, wParam - 1);
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
    case WM_KEYDOWN:
      EditKey(window, wParam);
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+Backspace undoes, if there is something to undo.
      if (wParam == VK_BACK && (lParam & 0x20000000) && e.canUndo) SendMessageA(window, WM_UNDO, 0, 0);
      return 0;
    case WM_CHAR: {
      // The whole code point: a character is never cut to a byte.
      const auto c = static_cast<char32_t>(wParam);
      switch (c) {
        case 0x03: return SendMessageA(window, WM_COPY, 0, 0);   // Ctrl+C
        case 0x16: return SendMessageA(window, WM_PASTE, 0, 0);  // Ctrl+V
        case 0x18: return SendMessageA(window, WM_CUT, 0, 0);    // Ctrl+X
        case 0x1A: return SendMessageA(window, WM_UNDO, 0, 0);   // Ctrl+Z
        case '\b':
          if (GetKeyState(VK_CONTROL) < 0) return 0;  // Ctrl+Backspace deletes nothing
          break;
        default: break;
      }
      backend::ReadSelection(window);
      Send(window, edit::Type(e, c));
      return 0;
    }
    case WM_COPY:
      Copy(window);
      return 0;
    case WM_CUT:
      Copy(window);
      Send(window, edit::Clear(e));
      return 0;
    case WM_PASTE:
      backend::ReadSelection(window);
      FetchPaste(window, TextSource::Clipboard, e.selStart, e.selEnd);
      return 0;
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
