// Edit controls over GtkEntry. The shared edit control decides what typing,
// pasting, deleting and writing do; the entry only shows the result. Keys
// reach the dialog manager before GTK sees them, after the entry's input
// method, whose commits are typed text. What GTK would insert or delete by
// other means (an input method, a drop, a drag moving text away) is taken
// from it before it changes the entry and posted as the user's input, a
// step of GTK's that the dialog manager gathers with the others of the
// same action.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

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
  return gtk_entry_im_context_filter_keypress(GTK_ENTRY(Widget(edit)), event);
}

bool Composing(HWND edit) { return edit->native->composing; }

using dialog_manager::EditStep;
using dialog_manager::InputKind;
using dialog_manager::TextSource;

// The user's input in the field, in its place in the dialog's queue;
// whether GTK must then leave it alone.
static bool PostIn(HWND edit, InputKind kind, long long start, long long end, EditStep step = EditStep::Whole,
                   std::string text = {}, TextSource source = TextSource::Given) {
  dialog_manager::Input input;
  input.kind = kind, input.window = edit, input.start = start, input.end = end;
  input.step = step, input.text = std::move(text), input.source = source;
  return dialog_manager::Post(edit->parent, input);
}

// What is dropped is held to the rules of a paste; every other insertion
// (an input method's commit, in a key press or on its own) is typed into
// this field, over what GTK deleted for it just before. Each is a step of
// GTK's, gathered by the dialog manager with the others of its action.
static void OnInsertText(GtkEditable* editable, gchar* text, gint length, gint* position, gpointer data) {
  g_signal_stop_emission_by_name(editable, "insert-text");
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!edit || !text) return;
  std::string inserted(text, length < 0 ? std::strlen(text) : static_cast<size_t>(length));
  if (edit->native->dropping) {
    const long long at = std::max(*position, 0);
    PostIn(edit, InputKind::Pasted, at, at, EditStep::Dropped, std::move(inserted));
  } else {
    PostIn(edit, InputKind::Typed, -1, -1, EditStep::Whole, std::move(inserted));
  }
  if (dialog_manager::IfLive(edit)) *position = static_cast<gint>(edit->edit.selEnd);  // where GTK puts the caret next
}

// What an insertion follows at once is the selection it replaces; else a
// deletion of GTK's own.
static void OnDeleteText(GtkEditable* editable, gint start, gint end, gpointer data) {
  g_signal_stop_emission_by_name(editable, "delete-text");
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (edit) PostIn(edit, InputKind::Deleted, start, end, EditStep::Replacing);
}

static void OnPreeditChanged(GtkEntry*, gchar* preedit, gpointer data) {
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (edit) edit->native->composing = preedit && *preedit;
}

// A drop's insertion is GTK's handling of the drop's data.
static void OnDropStarts(GtkWidget*, GdkDragContext*, gint, gint, GtkSelectionData*, guint, guint, gpointer data) {
  if (HWND edit = dialog_manager::IfLive(static_cast<HWND>(data))) edit->native->dropping = true;
}
static void OnDropEnds(GtkWidget*, GdkDragContext*, gint, gint, GtkSelectionData*, guint, guint, gpointer data) {
  if (HWND edit = dialog_manager::IfLive(static_cast<HWND>(data))) edit->native->dropping = false;
}

// The character position under the pointer, as GTK's entry places it.
static size_t PositionAt(GtkWidget* entry, GdkEventButton* event) {
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
  return at;
}

// The middle button pastes the primary selection where it is pressed, as
// GTK's entry would, but held to the rules of a paste and in its place
// among the user's input. While a paste waits, the other buttons' presses
// wait too, as presses that put the focus and the caret where they are.
static gboolean OnButtonPress(GtkWidget* entry, GdkEventButton* event, gpointer data) {
  HWND edit = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!edit || event->type != GDK_BUTTON_PRESS) return dialog_manager::Waiting();
  const bool middle = event->button == GDK_BUTTON_MIDDLE;
  if (!middle && !dialog_manager::Waiting()) return FALSE;
  const auto at = static_cast<long long>(PositionAt(entry, event));
  return PostIn(edit, middle ? InputKind::Pasted : InputKind::Pressed, at, at, EditStep::Whole, {},
                TextSource::Selection);
}

// The context menu's cut, copy and paste: the user's input, as the keys'.
template <InputKind kind>
static void OnMenuItem(GtkEntry* entry, gpointer data) {
  g_signal_stop_emission_by_name(entry, kind == InputKind::Cut      ? "cut-clipboard"
                                        : kind == InputKind::Copied ? "copy-clipboard"
                                                                    : "paste-clipboard");
  if (HWND edit = dialog_manager::IfLive(static_cast<HWND>(data))) {
    PostIn(edit, kind, -1, -1, EditStep::Whole, {}, TextSource::Clipboard);
  }
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
  g_signal_connect(entry, "preedit-changed", G_CALLBACK(OnPreeditChanged), edit);
  g_signal_connect(entry, "cut-clipboard", G_CALLBACK(OnMenuItem<InputKind::Cut>), edit);
  g_signal_connect(entry, "copy-clipboard", G_CALLBACK(OnMenuItem<InputKind::Copied>), edit);
  g_signal_connect(entry, "paste-clipboard", G_CALLBACK(OnMenuItem<InputKind::Pasted>), edit);
  g_signal_connect(entry, "button-press-event", G_CALLBACK(OnButtonPress), edit);
  g_signal_connect(entry, "drag-data-received", G_CALLBACK(OnDropStarts), edit);
  g_signal_connect_after(entry, "drag-data-received", G_CALLBACK(OnDropEnds), edit);
  return entry;
}

}  // namespace gtkwin
