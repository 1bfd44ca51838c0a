#include "window.h"

#include <cstring>
#include <memory>

namespace windows {

std::function<void(HWND, UINT, WPARAM, LPARAM)> spy;

namespace {

struct Registry {
  std::vector<std::unique_ptr<HWND__>> windows;
  HWND focus = nullptr;
};

Registry& registry() {
  static Registry r;
  return r;
}

bool IsTabStop(HWND control) {
  return (control->style & WS_TABSTOP) && !(control->style & WS_DISABLED);
}

}  // namespace

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

namespace {

void Command(HWND dialog, int id, WORD code, HWND control) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace

HWND New(WindowKind kind) {
  registry().windows.push_back(std::make_unique<HWND__>());
  HWND w = registry().windows.back().get();
  w->kind = kind;
  return w;
}

HWND Live(HWND window) {
  if (window == nullptr) return nullptr;
  for (const auto& w : registry().windows) {
    if (w.get() == window) return w->destroyed ? nullptr : window;
  }
  return nullptr;
}

void Forget() { registry() = Registry(); }

HWND FromTemplate(const res::DialogSpec& spec, DLGPROC proc) {
  HWND dialog = New(WindowKind::Dialog);
  dialog->style = spec.style;
  dialog->text = spec.caption;
  dialog->proc = DialogProc;
  dialog->dialogProc = proc;
  for (const res::ControlSpec& c : spec.controls) {
    const WindowKind kind = c.className == "BUTTON" ? WindowKind::Button
                            : c.className == "EDIT" ? WindowKind::Edit
                                                    : WindowKind::Static;
    HWND control = New(kind);
    control->id = c.id;
    control->style = c.style;
    control->text = c.text;  // a window's creation text notifies nobody
    control->edit.text = c.text;
    control->edit.digitsOnly = (c.style & ES_NUMBER) != 0;
    control->proc = kind == WindowKind::Button ? ButtonProc : kind == WindowKind::Edit ? EditProc : StaticProc;
    control->parent = dialog;
    dialog->children.push_back(control);
  }
  return dialog;
}

void Initialise(HWND dialog, LPARAM param) {
  HWND first = nullptr;
  for (HWND child : dialog->children) {
    if (!first && IsTabStop(child)) first = child;
  }
  // A TRUE result asks the dialog manager to focus the first tab stop.
  if (dialog->dialogProc(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && Live(dialog) &&
      first) {
    SetFocus(first);
  }
}

void Notify(HWND control, WORD code) {
  SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code),
               reinterpret_cast<LPARAM>(control));
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      window->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      hooks.textChanged(window);
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      const size_t n = std::min<size_t>(window->text.size(), wParam - 1);
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
      hooks.iconChanged(dialog);
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

}  // namespace windows

using windows::Live;

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Live(window)) return 0;
  if (windows::spy) windows::spy(window, message, wParam, lParam);
  return window->proc(window, message, wParam, lParam);
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
  if (!Live(dialog)) return nullptr;
  for (HWND child : dialog->children) {
    if (child->id == id) return child;
  }
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND control) { return Live(control) ? control->id : 0; }

LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index) {
  if (!Live(window) || index != GWLP_WNDPROC) return 0;
  return reinterpret_cast<LONG_PTR>(window->proc);
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR newLong) {
  if (!Live(window) || index != GWLP_WNDPROC) return 0;
  const WNDPROC previous = window->proc;
  window->proc = reinterpret_cast<WNDPROC>(newLong);
  return reinterpret_cast<LONG_PTR>(previous);
}

LRESULT WINAPI CallWindowProcA(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
  return previous ? previous(window, message, wParam, lParam) : 0;
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc,
                               LPARAM initParam) {
  HWND dialog = windows::hooks.createDialog(templateName, proc, initParam);
  if (dialog == nullptr) return -1;
  INT_PTR result = dialog->result;  // ended already while initialising
  if (!dialog->ended) {
    ShowWindow(dialog, SW_SHOW);
    result = windows::hooks.runModal(dialog);
  }
  DestroyWindow(dialog);
  return result;
}

HWND WINAPI CreateDialogParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc,
                               LPARAM initParam) {
  HWND dialog = windows::hooks.createDialog(templateName, proc, initParam);
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
  windows::hooks.destroyed(window);
  for (HWND child : window->children) child->destroyed = true;
  window->destroyed = true;
  return TRUE;
}

HWND WINAPI SetFocus(HWND window) {
  HWND previous = GetFocus();
  if (Live(window)) {
    windows::registry().focus = window;  // first: the implementation may tell us back
    windows::hooks.focused(window);
  }
  return previous;
}

HWND WINAPI GetFocus() { return Live(windows::registry().focus); }

BOOL WINAPI IsDialogMessageA(HWND dialog, MSG* msg) {
  if (!Live(dialog) || msg == nullptr || !Live(msg->hwnd)) return FALSE;
  if (msg->hwnd != dialog && msg->hwnd->parent != dialog) return FALSE;
  HWND focus = GetFocus();
  if (msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_TAB:
        windows::Tab(dialog, true);
        return TRUE;
      case VK_ESCAPE:
        windows::Command(dialog, IDCANCEL, BN_CLICKED, GetDlgItem(dialog, IDCANCEL));
        return TRUE;
      case VK_RETURN:
        // Windows makes a focused push button the default one, so Enter
        // presses it; with no default button, Enter is IDOK.
        if (focus && focus->parent == dialog && focus->kind == WindowKind::Button) {
          windows::Notify(focus, BN_CLICKED);
        } else {
          windows::Command(dialog, IDOK, BN_CLICKED, GetDlgItem(dialog, IDOK));
        }
        return TRUE;
      default:
        break;
    }
  }
  SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  return TRUE;
}

// Erases first, where the invalidation asked for it, as Windows does.
HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  if (!Live(window) || paint == nullptr) return nullptr;
  window->invalid = false;
  paint->hdc = windows::hooks.deviceContext(window);
  paint->fErase = FALSE;
  if (window->erase) {
    window->erase = false;
    paint->fErase = SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0;
  }
  GetClientRect(window, &paint->rcPaint);
  return paint->hdc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT*) { return Live(window) ? TRUE : FALSE; }
