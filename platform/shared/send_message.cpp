// A message sent: straight to the window's procedure. On its own, so that
// the stand-in can send through a message spy of its own instead.
#include "dialog_manager_records.h"

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return dialog_manager::IfLive(window) ? window->proc(window, message, wParam, lParam) : 0;
}
