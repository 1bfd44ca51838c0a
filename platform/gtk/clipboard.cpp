// The clipboard. What the program copies is offered to other programs from
// memory; the text of another program's clipboard (or the primary
// selection) is asked for without a nested main loop, while the dialog
// manager keeps the user's input after the paste waiting.
#include "gtk_internals.h"

namespace {

GtkClipboard* Clipboard() { return gtk_clipboard_get(GDK_SELECTION_CLIPBOARD); }

void OfferText(GtkClipboard*, GtkSelectionData* data, guint, gpointer) {
  const std::string& text = gtkwin::records().copied;
  gtk_selection_data_set_text(data, text.c_str(), static_cast<gint>(text.size()));
}

void Released(GtkClipboard*, gpointer) {
  gtkwin::records().ownsClipboard = false;
  dialog_manager::ClipboardTaken();
}

void TextFromGtk(GtkClipboard*, const gchar* text, gpointer request) {
  const std::string received = text ? text : "";
  dialog_manager::TextArrived(GPOINTER_TO_UINT(request), text ? &received : nullptr);
}

// Another program's bytes need not be UTF-8; GDK's own conversion of such
// bytes prints a warning and gives nothing, so they are taken as they are,
// and the edit rules make them valid.
void BytesReceived(GtkClipboard* clipboard, GtkSelectionData* data, gpointer request) {
  const gint length = gtk_selection_data_get_length(data);
  if (length < 0) {  // not offered as UTF-8: the other text forms, as GTK converts them
    gtk_clipboard_request_text(clipboard, TextFromGtk, request);
    return;
  }
  const std::string received(reinterpret_cast<const char*>(gtk_selection_data_get_data(data)),
                             static_cast<size_t>(length));
  dialog_manager::TextArrived(GPOINTER_TO_UINT(request), &received);
}

}  // namespace

namespace backend {

bool PutOnClipboard(const std::string& text) {
  gtkwin::Records& r = gtkwin::records();
  if (text.empty()) {
    gtk_clipboard_clear(Clipboard());
    r.ownsClipboard = false;
    return false;
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
  return r.ownsClipboard;
}

void RequestText(dialog_manager::TextSource source, unsigned request) {
  const GdkAtom selection =
      source == dialog_manager::TextSource::Selection ? GDK_SELECTION_PRIMARY : GDK_SELECTION_CLIPBOARD;
  gtk_clipboard_request_contents(gtk_clipboard_get(selection), gdk_atom_intern_static_string("UTF8_STRING"),
                                 BytesReceived, GUINT_TO_POINTER(request));
}

}  // namespace backend
