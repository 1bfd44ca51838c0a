// The modal loop: GTK's main loop, until the dialog ends; and its clock.
#include "gtk_internals.h"

namespace {

gboolean Wake(gpointer) {
  dialog_manager::TimePassed();
  return G_SOURCE_REMOVE;
}

}  // namespace

namespace backend {

INT_PTR RunModal(HWND dialog) {
  while (!dialog->ended) gtk_main_iteration();
  return dialog->result;
}

uint64_t Now() { return static_cast<uint64_t>(g_get_monotonic_time() / 1000); }

// Ahead of the user's next events: what the dialog manager holds until
// GTK is idle (a step of GTK's own) is settled before they are handled.
void WakeAt(uint64_t ms) {
  const uint64_t now = Now();
  g_timeout_add_full(G_PRIORITY_HIGH, static_cast<guint>(ms > now ? ms - now : 0), Wake, nullptr, nullptr);
}

}  // namespace backend
