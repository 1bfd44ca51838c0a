// The user's keys and text, as every implementation reports them, turned
// into the messages a Windows dialog receives: the one place where keys are
// bound to what they do.
#include "dialog_manager_records.h"

namespace dialog_manager {

namespace {

bool IsEdit(HWND window) { return window && window->kind == WindowKind::Edit; }

// The focus, if it is one of the dialog's controls.
HWND FocusIn(HWND dialog) {
  HWND focus = GetFocus();
  return focus && focus->parent == dialog ? focus : nullptr;
}

void SetModifiers(const KeyPress& key) {
  SetKeyDown(VK_SHIFT, key.shift);
  SetKeyDown(VK_CONTROL, key.control);
  SetKeyDown(VK_MENU, key.alt);
}

// What TranslateMessage makes of a key pressed in an edit: the character it
// sends as WM_CHAR, or 0. Ctrl+letter is a control character (Ctrl+C, V,
// X and Z copy, paste, cut and undo), Ctrl+Backspace is DEL, and Alt alone
// makes a system character, which an edit ignores.
char32_t Translated(const KeyPress& key) {
  const bool control = key.control && !key.alt, alt = key.alt && !key.control;
  if (key.virtualKey == VK_BACK) return alt ? 0 : (control ? 0x7F : '\b');
  if (control) return key.virtualKey >= 'A' && key.virtualKey <= 'Z' ? key.virtualKey - 'A' + 1 : 0;
  if (alt || key.virtualKey == VK_TAB || key.virtualKey == VK_RETURN || key.virtualKey == VK_ESCAPE) return 0;
  return key.character;
}

}  // namespace

KeyUse UseOf(HWND focus, const KeyPress& key, bool down) {
  if (key.composing) return KeyUse::Platform;
  const int vk = key.virtualKey;
  if (vk == VK_SPACE && focus && focus->kind == WindowKind::Button) return KeyUse::Dialog;
  if (!down) return KeyUse::Platform;
  if (vk == VK_TAB || vk == VK_ESCAPE || vk == VK_RETURN) return KeyUse::Dialog;
  if (!IsEdit(focus)) return KeyUse::Platform;
  const bool control = key.control && !key.alt;
  const bool selection = focus->edit.selStart != focus->edit.selEnd;
  switch (vk) {
    // Shift+Delete cuts a selection; with none it deletes backwards.
    case VK_DELETE: return key.shift && !key.control && selection ? KeyUse::Cut : KeyUse::Dialog;
    // Insert alone changes nothing: an edit has no overwrite mode.
    case VK_INSERT: return key.shift ? KeyUse::Paste : key.control ? KeyUse::Copy : KeyUse::Dialog;
    case VK_BACK: return KeyUse::Dialog;
    case 'C': return control ? KeyUse::Copy : KeyUse::Platform;
    case 'V': return control ? KeyUse::Paste : KeyUse::Platform;
    case 'X': return control ? KeyUse::Cut : KeyUse::Platform;
    case 'Z': return control ? KeyUse::Dialog : KeyUse::Platform;
    default: return KeyUse::Platform;
  }
}

KeyUse UseIn(HWND dialog, const KeyPress& key, bool down) {
  HWND focus = IfLive(dialog) ? FocusIn(dialog) : nullptr;
  if (IsEdit(focus)) backend::ReadSelection(focus);  // where the user has put it since
  return UseOf(focus, key, down);
}

bool TakesKey(HWND dialog, const KeyPress& key, bool down) {
  if (!IfLive(dialog) || key.composing) return false;
  HWND focus = FocusIn(dialog);
  if (!down) return UseOf(focus, key, false) == KeyUse::Dialog;
  // Keys the platform acts on, unless they type (Ctrl+letters other than
  // the four above type control characters, which an edit ignores).
  const char32_t typed = IsEdit(focus) ? Translated(key) : 0;
  return UseIn(dialog, key, true) != KeyUse::Platform || typed >= 0x20;
}

bool KeyDown(HWND dialog, const KeyPress& key, bool parked) {
  if (!IfLive(dialog) || key.composing) return false;
  if (!parked && !TakesKey(dialog, key, true)) return false;
  SetModifiers(key);
  HWND focus = FocusIn(dialog);
  const char32_t typed = IsEdit(focus) ? Translated(key) : 0;
  MSG msg = {};
  msg.hwnd = focus ? focus : dialog;
  msg.message = key.alt && !key.control ? WM_SYSKEYDOWN : WM_KEYDOWN;
  msg.wParam = static_cast<WPARAM>(key.virtualKey);
  msg.lParam = (key.alt ? 0x20000001 : 1) | (key.repeat ? 0x40000000 : 0);  // bit 29: Alt held; 30: repeat
  if (key.virtualKey != 0) IsDialogMessageA(dialog, &msg);
  if (typed != 0 && !dialog->ended && GetFocus() == focus) SendMessageA(focus, WM_CHAR, typed, 1);
  return true;
}

bool KeyUp(HWND dialog, const KeyPress& key) {
  if (!TakesKey(dialog, key, false)) return false;
  SetModifiers(key);
  MSG msg = {};
  msg.hwnd = FocusIn(dialog);
  msg.message = WM_KEYUP;
  msg.wParam = static_cast<WPARAM>(key.virtualKey);
  msg.lParam = static_cast<LPARAM>(0xC0000001);
  IsDialogMessageA(dialog, &msg);
  return true;
}

void TextTyped(HWND edit, const std::string& text) {
  if (!IsEdit(IfLive(edit))) return;
  SetModifiers(KeyPress{});
  HWND dialog = edit->parent;
  for (size_t at = 0; at < text.size() && IfLive(edit) && !(dialog && dialog->ended);) {
    char32_t point = 0xFFFD;  // what is not a character is typed as U+FFFD
    const size_t size = edit::DecodeCharacter(text, at, &point);
    at += size ? size : edit::InvalidSequenceLength(text, at);
    SendMessageA(edit, WM_CHAR, point, 1);
  }
}

void TextReplaced(HWND edit, const std::string& after, size_t caretAfter, bool pasted) {
  if (!IfLive(edit) || !IsEdit(edit)) return;
  const edit::Change change = edit::Difference(edit->edit.text, after, caretAfter);
  edit::Notifications n = UserDeleted(edit, change.at, change.at + change.removed);
  backend::ShowEdit(edit);
  NotifyEdit(edit, n);
  if (!IfLive(edit) || edit->parent == nullptr) return;
  edit::Select(edit->edit, static_cast<long long>(change.at), static_cast<long long>(change.at));
  backend::ShowEdit(edit);
  if (pasted) {
    TextPasted(edit, change.inserted);
  } else {
    TextTyped(edit, change.inserted);
  }
  if (IfLive(edit)) backend::ShowEdit(edit);  // the platform's own change put back where refused
}

}  // namespace dialog_manager
