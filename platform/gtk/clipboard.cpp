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

void Received(const char* text) {
  gtkwin::Records& r = gtkwin::records();
  HWND edit = dialog_manager::IfLive(r.pasteInto);
  r.pasteInto = nullptr;
  if (edit) dialog_manager::TextPasted(edit, text);
  gtkwin::ReplayHeld();
}

void TextFromGtk(GtkClipboard*, const gchar* text, gpointer received) {
  reinterpret_cast<void (*)(const char*)>(received)(text ? text : "");
}

// Another program's bytes need not be UTF-8; GDK's own conversion of such
// bytes prints a warning and gives nothing, so they are taken as they are
// and what is not UTF-8 becomes U+FFFD.
void BytesReceived(GtkClipboard* clipboard, GtkSelectionData* data, gpointer received) {
  const gint length = gtk_selection_data_get_length(data);
  if (length < 0) {  // not offered as UTF-8: the other text forms, as GTK converts them
    gtk_clipboard_request_text(clipboard, TextFromGtk, received);
    return;
  }
  gchar* text = g_utf8_make_valid(reinterpret_cast<const gchar*>(gtk_selection_data_get_data(data)), length);
  reinterpret_cast<void (*)(const char*)>(received)(text);
  g_free(text);
}

}  // namespace

namespace gtkwin {

void ReplayHeld() {
  Records& r = records();
  // The keys that waited, in order, until one of them pastes again.
  while (!r.held.empty() && !r.pasteInto && !r.primaryInto) {
    const auto next = r.held.front();
    r.held.erase(r.held.begin());
    Replay(next.first, next.second);
  }
}

void RequestText(GdkAtom selection, void (*received)(const char* text)) {
  gtk_clipboard_request_contents(gtk_clipboard_get(selection), gdk_atom_intern_static_string("UTF8_STRING"),
                                 BytesReceived, reinterpret_cast<gpointer>(received));
}

bool HoldWhilePasting(HWND dialog, GdkEventKey* event) {
  if (!records().pasteInto && !records().primaryInto) return false;
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
    gtkwin::RequestText(GDK_SELECTION_CLIPBOARD, Received);
  }
}

}  // namespace backend
