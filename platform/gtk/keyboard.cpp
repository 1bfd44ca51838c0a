// The keyboard: GTK's key events as the dialog manager's platform-neutral
// keys. What each key does is the dialog manager's to decide; here only
// GTK's names become Windows' ones.
#include "gtk_internals.h"

namespace gtkwin {

namespace {

int VirtualKeyOf(guint keyval) {
  switch (keyval) {
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab: return VK_TAB;
    case GDK_KEY_Escape: return VK_ESCAPE;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter: return VK_RETURN;
    case GDK_KEY_BackSpace: return VK_BACK;
    case GDK_KEY_Delete:
    case GDK_KEY_KP_Delete: return VK_DELETE;
    case GDK_KEY_Insert:
    case GDK_KEY_KP_Insert: return VK_INSERT;
    case GDK_KEY_space: return VK_SPACE;
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left: return VK_LEFT;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right: return VK_RIGHT;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up: return VK_UP;
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down: return VK_DOWN;
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home: return VK_HOME;
    case GDK_KEY_End:
    case GDK_KEY_KP_End: return VK_END;
    case GDK_KEY_Page_Up:
    case GDK_KEY_KP_Page_Up: return VK_PRIOR;
    case GDK_KEY_Page_Down:
    case GDK_KEY_KP_Page_Down: return VK_NEXT;
    default: break;
  }
  const guint upper = gdk_keyval_to_upper(keyval);
  if ((upper >= GDK_KEY_A && upper <= GDK_KEY_Z) || (upper >= GDK_KEY_0 && upper <= GDK_KEY_9)) {
    return static_cast<int>(upper);  // GDK's and Windows' codes agree here
  }
  return 0;
}

dialog_manager::KeyPress KeyOf(GdkEventKey* event, HWND focus) {
  dialog_manager::KeyPress key;
  key.virtualKey = VirtualKeyOf(event->keyval);
  // A letter on a layout without Latin letters (Ctrl+C on a Cyrillic
  // one): the key's letter in the first layout, as shortcuts take it.
  if (key.virtualKey == 0) {
    guint latin = 0;
    if (gdk_keymap_translate_keyboard_state(gdk_keymap_get_for_display(gdk_display_get_default()),
                                            event->hardware_keycode, static_cast<GdkModifierType>(0), 0, &latin,
                                            nullptr, nullptr, nullptr)) {
      const int vk = VirtualKeyOf(latin);
      if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) key.virtualKey = vk;
    }
  }
  key.character = gdk_keyval_to_unicode(event->keyval);
  key.shift = (event->state & GDK_SHIFT_MASK) != 0 || event->keyval == GDK_KEY_ISO_Left_Tab;
  key.control = (event->state & GDK_CONTROL_MASK) != 0;
  key.alt = (event->state & GDK_MOD1_MASK) != 0;
  key.composing = focus && focus->kind == WindowKind::Edit && Composing(focus);
  return key;
}

HWND FieldWithFocus(HWND dialog) {
  HWND focus = GetFocus();
  return focus && focus->kind == WindowKind::Edit && focus->parent == dialog ? focus : nullptr;
}

}  // namespace

// A key pressed or released in the dialog: the field's input method sees
// it first, then the dialog manager; what neither takes is GTK's. While a
// paste waits, the key waits too, for the dialog manager alone.
static gboolean OnKey(GdkEventKey* event, gpointer data, bool down) {
  HWND dialog = dialog_manager::IfLive(static_cast<HWND>(data));
  if (!dialog) return FALSE;
  dialog_manager::Input input;
  input.kind = down ? dialog_manager::InputKind::KeyDown : dialog_manager::InputKind::KeyUp;
  input.key = KeyOf(event, GetFocus());
  if (dialog_manager::Waiting()) return dialog_manager::Post(dialog, input);
  HWND field = FieldWithFocus(dialog);
  if (field && InputMethodTakes(field, event)) return TRUE;
  return dialog_manager::Post(dialog, input);
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer dialog) { return OnKey(event, dialog, true); }

gboolean OnKeyRelease(GtkWidget*, GdkEventKey* event, gpointer dialog) { return OnKey(event, dialog, false); }

}  // namespace gtkwin
