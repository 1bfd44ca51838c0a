// The clipboard. What the program copies is offered from memory, so that a
// paste of it needs no round trip; the text of another program's clipboard
// (or the primary selection) is asked for without a nested main loop, while
// the dialog manager keeps the user's input after the paste waiting.
#include "gtk_internals.h"

namespace {

GtkClipboard* Clipboard() { return gtk_clipboard_get(GDK_SELECTION_CLIPBOARD); }

void OfferText(GtkClipboard*, GtkSelectionData* data, guint, gpointer) {
  const std::string& text = gtkwin::records().copied;
  gtk_selection_data_set_text(data, text.c_str(), static_cast<gint>(text.size()));
}

void Released(GtkClipboard*, gpointer) { gtkwin::records().ownsClipboard = false; }

// Each request is numbered, so that an answer that comes after its wait has
// ended is not taken for the answer to a later one.
guint& LastRequest() {
  static guint serial = 0;
  return serial;
}

void Answer(gpointer request, const std::string* text) {
  if (GPOINTER_TO_UINT(request) != LastRequest() || !dialog_manager::Waiting()) return;
  ++LastRequest();  // answered: nothing more is taken for it
  dialog_manager::TextArrived(text);
}

void TextFromGtk(GtkClipboard*, const gchar* text, gpointer request) {
  const std::string received = text ? text : "";
  Answer(request, text ? &received : nullptr);
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
  Answer(request, &received);
}

// An owner that does not answer in time has nothing to paste.
gboolean WaitEnded(gpointer request) {
  Answer(request, nullptr);
  return G_SOURCE_REMOVE;
}

}  // namespace

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

void RequestText(dialog_manager::TextSource source) {
  gtkwin::Records& r = gtkwin::records();
  if (source == dialog_manager::TextSource::Clipboard && r.ownsClipboard) {
    dialog_manager::TextArrived(&r.copied);
    return;
  }
  const gpointer request = GUINT_TO_POINTER(++LastRequest());
  const GdkAtom selection =
      source == dialog_manager::TextSource::Selection ? GDK_SELECTION_PRIMARY : GDK_SELECTION_CLIPBOARD;
  g_timeout_add(gtkwin::kPasteWaitMs, WaitEnded, request);
  gtk_clipboard_request_contents(gtk_clipboard_get(selection), gdk_atom_intern_static_string("UTF8_STRING"),
                                 BytesReceived, request);
}

}  // namespace backend
