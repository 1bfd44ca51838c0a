// Dialogs over GTK 3: a GtkWindow laid out from the template in dialog
// units, as Windows would size it, and the dialog manager's keyboard.
#include <cmath>

#include "gtk_state.h"

namespace gtkwin {

// Windows' MulDiv: a * b / c, rounded half away from zero.
static int MulDiv(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

// The pixel height of a font of `points` at 96 dots per inch.
static int PixelSize(int points) { return MulDiv(points, 96, 72); }

struct BaseUnits {
  int x, y;
};

// Windows' dialog base units for a font: half the rounded-up average width
// of "A".."Z" "a".."z", and the font's height.
static BaseUnits Measure(const std::string& family, int points) {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(map);
  pango_cairo_context_set_resolution(context, 96);
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, family.c_str());
  pango_font_description_set_absolute_size(font, PixelSize(points) * PANGO_SCALE);
  PangoLayout* layout = pango_layout_new(context);
  pango_layout_set_font_description(layout, font);
  pango_layout_set_text(layout, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", -1);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  PangoFontMetrics* metrics = pango_context_get_metrics(context, font, nullptr);
  const int ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(metrics));
  const int descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(metrics));
  pango_font_metrics_unref(metrics);
  g_object_unref(layout);
  pango_font_description_free(font);
  g_object_unref(context);
  return {(width / 26 + 1) / 2, ascent + descent};
}

// What DefDlgProc does: the dialog procedure first, then the defaults the
// dialog relies on.
static LRESULT CALLBACK DialogWindowProc(HWND dialog, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  const INT_PTR handled = dialog->dialogProc(dialog, message, wParam, lParam);
  if (handled) return handled;
  if (message == WM_SETICON || message == WM_GETICON) {
    HICON& slot = wParam == ICON_BIG ? dialog->bigIcon : dialog->smallIcon;
    HICON previous = slot;
    if (message == WM_SETICON) {
      slot = reinterpret_cast<HICON>(lParam);
      if (slot) gtk_window_set_icon_list(GTK_WINDOW(dialog->widget), slot->pixbufs);
    }
    return reinterpret_cast<LRESULT>(previous);
  }
  return DefaultProc(dialog, message, wParam, lParam);
}

static HWND NewWindow(WindowKind kind) {
  state().windows.push_back(std::make_unique<HWND__>());
  HWND w = state().windows.back().get();
  w->kind = kind;
  w->dc.window = w;
  return w;
}

static void OnClicked(GtkButton*, gpointer button) { Notify(static_cast<HWND>(button), BN_CLICKED); }

// The close box asks, as WM_CLOSE; the dialog decides.
static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer dialog) {
  SendMessageA(static_cast<HWND>(dialog), WM_CLOSE, 0, 0);
  return TRUE;
}

// A close box and nothing else in the frame, where the window manager
// honours Motif hints: the dialog cannot be minimized, maximized or resized.
static void OnRealize(GtkWidget* window, gpointer) {
  GdkWindow* frame = gtk_widget_get_window(window);
  gdk_window_set_functions(frame, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
  gdk_window_set_decorations(frame, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
}

// The user moved the focus with the mouse.
static void OnSetFocus(GtkWindow*, GtkWidget* widget, gpointer) {
  if (HWND w = WindowOf(widget)) state().focus = w;
}

static GtkWidget* NewControl(HWND control) {
  switch (control->kind) {
    case WindowKind::Button: {
      GtkWidget* button = gtk_button_new_with_label(control->text.c_str());
      g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), control);
      return button;
    }
    case WindowKind::Edit: return NewEdit(control);
    default: return NewStatic(control);
  }
}

static bool IsTabStop(HWND control) {
  return (control->style & WS_TABSTOP) && !(control->style & WS_DISABLED);
}

static HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param) {
  const auto name = reinterpret_cast<ULONG_PTR>(templateName);
  if (name > 0xFFFF || proc == nullptr) return nullptr;  // known by number only
  const auto found = state().resources.dialogs.find(static_cast<int>(name));
  if (found == state().resources.dialogs.end()) return nullptr;
  const res::DialogSpec& spec = found->second;
  const BaseUnits base = Measure(state().font, spec.pointSize ? spec.pointSize : 8);
  auto x = [&](int du) { return MulDiv(du, base.x, 4); };
  auto y = [&](int du) { return MulDiv(du, base.y, 8); };

  HWND dialog = NewWindow(WindowKind::Dialog);
  dialog->style = spec.style;
  dialog->text = spec.caption;
  dialog->proc = DialogWindowProc;
  dialog->dialogProc = proc;
  dialog->width = x(spec.cx);
  dialog->height = y(spec.cy);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  dialog->widget = window;
  g_object_set_data(G_OBJECT(window), "rgbhsv-hwnd", dialog);
  gtk_widget_set_name(window, "rgbhsv-dialog");
  gtk_window_set_title(GTK_WINDOW(window), spec.caption.c_str());
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
  if (spec.style & 0x0800L) gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);  // DS_CENTER
  g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), dialog);
  g_signal_connect_after(window, "realize", G_CALLBACK(OnRealize), nullptr);
  g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), dialog);
  g_signal_connect(window, "key-release-event", G_CALLBACK(OnKeyRelease), dialog);
  g_signal_connect(window, "set-focus", G_CALLBACK(OnSetFocus), nullptr);
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, dialog->width, dialog->height);
  gtk_container_add(GTK_CONTAINER(window), fixed);

  for (const res::ControlSpec& c : spec.controls) {
    HWND control = NewWindow(c.className == "BUTTON" ? WindowKind::Button
                             : c.className == "EDIT" ? WindowKind::Edit
                                                     : WindowKind::Static);
    control->id = c.id;
    control->style = c.style;
    control->text = c.text;
    control->edit.text = c.text;
    control->edit.digitsOnly = (c.style & ES_NUMBER) != 0;
    control->proc = control->kind == WindowKind::Button ? ButtonProc
                    : control->kind == WindowKind::Edit ? EditProc
                                                        : StaticProc;
    control->parent = dialog;
    const int border = (c.style & WS_BORDER) && control->kind == WindowKind::Static ? 2 : 0;
    control->width = x(c.cx) - border;
    control->height = y(c.cy) - border;
    GtkWidget* widget = NewControl(control);
    if (!control->outer) control->outer = widget;
    control->widget = widget;
    g_object_set_data(G_OBJECT(widget), "rgbhsv-hwnd", control);
    gtk_widget_set_size_request(control->outer, x(c.cx), y(c.cy));
    gtk_widget_set_can_focus(widget, IsTabStop(control));
    if (c.style & WS_DISABLED) gtk_widget_set_sensitive(widget, FALSE);
    gtk_fixed_put(GTK_FIXED(fixed), control->outer, x(c.x), y(c.y));
    dialog->children.push_back(control);
  }
  gtk_widget_show_all(fixed);

  // A TRUE result asks the dialog manager to focus the first tab stop.
  HWND first = nullptr;
  for (HWND child : dialog->children) {
    if (!first && IsTabStop(child)) first = child;
  }
  if (proc(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && Live(dialog) && first) {
    SetFocus(first);
  }
  return dialog;
}

// Moves the focus to the next (or previous) tab stop in template order,
// wrapping, and selects the whole text of a field it lands on.
static void Tab(HWND dialog, bool forward) {
  const auto& controls = dialog->children;
  const size_t n = controls.size();
  size_t at = forward ? n - 1 : 0;
  for (size_t i = 0; i < n; ++i) {
    if (controls[i] == GetFocus()) at = i;
  }
  for (size_t step = 1; step <= n; ++step) {
    HWND next = controls[(forward ? at + step : at + n - step) % n];
    if (!IsTabStop(next)) continue;
    if (next->kind == WindowKind::Edit) SendMessageA(next, EM_SETSEL, 0, -1);
    SetFocus(next);
    return;
  }
}

static void Command(HWND dialog, int id, WORD code, HWND control) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

static gboolean Key(HWND dialog, UINT message, WPARAM key) {
  MSG msg = {};
  msg.hwnd = GetFocus() ? GetFocus() : dialog;
  msg.message = message;
  msg.wParam = key;
  IsDialogMessageA(dialog, &msg);
  return TRUE;
}



gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  HWND dialog = Live(static_cast<HWND>(data));
  if (!dialog) return FALSE;
  const guint mods = event->state & gtk_accelerator_get_default_mod_mask();
  HWND focus = GetFocus();
  switch (event->keyval) {
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
      if (mods & GDK_SHIFT_MASK || event->keyval == GDK_KEY_ISO_Left_Tab) {
        Tab(dialog, false);
        return TRUE;
      }
      return Key(dialog, WM_KEYDOWN, VK_TAB);
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
  HWND dialog = Live(static_cast<HWND>(data));
  HWND focus = GetFocus();
  if (dialog && event->keyval == GDK_KEY_space && focus && focus->kind == WindowKind::Button) {
    return Key(dialog, WM_KEYUP, VK_SPACE);
  }
  return FALSE;
}

}  // namespace gtkwin

using namespace gtkwin;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc,
                               LPARAM initParam) {
  HWND dialog = CreateFromTemplate(templateName, proc, initParam);
  if (dialog == nullptr) return -1;
  if (!dialog->ended) {
    ShowWindow(dialog, SW_SHOW);
    dialog->inModalLoop = true;
    while (!dialog->ended) gtk_main_iteration();
    dialog->inModalLoop = false;
  }
  const INT_PTR result = dialog->result;
  DestroyWindow(dialog);
  return result;
}

HWND WINAPI CreateDialogParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc,
                               LPARAM initParam) {
  HWND dialog = CreateFromTemplate(templateName, proc, initParam);
  if (dialog && (dialog->style & 0x10000000L)) ShowWindow(dialog, SW_SHOW);  // WS_VISIBLE
  return dialog;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  if (!Live(dialog) || dialog->kind != WindowKind::Dialog) return FALSE;
  dialog->ended = true;  // the modal loop ends once the current message is done
  dialog->result = result;
  gtk_widget_hide(dialog->widget);
  return TRUE;
}

BOOL WINAPI DestroyWindow(HWND window) {
  if (!Live(window)) return FALSE;
  window->proc(window, WM_DESTROY, 0, 0);
  for (HWND child : window->children) child->destroyed = true;
  window->destroyed = true;
  gtk_widget_destroy(window->kind == WindowKind::Dialog ? window->widget : window->outer);
  if (!Live(state().focus)) state().focus = nullptr;
  return TRUE;
}

BOOL WINAPI ShowWindow(HWND window, int command) {
  if (!Live(window)) return FALSE;
  GtkWidget* widget = window->kind == WindowKind::Dialog ? window->widget : window->outer;
  const bool wasVisible = gtk_widget_get_visible(widget);
  gtk_widget_set_visible(widget, command != SW_HIDE);
  return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND window) {
  if (!Live(window)) return FALSE;
  if (window->parent) return IsWindowVisible(window->parent);
  return gtk_widget_get_visible(window->widget);
}

HWND WINAPI SetFocus(HWND window) {
  HWND previous = GetFocus();
  if (window == nullptr || !Live(window)) return previous;
  if (window->kind != WindowKind::Dialog) gtk_widget_grab_focus(window->widget);
  state().focus = window;
  return previous;
}

HWND WINAPI GetFocus() { return Live(state().focus); }

BOOL WINAPI IsDialogMessageA(HWND dialog, MSG* msg) {
  if (!Live(dialog) || msg == nullptr || !Live(msg->hwnd)) return FALSE;
  if (msg->hwnd != dialog && msg->hwnd->parent != dialog) return FALSE;
  HWND focus = GetFocus();
  if (msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_TAB:
        Tab(dialog, true);
        return TRUE;
      case VK_ESCAPE:
        Command(dialog, IDCANCEL, BN_CLICKED, GetDlgItem(dialog, IDCANCEL));
        return TRUE;
      case VK_RETURN:
        // A focused push button is the default one, as on Windows, so Enter
        // presses it; with no default button, Enter is IDOK.
        if (focus && focus->parent == dialog && focus->kind == WindowKind::Button) {
          Notify(focus, BN_CLICKED);
        } else {
          Command(dialog, IDOK, BN_CLICKED, GetDlgItem(dialog, IDOK));
        }
        return TRUE;
      default:
        break;
    }
  }
  SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  return TRUE;
}
