// The clipboard. What the program copies is offered from memory, so that a
// paste of it needs no round trip; the text of another program's clipboard
// is asked for without a nested main loop, and the user's keys meanwhile
// wait for the paste, as they would in a Windows message queue.
#include "gtk_internals.h"

namespace {

GtkClipboard* Clipboard() { return gtk_clipboard_get(GDK_SELECTION_CLIPBOARD); }

void OfferText(GtkClipboard*, GtkSelectionData* data, guint, gpointer) {
  const std::string& text = gtkwin::records().copied;
  gtk_selection_data_set_text(data, text.c_str(), static_cast<gint>(text.size()));
}

void Released(GtkClipboard*, gpointer) { gtkwin::records().ownsClipboard = false; }

void Replay(HWND dialog, GdkEvent* event) {
  if (event->type == GDK_KEY_PRESS) gtkwin::OnKeyPress(nullptr, &event->key, dialog);
  if (event->type == GDK_KEY_RELEASE) gtkwin::OnKeyRelease(nullptr, &event->key, dialog);
  gdk_event_free(event);
}

void Received(GtkClipboard*, const gchar* text, gpointer) {
  gtkwin::Records& r = gtkwin::records();
  HWND edit = dialog_manager::IfLive(r.pasteInto);
  r.pasteInto = nullptr;
  if (edit) dialog_manager::TextPasted(edit, text ? text : "");
  // The keys that waited, in order, until one of them pastes again.
  while (!r.held.empty() && !r.pasteInto) {
    const auto next = r.held.front();
    r.held.erase(r.held.begin());
    Replay(next.first, next.second);
  }
}

}  // namespace

namespace gtkwin {

bool HoldWhilePasting(HWND dialog, GdkEventKey* event) {
  if (!records().pasteInto) return false;
  records().held.emplace_back(dialog, gdk_event_copy(reinterpret_cast<GdkEvent*>(event)));
  return true;
}

}  // namespace gtkwin

namespace backend {

void PutOnClipboard(const std::string& text) {
  gtkwin::Records& r = gtkwin::records();
  if (text.empty()) {
    gtk_clipboard_clear(Clipboard());
    r.ownsClipboard = false;
    return;
  }
  GtkTargetList* list = gtk_target_list_new(nullptr, 0);
  gtk_target_list_add_text_targets(list, 0);
  gint count = 0;
  GtkTargetEntry* targets = gtk_target_table_new_from_list(list, &count);
  r.copied = text;
  r.ownsClipboard =
      gtk_clipboard_set_with_data(Clipboard(), targets, static_cast<guint>(count), OfferText, Released, nullptr);
  // Kept past the program's end by a clipboard manager, if the desktop has one.
  gtk_clipboard_set_can_store(Clipboard(), nullptr, 0);
  gtk_target_table_free(targets, count);
  gtk_target_list_unref(list);
}

void Paste(HWND edit) {
  gtkwin::Records& r = gtkwin::records();
  if (r.ownsClipboard) {
    dialog_manager::TextPasted(edit, r.copied);
  } else if (!r.pasteInto) {
    r.pasteInto = edit;
    gtk_clipboard_request_text(Clipboard(), Received, nullptr);
  }
}

}  // namespace backend
