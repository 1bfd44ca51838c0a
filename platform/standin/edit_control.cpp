// The edit control, as far as the dialog can tell: text, a selection, a
// length limit, the digits-only style for typed characters, one step of
// undo, and change notifications sent before the change returns, in the
// order and on the occasions Wine's edit control sends them.
#include "state.h"

namespace standin {

static void NotifyChange(HWND edit) {
  Notify(edit, EN_UPDATE);
  Notify(edit, EN_CHANGE);
}

// Replaces the selection, as typing, pasting and deleting do. Only the user's
// input is held to the limit: what does not fit is cut off, and the parent
// hears EN_MAXTEXT. Wine notifies a change even when a keystroke is refused
// at the limit, and so does this.
static void ReplaceSelection(HWND edit, std::string insert, bool honourLimit) {
  const size_t start = std::min(edit->selStart, edit->selEnd);
  const size_t end = std::max(edit->selStart, edit->selEnd);
  const size_t kept = edit->text.size() - (end - start);
  bool full = false;
  if (honourLimit && kept + insert.size() > edit->limit) {
    insert.resize(edit->limit > kept ? edit->limit - kept : 0);
    full = true;
  }
  const bool changed = !insert.empty() || end > start;
  if (changed) {
    edit->undoText = edit->text;
    edit->canUndo = true;
  }
  edit->text.replace(start, end - start, insert);
  edit->selStart = edit->selEnd = start + insert.size();
  if (full) Notify(edit, EN_MAXTEXT);
  if (changed || full) NotifyChange(edit);
}

static void Backspace(HWND edit) {
  if (edit->selStart == edit->selEnd) {
    if (edit->selStart == 0) return;  // nothing before the caret: no change
    --edit->selStart;
  }
  ReplaceSelection(edit, "", false);
}

// One step back, and Undo again steps forward. With nothing to undo the
// text stays, and Wine notifies a change all the same.
static void Undo(HWND edit) {
  if (edit->canUndo) {
    std::swap(edit->text, edit->undoText);
    edit->selStart = edit->selEnd = edit->text.size();
    NotifyChange(edit);
  }
  Notify(edit, EN_CHANGE);
}

static void Char(HWND edit, char c) {
  switch (c) {
    case '\b': return Backspace(edit);
    case 0x16: SendMessageA(edit, WM_PASTE, 0, 0); return;  // Ctrl+V
    case 0x1A: SendMessageA(edit, WM_UNDO, 0, 0); return;   // Ctrl+Z
    default: break;
  }
  if (static_cast<unsigned char>(c) < 0x20) return;
  // ES_NUMBER holds back typed non-digits only; pasted text gets through.
  if ((edit->style & ES_NUMBER) && !(c >= '0' && c <= '9')) return;
  ReplaceSelection(edit, std::string(1, c), true);
}

static LRESULT SetSelection(HWND edit, WPARAM wParam, LPARAM lParam) {
  const size_t size = edit->text.size();
  const auto start = static_cast<INT_PTR>(wParam);
  const auto end = static_cast<INT_PTR>(lParam);
  if (start < 0) {  // -1 removes the selection
    edit->selStart = edit->selEnd;
    return 0;
  }
  edit->selStart = std::min<size_t>(static_cast<size_t>(start), size);
  edit->selEnd = end < 0 ? size : std::min<size_t>(static_cast<size_t>(end), size);
  return 0;
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      // Neither the limit nor ES_NUMBER applies, even the same text again is
      // a change, the caret goes to the start, and there is nothing to undo.
      edit->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      edit->selStart = edit->selEnd = 0;
      edit->canUndo = false;
      NotifyChange(edit);
      return TRUE;
    case EM_LIMITTEXT:
      edit->limit = wParam ? wParam : 0x7FFFFFFE;
      return 0;
    case EM_SETSEL:
      return SetSelection(edit, wParam, lParam);
    case EM_GETSEL: {
      const DWORD start = static_cast<DWORD>(std::min(edit->selStart, edit->selEnd));
      const DWORD end = static_cast<DWORD>(std::max(edit->selStart, edit->selEnd));
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
      return MAKELONG(start, end);
    }
    case WM_CHAR:
      Char(edit, static_cast<char>(wParam));
      return 0;
    case WM_PASTE: {
      // A single-line edit takes the clipboard's first line.
      const std::string& clip = state().clipboard;
      ReplaceSelection(edit, clip.substr(0, clip.find_first_of("\r\n")), true);
      return 0;
    }
    case WM_CLEAR:
      if (edit->selStart != edit->selEnd) ReplaceSelection(edit, "", false);
      return 0;
    case WM_UNDO:
    case EM_UNDO:
      Undo(edit);
      return TRUE;
    default:
      return DefaultProc(edit, message, wParam, lParam);
  }
}

}  // namespace standin
