// The stand-in's side of the shared windows: nothing to show, so most
// changes need nothing more; and the stand-in's records.
#include "state.h"

namespace standin {

State& state() {
  static State s;
  return s;
}

void Reset() {
  windows::Forget();
  windows::spy = nullptr;
  state() = State();
}

void SetMessageSpy(std::function<void(HWND, UINT, WPARAM, LPARAM)> spy) { windows::spy = std::move(spy); }

static void Nothing(HWND) {}
static std::string Clipboard() { return state().clipboard; }
static HDC DeviceContext(HWND window) { return &Native(window).dc; }

}  // namespace standin

const windows::Hooks windows::hooks = {
    standin::Nothing,    // textChanged
    standin::Nothing,    // iconChanged
    standin::Nothing,    // takeSelection: the state is the edit
    standin::Nothing,    // showEdit
    standin::Clipboard,  // clipboardText
    standin::Nothing,    // focused
    standin::Nothing,    // destroyed
    standin::DeviceContext,
    standin::CreateFromTemplate,
    standin::RunModal,
};
