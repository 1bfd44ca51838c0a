// Dialogs: made from a registered template, modal or modeless.
#include "state.h"

namespace standin {

HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param) {
  const auto name = reinterpret_cast<ULONG_PTR>(templateName);
  if (name > 0xFFFF || proc == nullptr) return nullptr;  // known by number only
  auto found = state().templates.find(static_cast<int>(name));
  if (found == state().templates.end()) return nullptr;
  const res::DialogSpec& spec = found->second;

  HWND dialog = windows::FromTemplate(spec, proc);
  auto attach = [](HWND window, int x, int y, int cx, int cy) {
    state().natives.push_back(std::make_unique<NativeWindow>());
    window->native = state().natives.back().get();
    NativeWindow& n = Native(window);
    n.x = x, n.y = y, n.cx = cx, n.cy = cy;
    n.dc.window = window;
  };
  attach(dialog, spec.x, spec.y, spec.cx, spec.cy);
  for (size_t i = 0; i < spec.controls.size(); ++i) {
    const res::ControlSpec& c = spec.controls[i];
    attach(dialog->children[i], c.x, c.y, c.cx, c.cy);
  }
  windows::Initialise(dialog, param);
  return dialog;
}

// The modal loop is the script standing for the user, run once the dialog
// is painted; a dialog it leaves open is abandoned.
INT_PTR RunModal(HWND dialog) {
  UpdateWindow(dialog);
  if (state().user) state().user(dialog);
  return dialog->ended ? dialog->result : kAbandoned;
}

}  // namespace standin

using namespace standin;

BOOL WINAPI ShowWindow(HWND window, int command) {
  if (!windows::Live(window)) return FALSE;
  NativeWindow& n = Native(window);
  const bool wasVisible = n.visible;
  n.visible = command != SW_HIDE;
  if (n.visible && !wasVisible) {
    InvalidateRect(window, nullptr, TRUE);  // a window shown paints afresh
    for (HWND child : window->children) InvalidateRect(child, nullptr, TRUE);
  }
  return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND window) {
  if (!windows::Live(window)) return FALSE;
  return window->parent ? IsWindowVisible(window->parent) : Native(window).visible;
}

namespace standin {

void SetUser(std::function<void(HWND)> user) { state().user = std::move(user); }

void RegisterTemplate(int resourceId, const res::DialogSpec& spec) {
  state().templates[resourceId] = spec;
}

}  // namespace standin
