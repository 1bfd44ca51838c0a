// The keyboard: GTK's key events as the messages a Windows dialog's modal
// loop hands to IsDialogMessageA, and the keys that edit a field.
#include "gtk_internals.h"

namespace gtkwin {

namespace {

gboolean Key(HWND dialog, UINT message, WPARAM key) {
  dialog_manager::Key(dialog, message, key);
  return TRUE;  // taken: GTK does nothing more with it
}

}  // namespace

gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  HWND dialog = dialog_manager::Live(static_cast<HWND>(data));
  if (!dialog) return FALSE;
  // Shift as the dialog manager reads it: GTK gives it with each key.
  dialog_manager::SetKeyDown(VK_SHIFT,
                             (event->state & GDK_SHIFT_MASK) != 0 || event->keyval == GDK_KEY_ISO_Left_Tab);
  HWND focus = GetFocus();
  switch (event->keyval) {
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab: return Key(dialog, WM_KEYDOWN, VK_TAB);
    case GDK_KEY_Escape: return Key(dialog, WM_KEYDOWN, VK_ESCAPE);
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter: return Key(dialog, WM_KEYDOWN, VK_RETURN);
    case GDK_KEY_space:
      if (focus && focus->kind == WindowKind::Button) return Key(dialog, WM_KEYDOWN, VK_SPACE);
      break;
    default: break;
  }
  if (focus && focus->kind == WindowKind::Edit && focus->parent == dialog) return EditKey(focus, event);
  return FALSE;
}

gboolean OnKeyRelease(GtkWidget*, GdkEventKey* event, gpointer data) {
  HWND dialog = dialog_manager::Live(static_cast<HWND>(data));
  HWND focus = GetFocus();
  if (dialog && event->keyval == GDK_KEY_space && focus && focus->kind == WindowKind::Button) {
    return Key(dialog, WM_KEYUP, VK_SPACE);
  }
  return FALSE;
}

}  // namespace gtkwin
