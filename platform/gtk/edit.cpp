// Edit controls over GtkEntry. The shared edit control decides what typing,
// pasting, deleting and writing do; the entry only shows the result. Keys
// that edit are taken before GTK sees them, so that a keystroke is one edit
// with one change notification, sent before it returns, exactly as on
// Windows. What GTK would insert or delete by other means (an input
// method, drag and drop, the middle button's paste) is taken from it before
// it changes the entry, put through the same rules as a paste or a
// deletion, and notified once, however many steps GTK takes for it.
#include <algorithm>
#include <cstring>

#include "gtk_internals.h"

namespace gtkwin {

static GtkEditable* Editable(HWND edit) { return GTK_EDITABLE(Widget(edit)); }

}  // namespace gtkwin

namespace backend {

// Where the user has put the caret or selection meanwhile.
void ReadSelection(HWND edit) {
  int start = 0, end = 0;
  if (!gtk_editable_get_selection_bounds(gtkwin::Editable(edit), &start, &end)) {
    start = end = gtk_editable_get_position(gtkwin::Editable(edit));
  }
  dialog_manager::UserSelected(edit, static_cast<size_t>(start), static_cast<size_t>(end));
}

// Shows the state in the entry, without taking it for a change of GTK's.
void ShowEdit(HWND edit) {
  using gtkwin::Widget;
  using gtkwin::Editable;
  GtkWidget* entry = Widget(edit);
  g_signal_handler_block(entry, edit->native->insertHandler);
  g_signal_handler_block(entry, edit->native->deleteHandler);
  if (std::strcmp(gtk_entry_get_text(GTK_ENTRY(entry)), edit->edit.text.c_str()) != 0) {
    gtk_entry_set_text(GTK_ENTRY(entry), edit->edit.text.c_str());
  }
  gtk_editable_select_region(Editable(edit), static_cast<int>(edit->edit.selStart),
                             static_cast<int>(edit->edit.selEnd));
  g_signal_handler_unblock(entry, edit->native->deleteHandler);
  g_signal_handler_unblock(entry, edit->native->insertHandler);
}

std::string ClipboardText() {
  gchar* text = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
  std::string result = text ? text : "";
  g_free(text);
  return result;
}

}  // namespace backend

namespace gtkwin {

// Ctrl+X: the selection to the clipboard, then deleted.
static void Cut(HWND edit) {
  backend::ReadSelection(edit);
  const edit::EditState& e = edit->edit;
  if (e.selStart == e.selEnd) return;
  const std::string cut = edit::Selected(e);
  gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), cut.c_str(), -1);
  SendMessageA(edit, WM_CLEAR, 0, 0);
}

gboolean EditKey(HWND edit, GdkEventKey* event) {
  const guint mods = event->state & gtk_accelerator_get_default_mod_mask();
  const guint key = gdk_keyval_to_lower(event->keyval);
  if (mods == GDK_CONTROL_MASK) {
    switch (key) {
      case GDK_KEY_z: SendMessageA(edit, WM_CHAR, 0x1A, 1); return TRUE;
      case GDK_KEY_v: SendMessageA(edit, WM_CHAR, 0x16, 1); return TRUE;
      case GDK_KEY_x: Cut(edit); return TRUE;
      default: return FALSE;  // copy, select all: GTK's own, they change nothing
    }
  }
  if (mods & ~GDK_SHIFT_MASK) return FALSE;
  if (event->keyval == GDK_KEY_BackSpace) {
    SendMessageA(edit, WM_CHAR, '\b', 1);
    return TRUE;
  }
  if (event->keyval == GDK_KEY_Delete || event->keyval == GDK_KEY_KP_Delete) {
    dialog_manager::DeleteForward(edit);
    return TRUE;
  }
  const gunichar c = gdk_keyval_to_unicode(event->keyval);
  if (c >= 0x20 && c < 0x7F) {
    SendMessageA(edit, WM_CHAR, c, 1);
    return TRUE;
  }
  return c != 0;  // other characters the fields cannot hold; moving keys are GTK's
}

static gboolean FlushChange(gpointer data) {
  HWND edit = dialog_manager::Live(static_cast<HWND>(data));
  if (edit) {
    const edit::Notifications pending = edit->native->pending;
    edit->native->pending = {};
    edit->native->flushQueued = false;
    dialog_manager::NotifyEdit(edit, pending);
  }
  return G_SOURCE_REMOVE;
}

// Shows what GTK's step did and gathers its notifications, to be sent once
// GTK has taken every step of the user's action.
static void Pend(HWND edit, const edit::Notifications& n) {
  backend::ShowEdit(edit);
  edit->native->pending |= n;
  if (!edit->native->flushQueued) {
    edit->native->flushQueued = true;
    g_idle_add(FlushChange, edit);
  }
}

static void OnInsertText(GtkEditable* editable, gchar* text, gint length, gint* position, gpointer data) {
  g_signal_stop_emission_by_name(editable, "insert-text");
  HWND edit = dialog_manager::Live(static_cast<HWND>(data));
  if (!edit || !text) return;
  const std::string inserted(text, length < 0 ? std::strlen(text) : static_cast<size_t>(length));
  Pend(edit, dialog_manager::UserInserted(edit, static_cast<size_t>(std::max(*position, 0)), inserted));
  *position = static_cast<gint>(edit->edit.selEnd);  // where GTK puts the caret next
}

static void OnDeleteText(GtkEditable* editable, gint start, gint end, gpointer data) {
  g_signal_stop_emission_by_name(editable, "delete-text");
  HWND edit = dialog_manager::Live(static_cast<HWND>(data));
  if (!edit) return;
  const size_t length = edit::Length(edit->edit);
  const auto at = [&](gint p) { return p < 0 ? length : static_cast<size_t>(p); };
  Pend(edit, dialog_manager::UserDeleted(edit, at(start), at(end)));
}

static void OnPaste(GtkEntry* entry, gpointer data) {
  g_signal_stop_emission_by_name(entry, "paste-clipboard");
  SendMessageA(static_cast<HWND>(data), WM_PASTE, 0, 0);
}

static void OnCut(GtkEntry* entry, gpointer data) {
  g_signal_stop_emission_by_name(entry, "cut-clipboard");
  Cut(static_cast<HWND>(data));
}

GtkWidget* NewEdit(HWND edit) {
  GtkWidget* entry = gtk_entry_new();
  edit->native->widget = entry;
  gtk_entry_set_has_frame(GTK_ENTRY(entry), (edit->style & WS_BORDER) != 0);
  gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
  gtk_entry_set_text(GTK_ENTRY(entry), edit->edit.text.c_str());
  if (edit->style & ES_NUMBER) {
    // Digits, for input methods and on-screen keyboards; no emoji chooser.
    gtk_entry_set_input_purpose(GTK_ENTRY(entry), GTK_INPUT_PURPOSE_DIGITS);
    gtk_entry_set_input_hints(GTK_ENTRY(entry), GTK_INPUT_HINT_NO_EMOJI);
  }
  edit->native->insertHandler = g_signal_connect(entry, "insert-text", G_CALLBACK(OnInsertText), edit);
  edit->native->deleteHandler = g_signal_connect(entry, "delete-text", G_CALLBACK(OnDeleteText), edit);
  g_signal_connect(entry, "paste-clipboard", G_CALLBACK(OnPaste), edit);
  g_signal_connect(entry, "cut-clipboard", G_CALLBACK(OnCut), edit);
  return entry;
}

}  // namespace gtkwin
