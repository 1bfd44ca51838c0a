// The dialog's busy state while a paste waits, for screen readers: both
// the event, for those that listen, and the state itself, for those that
// ask. GTK's accessibles work their states out afresh whenever asked and
// know nothing of the wait, so the dialog's accessible class gets one step
// more, which adds the busy state to the states of a window marked busy.
#include "gtk_internals.h"

namespace {

const char kBusy[] = "rgbhsv-busy";

AtkStateSet* (*&GtkStates())(AtkObject*) {
  static AtkStateSet* (*states)(AtkObject*) = nullptr;
  return states;
}

AtkStateSet* StatesWithBusy(AtkObject* accessible) {
  AtkStateSet* states = GtkStates()(accessible);
  GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible));
  if (widget && g_object_get_data(G_OBJECT(widget), kBusy)) atk_state_set_add_state(states, ATK_STATE_BUSY);
  return states;
}

}  // namespace

namespace backend {

void ShowBusy(HWND dialog, bool busy) {
  GtkWidget* widget = gtkwin::Widget(dialog);
  AtkObject* accessible = gtk_widget_get_accessible(widget);
  if (!accessible || !GTK_IS_ACCESSIBLE(accessible)) return;
  AtkObjectClass* type = ATK_OBJECT_GET_CLASS(accessible);
  if (!GtkStates()) {  // every dialog is a GtkWindow: one class to extend
    GtkStates() = type->ref_state_set;
    type->ref_state_set = StatesWithBusy;
  }
  g_object_set_data(G_OBJECT(widget), kBusy, GINT_TO_POINTER(busy));
  atk_object_notify_state_change(accessible, ATK_STATE_BUSY, busy);
}

}  // namespace backend
