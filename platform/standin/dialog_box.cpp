// Dialogs: made from a registered template, modal or modeless, and the
// dialog manager's keyboard.
#include "state.h"

namespace standin {

// What DefDlgProc does: the dialog procedure first, then the few defaults
// that the dialog relies on. What Windows would post (WM_CLOSE's IDCANCEL)
// is dropped: the stand-in has no message queue.
static LRESULT CALLBACK DialogWindowProc(HWND dialog, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  const INT_PTR handled = dialog->dialogProc(dialog, message, wParam, lParam);
  if (handled) return handled;
  if (message == WM_SETICON || message == WM_GETICON) {
    HICON& slot = wParam == ICON_BIG ? dialog->bigIcon : dialog->smallIcon;
    HICON previous = slot;
    if (message == WM_SETICON) slot = reinterpret_cast<HICON>(lParam);
    return reinterpret_cast<LRESULT>(previous);
  }
  return DefaultProc(dialog, message, wParam, lParam);
}

static WindowKind KindOf(const std::string& className) {
  if (className == "BUTTON") return WindowKind::Button;
  if (className == "EDIT") return WindowKind::Edit;
  return WindowKind::Static;
}

static WNDPROC ProcOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::Button: return ButtonProc;
    case WindowKind::Edit: return EditProc;
    default: return StaticProc;
  }
}

static HWND NewWindow(WindowKind kind) {
  state().windows.push_back(std::make_unique<HWND__>());
  HWND w = state().windows.back().get();
  w->kind = kind;
  w->dc.window = w;
  return w;
}

static bool IsTabStop(HWND control) {
  return (control->style & WS_TABSTOP) && !(control->style & WS_DISABLED);
}

// The first control a Tab would reach.
static HWND FirstTabStop(HWND dialog) {
  for (HWND child : dialog->children) {
    if (IsTabStop(child)) return child;
  }
  return nullptr;
}

static HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param) {
  const auto name = reinterpret_cast<ULONG_PTR>(templateName);
  if (name > 0xFFFF || proc == nullptr) return nullptr;  // known by number only
  auto found = state().templates.find(static_cast<int>(name));
  if (found == state().templates.end()) return nullptr;
  const DialogSpec& spec = found->second;

  HWND dialog = NewWindow(WindowKind::Dialog);
  dialog->style = spec.style;
  dialog->x = spec.x, dialog->y = spec.y, dialog->cx = spec.cx, dialog->cy = spec.cy;
  dialog->text = spec.caption;
  dialog->proc = DialogWindowProc;
  dialog->dialogProc = proc;
  for (const ControlSpec& c : spec.controls) {
    HWND control = NewWindow(KindOf(c.className));
    control->id = c.id;
    control->style = c.style;
    control->x = c.x, control->y = c.y, control->cx = c.cx, control->cy = c.cy;
    control->text = c.text;  // a window's creation text notifies nobody
    control->edit.text = c.text;
    control->edit.digitsOnly = (c.style & ES_NUMBER) != 0;
    control->proc = ProcOf(control->kind);
    control->parent = dialog;
    dialog->children.push_back(control);
  }

  // A TRUE result asks the dialog manager to focus the first tab stop.
  HWND first = FirstTabStop(dialog);
  if (proc(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && Live(dialog)) {
    SetFocus(first);
  }
  return dialog;
}

// Moves the focus to the next tab stop after the focus, in template order,
// wrapping, and selects the whole text of a field it lands on.
static void TabForward(HWND dialog) {
  const auto& controls = dialog->children;
  size_t at = controls.size() - 1;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i] == state().focus) at = i;
  }
  for (size_t step = 1; step <= controls.size(); ++step) {
    HWND next = controls[(at + step) % controls.size()];
    if (!IsTabStop(next)) continue;
    if (next->kind == WindowKind::Edit) SendMessageA(next, EM_SETSEL, 0, -1);
    SetFocus(next);
    return;
  }
}

static void Command(HWND dialog, int id, WORD code, HWND control) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace standin

using namespace standin;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc,
                               LPARAM initParam) {
  HWND dialog = CreateFromTemplate(templateName, proc, initParam);
  if (dialog == nullptr) return -1;
  dialog->modal = true;
  if (!dialog->ended) {
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    if (state().user) state().user(dialog);
  }
  const INT_PTR result = dialog->ended ? dialog->result : kAbandoned;
  DestroyWindow(dialog);
  return result;
}

HWND WINAPI CreateDialogParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc,
                               LPARAM initParam) {
  HWND dialog = CreateFromTemplate(templateName, proc, initParam);
  if (dialog && (dialog->style & 0x10000000L)) ShowWindow(dialog, SW_SHOW);  // WS_VISIBLE
  return dialog;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  if (!Live(dialog) || dialog->kind != WindowKind::Dialog) return FALSE;
  dialog->ended = true;  // a modal loop ends once the current message is done
  dialog->result = result;
  ShowWindow(dialog, SW_HIDE);
  return TRUE;
}

BOOL WINAPI DestroyWindow(HWND window) {
  if (!Live(window)) return FALSE;
  window->proc(window, WM_DESTROY, 0, 0);
  for (HWND child : window->children) child->destroyed = true;
  window->destroyed = true;
  if (!Live(state().focus)) state().focus = nullptr;
  return TRUE;
}

BOOL WINAPI ShowWindow(HWND window, int command) {
  if (!Live(window)) return FALSE;
  const bool wasVisible = window->visible;
  window->visible = command != SW_HIDE;
  if (window->visible && !wasVisible) {
    InvalidateRect(window, nullptr, TRUE);  // a window shown paints afresh
    for (HWND child : window->children) InvalidateRect(child, nullptr, TRUE);
  }
  return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND window) {
  if (!Live(window)) return FALSE;
  return window->parent ? IsWindowVisible(window->parent) : window->visible;
}

HWND WINAPI SetFocus(HWND window) {
  HWND previous = GetFocus();
  if (window == nullptr || Live(window)) state().focus = window;
  return previous;
}

HWND WINAPI GetFocus() { return Live(state().focus); }

BOOL WINAPI IsDialogMessageA(HWND dialog, MSG* msg) {
  if (!Live(dialog) || msg == nullptr || !Live(msg->hwnd)) return FALSE;
  if (msg->hwnd != dialog && msg->hwnd->parent != dialog) return FALSE;
  HWND focus = GetFocus();
  if (msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_TAB:
        TabForward(dialog);
        return TRUE;
      case VK_ESCAPE:
        Command(dialog, IDCANCEL, BN_CLICKED, GetDlgItem(dialog, IDCANCEL));
        return TRUE;
      case VK_RETURN:
        // Windows makes a focused push button the default one, so Enter
        // presses it; with no default button, Enter is IDOK.
        if (focus && focus->parent == dialog && focus->kind == WindowKind::Button) {
          Notify(focus, BN_CLICKED);
        } else {
          Command(dialog, IDOK, BN_CLICKED, GetDlgItem(dialog, IDOK));
        }
        return TRUE;
      default:
        break;
    }
  }
  SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  return TRUE;
}

namespace standin {

void SetUser(std::function<void(HWND)> user) { state().user = std::move(user); }

void RegisterTemplate(int resourceId, const DialogSpec& spec) {
  state().templates[resourceId] = spec;
}

}  // namespace standin
