// Edit controls over GtkEntry. The shared edit rules decide what typing,
// pasting, deleting and writing do; the entry only shows the result. Keys
// that edit are taken before GTK sees them, so that a keystroke is one edit
// with one change notification, sent before it returns, exactly as on
// Windows. Changes GTK makes by other means (an input method, drag and
// drop, the middle button's paste) are taken in afterwards and notified
// once, however many steps GTK reports them in.
#include <cstring>

#include "gtk_state.h"

namespace gtkwin {

static GtkEditable* Editable(HWND edit) { return GTK_EDITABLE(edit->widget); }

// Where the user has put the caret or selection meanwhile.
static void TakeSelection(HWND edit) {
  int start = 0, end = 0;
  if (!gtk_editable_get_selection_bounds(Editable(edit), &start, &end)) {
    start = end = gtk_editable_get_position(Editable(edit));
  }
  edit::Select(edit->edit, std::min(start, end), std::max(start, end));
}

// Shows the state in the entry, without taking it for a change of GTK's.
static void Show(HWND edit) {
  g_signal_handler_block(edit->widget, edit->changedHandler);
  if (std::strcmp(gtk_entry_get_text(GTK_ENTRY(edit->widget)), edit->edit.text.c_str()) != 0) {
    gtk_entry_set_text(GTK_ENTRY(edit->widget), edit->edit.text.c_str());
  }
  gtk_editable_select_region(Editable(edit), static_cast<int>(edit->edit.selStart),
                             static_cast<int>(edit->edit.selEnd));
  g_signal_handler_unblock(edit->widget, edit->changedHandler);
}

static void Send(HWND edit, const edit::Notifications& n) {
  Show(edit);
  if (n.maxText) Notify(edit, EN_MAXTEXT);
  if (n.update) Notify(edit, EN_UPDATE);
  if (n.change) Notify(edit, EN_CHANGE);
}

static std::string ClipboardText() {
  gchar* text = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
  std::string result = text ? text : "";
  g_free(text);
  return result;
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  edit::EditState& e = window->edit;
  switch (message) {
    case WM_SETTEXT:
      Send(window, edit::SetText(e, lParam ? reinterpret_cast<const char*>(lParam) : ""));
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      const size_t n = std::min<size_t>(e.text.size(), wParam - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), e.text.data(), n);
      reinterpret_cast<char*>(lParam)[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(e.text.size());
    case EM_LIMITTEXT:
      e.limit = wParam ? wParam : 0x7FFFFFFE;
      return 0;
    case EM_SETSEL:
      edit::Select(e, static_cast<INT_PTR>(wParam), static_cast<LPARAM>(lParam));
      Show(window);
      return 0;
    case EM_GETSEL:
      TakeSelection(window);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(e.selStart);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(e.selEnd);
      return MAKELONG(e.selStart, e.selEnd);
    case WM_CHAR: {
      const char c = static_cast<char>(wParam);
      if (c == 0x16) return SendMessageA(window, WM_PASTE, 0, 0);  // Ctrl+V
      if (c == 0x1A) return SendMessageA(window, WM_UNDO, 0, 0);   // Ctrl+Z
      TakeSelection(window);
      Send(window, edit::Type(e, c));
      return 0;
    }
    case WM_PASTE: {
      const std::string text = ClipboardText();
      TakeSelection(window);
      Send(window, edit::Paste(e, text));
      return 0;
    }
    case WM_CLEAR:
      TakeSelection(window);
      Send(window, edit::Clear(e));
      return 0;
    case WM_UNDO:
    case EM_UNDO:
      TakeSelection(window);
      Send(window, edit::Undo(e));
      return TRUE;
    default:
      return DefaultProc(window, message, wParam, lParam);
  }
}

// Ctrl+X: the selection to the clipboard, then deleted.
static void Cut(HWND edit) {
  TakeSelection(edit);
  const edit::EditState& e = edit->edit;
  if (e.selStart == e.selEnd) return;
  const std::string cut = e.text.substr(e.selStart, e.selEnd - e.selStart);
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
    TakeSelection(edit);
    edit::EditState& e = edit->edit;
    if (e.selStart == e.selEnd && e.selEnd < e.text.size()) {
      edit::Select(e, static_cast<long long>(e.selStart), static_cast<long long>(e.selEnd + 1));
      Show(edit);
    }
    SendMessageA(edit, WM_CLEAR, 0, 0);
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
  HWND edit = Live(static_cast<HWND>(data));
  if (edit && edit->changePending) {
    edit->changePending = false;
    Notify(edit, EN_UPDATE);
    Notify(edit, EN_CHANGE);
  }
  return G_SOURCE_REMOVE;
}

static void OnChanged(GtkEditable* editable, gpointer data) {
  HWND edit = Live(static_cast<HWND>(data));
  if (!edit) return;
  edit->edit.text = gtk_entry_get_text(GTK_ENTRY(editable));
  edit->edit.canUndo = false;
  TakeSelection(edit);
  if (!edit->changePending) {
    edit->changePending = true;
    g_idle_add(FlushChange, edit);
  }
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
  edit->widget = entry;
  gtk_entry_set_has_frame(GTK_ENTRY(entry), (edit->style & WS_BORDER) != 0);
  gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
  gtk_entry_set_text(GTK_ENTRY(entry), edit->edit.text.c_str());
  edit->changedHandler = g_signal_connect(entry, "changed", G_CALLBACK(OnChanged), edit);
  g_signal_connect(entry, "paste-clipboard", G_CALLBACK(OnPaste), edit);
  g_signal_connect(entry, "cut-clipboard", G_CALLBACK(OnCut), edit);
  return entry;
}

}  // namespace gtkwin
