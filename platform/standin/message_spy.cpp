// A message sent, as a message spy sees it first: what tests watch of the
// dialog (its writes, its paints) without a hook in the programs.
#include "standin_records.h"

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!dialog_manager::IfLive(window)) return 0;
  if (standin::records().spy) standin::records().spy(window, message, wParam, lParam);
  return window->proc(window, message, wParam, lParam);
}
