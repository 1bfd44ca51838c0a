// The modal loop: GTK's main loop, until the dialog ends.
#include "gtk_internals.h"

namespace gtkwin {

bool PumpUntil(bool (*done)(HWND), HWND window, int ms) {
  const gint64 deadline = g_get_monotonic_time() + gint64(ms) * 1000;
  while (!done(window)) {
    if (g_get_monotonic_time() > deadline) return false;
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
  }
  return true;
}

}  // namespace gtkwin

namespace backend {

INT_PTR RunModal(HWND dialog) {
  while (!dialog->ended) gtk_main_iteration();
  return dialog->result;
}

}  // namespace backend
