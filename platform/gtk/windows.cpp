// Windows, their procedures, and the messages between them.
#include <cstring>

#include "gtk_state.h"

namespace gtkwin {

State& state() {
  static State s;
  return s;
}

HWND Live(HWND window) {
  for (const auto& w : state().windows) {
    if (w.get() == window) return w->destroyed ? nullptr : window;
  }
  return nullptr;
}

HWND WindowOf(GtkWidget* widget) {
  for (; widget; widget = gtk_widget_get_parent(widget)) {
    if (auto* w = static_cast<HWND>(g_object_get_data(G_OBJECT(widget), "rgbhsv-hwnd"))) return Live(w);
  }
  return nullptr;
}

void Notify(HWND control, WORD code) {
  SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code),
               reinterpret_cast<LPARAM>(control));
}

bool PumpUntil(bool (*done)(HWND), HWND window, int ms) {
  const gint64 deadline = g_get_monotonic_time() + gint64(ms) * 1000;
  while (!done(window)) {
    if (g_get_monotonic_time() > deadline) return false;
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
  }
  return true;
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      window->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      if (GTK_IS_LABEL(window->widget)) gtk_label_set_text(GTK_LABEL(window->widget), window->text.c_str());
      if (GTK_IS_BUTTON(window->widget)) gtk_button_set_label(GTK_BUTTON(window->widget), window->text.c_str());
      if (GTK_IS_WINDOW(window->widget)) gtk_window_set_title(GTK_WINDOW(window->widget), window->text.c_str());
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

// A push button: Space pressed and released on it clicks it; a mouse click
// arrives through GTK's "clicked".
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

}  // namespace gtkwin

using gtkwin::Live;

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Live(window) ? window->proc(window, message, wParam, lParam) : 0;
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
