// Windows, their procedures, and the messages between them.
#include <cstring>

#include "state.h"

namespace standin {

State& state() {
  static State s;
  return s;
}

void Reset() { state() = State(); }

void SetMessageSpy(std::function<void(HWND, UINT, WPARAM, LPARAM)> spy) {
  state().spy = std::move(spy);
}

HWND Live(HWND window) {
  for (const auto& w : state().windows) {
    if (w.get() == window) return w->destroyed ? nullptr : window;
  }
  return nullptr;
}

void Notify(HWND control, WORD code) {
  SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code),
               reinterpret_cast<LPARAM>(control));
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      window->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
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

}  // namespace standin

using standin::Live;

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Live(window)) return 0;
  if (standin::state().spy) standin::state().spy(window, message, wParam, lParam);
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
