// The focus, the keyboard's state, and the dialog manager's keys: Tab and
// Shift+Tab through the tab stops, Escape, Enter.
#include "dialog_manager_records.h"

namespace dialog_manager {

bool IsTabStop(HWND control) { return (control->style & WS_TABSTOP) && !(control->style & WS_DISABLED); }

namespace {

// Moves the focus to the next (or previous) tab stop in template order,
// wrapping, and selects the whole text of a field it lands on.
void Tab(HWND dialog, bool forward) {
  const auto& controls = dialog->children;
  const size_t n = controls.size();
  if (n == 0) return;
  size_t at = forward ? n - 1 : 0;
  for (size_t i = 0; i < n; ++i) {
    if (controls[i] == GetFocus()) at = i;
  }
  for (size_t step = 1; step <= n; ++step) {
    HWND next = controls[(forward ? at + step : at + n - step) % n];
    if (!IsTabStop(next)) continue;
    if (next->kind == WindowKind::Edit) SendMessageA(next, EM_SETSEL, 0, -1);
    SetFocus(next);
    return;
  }
}

}  // namespace

void SendCommand(HWND dialog, int id, HWND control) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void SetKeyDown(int virtualKey, bool down) {
  BYTE& key = records().keys[virtualKey & 0xFF];
  key = static_cast<BYTE>(down ? key | 0x80 : key & ~0x80);
}

}  // namespace dialog_manager

using dialog_manager::IfLive;

HWND WINAPI SetFocus(HWND window) {
  HWND previous = GetFocus();
  if (IfLive(window)) {
    dialog_manager::records().focus = window;  // first: the implementation may tell us back
    backend::FocusNative(window);
  }
  return previous;
}

HWND WINAPI GetFocus() { return IfLive(dialog_manager::records().focus); }

// Down in the high bit, as a short's sign.
short WINAPI GetKeyState(int virtualKey) {
  return (dialog_manager::records().keys[virtualKey & 0xFF] & 0x80) ? static_cast<short>(0x8000) : 0;
}

BOOL WINAPI IsDialogMessageA(HWND dialog, MSG* msg) {
  if (!IfLive(dialog) || msg == nullptr || !IfLive(msg->hwnd)) return FALSE;
  if (msg->hwnd != dialog && msg->hwnd->parent != dialog) return FALSE;
  HWND focus = GetFocus();
  if (msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_TAB:
        dialog_manager::Tab(dialog, GetKeyState(VK_SHIFT) >= 0);
        return TRUE;
      case VK_ESCAPE:
        dialog_manager::SendCommand(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
        return TRUE;
      case VK_RETURN:
        // Windows makes a focused push button the default one, so Enter
        // presses it; with no default button, Enter is IDOK.
        if (focus && focus->parent == dialog && focus->kind == WindowKind::Button) {
          dialog_manager::Notify(focus, BN_CLICKED);
        } else {
          dialog_manager::SendCommand(dialog, IDOK, GetDlgItem(dialog, IDOK));
        }
        return TRUE;
      default:
        break;
    }
  }
  SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  return TRUE;
}
