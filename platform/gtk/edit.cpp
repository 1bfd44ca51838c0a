// Edit controls over GtkEntry. The shared edit control decides what typing,
// pasting, deleting and writing do; the entry only shows the result. Keys
// reach the dialog manager before GTK sees them, after the entry's input
// method, whose commits are typed text. What GTK would insert or delete by
// other means (drag and drop, the middle button's paste) is taken from it
// before it changes the entry, put through the same rules as a paste or a
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
  using gtkwin::Editable;
  using gtkwin::Widget;
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

}  // namespace backend

namespace gtkwin {

bool InputMethodTakes(HWND edit, GdkEventKey* event) {
  edit->native->typing = true;
  const bool taken = gtk_entry_im_context_filter_keypress(GTK_ENTRY(Widget(edit)), event);
  if (dialog_manager::IfLive(edit)) edit->native->typing = false;
  return taken;
}

bool Composing(HWND edit) { return edit->native->composing; }

static gboolean FlushChange(gpointer data) {
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
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
static void GatherUntilIdle(HWND edit, const edit::Notifications& n) {
  backend::ShowEdit(edit);
  edit->native->pending |= n;
  if (!edit->native->flushQueued) {
    edit->native->flushQueued = true;
    g_idle_add(FlushChange, edit);
  }
}

// What the input method commits is typed, character by character, over
// the selection, which GTK would have deleted first; what comes in by
// other means (a drop, the middle button's paste) is held to the rules of
// a paste.
static void OnInsertText(GtkEditable* editable, gchar* text, gint length, gint* position, gpointer data) {
  g_signal_stop_emission_by_name(editable, "insert-text");
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!edit || !text) return;
  const std::string inserted(text, length < 0 ? std::strlen(text) : static_cast<size_t>(length));
  if (edit->native->typing || edit->native->composed) {
    edit->native->composed = false;
    dialog_manager::TextTyped(edit->parent, inserted);
  } else {
    GatherUntilIdle(edit, dialog_manager::UserInserted(edit, static_cast<size_t>(std::max(*position, 0)), inserted));
  }
  if (dialog_manager::IfLive(edit)) *position = static_cast<gint>(edit->edit.selEnd);  // where GTK puts the caret next
}

static void OnDeleteText(GtkEditable* editable, gint start, gint end, gpointer data) {
  g_signal_stop_emission_by_name(editable, "delete-text");
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!edit || edit->native->typing || edit->native->composed) return;
  const size_t length = edit::Length(edit->edit);
  const auto at = [&](gint p) { return p < 0 ? length : static_cast<size_t>(p); };
  GatherUntilIdle(edit, dialog_manager::UserDeleted(edit, at(start), at(end)));
}

static void OnPreeditChanged(GtkEntry*, gchar* preedit, gpointer data) {
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!edit) return;
  edit->native->composing = preedit && *preedit;
  if (edit->native->composing) edit->native->composed = true;
}

// The middle button pastes the primary selection where it is pressed, as
// GTK's entry would, but with the selection's bytes as the clipboard's are
// taken (RequestText), and held to the rules of a paste.
static void PrimaryReceived(const char* text) {
  Records& r = records();
  HWND edit = dialog_manager::IfLive(r.primaryInto);
  r.primaryInto = nullptr;
  if (edit) GatherUntilIdle(edit, dialog_manager::UserInserted(edit, std::min(r.primaryAt, edit::Length(edit->edit)),
                                                               text));
  ReplayHeld();
}

static gboolean OnButtonPress(GtkWidget* entry, GdkEventButton* event, gpointer data) {
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!edit || event->button != GDK_BUTTON_MIDDLE || event->type != GDK_BUTTON_PRESS) return FALSE;
  if (records().primaryInto || records().pasteInto) return TRUE;  // one paste at a time
  // The pointer in the entry's coordinates, then in its layout's text.
  int originX = 0, originY = 0, layoutX = 0, layoutY = 0;
  gdk_window_get_origin(gtk_widget_get_window(entry), &originX, &originY);
  GtkAllocation box;
  gtk_widget_get_allocation(entry, &box);
  gtk_entry_get_layout_offsets(GTK_ENTRY(entry), &layoutX, &layoutY);
  const int x = static_cast<int>(event->x_root) - originX - box.x - layoutX;
  int index = 0, trailing = 0;
  PangoLayout* layout = gtk_entry_get_layout(GTK_ENTRY(entry));
  pango_layout_xy_to_index(layout, x * PANGO_SCALE, 0, &index, &trailing);
  const char* shown = pango_layout_get_text(layout);
  const int byte = gtk_entry_layout_index_to_text_index(GTK_ENTRY(entry), index);
  const char* text = gtk_entry_get_text(GTK_ENTRY(entry));
  size_t at = static_cast<size_t>(g_utf8_pointer_to_offset(text, text + std::min<size_t>(byte, std::strlen(text))));
  if (trailing > 0 && shown && *shown) at += 1;
  gtk_widget_grab_focus(entry);
  records().primaryInto = edit;
  records().primaryAt = at;
  RequestText(GDK_SELECTION_PRIMARY, PrimaryReceived);
  return TRUE;
}

// The context menu's cut, copy and paste: the edit control's own.
static void Forward(GtkEntry* entry, const char* signal, gpointer edit, UINT message) {
  g_signal_stop_emission_by_name(entry, signal);
  SendMessageA(static_cast<HWND>(edit), message, 0, 0);
}
static void OnCut(GtkEntry* entry, gpointer edit) { Forward(entry, "cut-clipboard", edit, WM_CUT); }
static void OnCopy(GtkEntry* entry, gpointer edit) { Forward(entry, "copy-clipboard", edit, WM_COPY); }
static void OnPaste(GtkEntry* entry, gpointer edit) { Forward(entry, "paste-clipboard", edit, WM_PASTE); }

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
  g_signal_connect(entry, "preedit-changed", G_CALLBACK(OnPreeditChanged), edit);
  g_signal_connect(entry, "cut-clipboard", G_CALLBACK(OnCut), edit);
  g_signal_connect(entry, "copy-clipboard", G_CALLBACK(OnCopy), edit);
  g_signal_connect(entry, "paste-clipboard", G_CALLBACK(OnPaste), edit);
  g_signal_connect(entry, "button-press-event", G_CALLBACK(OnButtonPress), edit);
  return entry;
}

}  // namespace gtkwin
