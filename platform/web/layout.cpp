// The dialog as elements of the page, placed where the dialog manager laid
// it out, and what a window's change means for its elements.
#include "web_internals.h"

namespace {

// As page_windows.js numbers them.
int KindOf(HWND control) {
  switch (control->kind) {
    case WindowKind::Button: return 0;
    case WindowKind::Edit: return 1;
    default: return dialog_manager::ShowsText(control) ? 2 : 3;
  }
}

}  // namespace

namespace backend {

BaseUnits DialogBaseUnits(const res::DialogTemplate&) {
  BaseUnits units{0, 0};
  rgbhsv_measure_font(&units.x, &units.y);
  return units;
}

void MakeNativeWindows(HWND dialog) {
  rgbhsv_make_dialog(dialog, dialog->text.c_str(), dialog->frame.right, dialog->frame.bottom);
  for (HWND control : dialog->children) {
    const RECT& f = control->frame;
    RECT client;
    GetClientRect(control, &client);
    rgbhsv_make_control(dialog, control, control->id, KindOf(control), control->text.c_str(), f.left, f.top,
                        f.right - f.left, f.bottom - f.top, client.right, client.bottom,
                        (control->style & WS_BORDER) != 0, (control->style & WS_DISABLED) != 0,
                        (control->style & ES_NUMBER) != 0, dialog_manager::AccessibleName(control).c_str());
    rgbhsv_show_element(control, control->visible);
  }
}

// The focus given while the dialog was hidden (WM_INITDIALOG's) is given
// again once it shows: a hidden element cannot take it.
void ShowNative(HWND window, bool visible) {
  rgbhsv_show_element(window, visible);
  HWND focus = GetFocus();
  if (visible && focus && focus->parent == window) FocusNative(focus);
}

void DestroyNative(HWND window) {
  for (HWND child : window->children) rgbhsv_remove_element(child);
  rgbhsv_remove_element(window);
}

// A field keeps the dialog manager's selection: the browser would put the
// caret at the end.
void FocusNative(HWND control) {
  rgbhsv_focus_element(control);
  if (control->kind == WindowKind::Edit) ShowEdit(control);
}

void ShowText(HWND window) { rgbhsv_show_text(window, window->text.c_str()); }

void ShowIcon(HWND dialog) {
  HICON icon = dialog->smallIcon ? dialog->smallIcon : dialog->bigIcon;
  if (!icon) return;
  const auto found = dialog_manager::Resources().icons.find(icon->resource);
  if (found != dialog_manager::Resources().icons.end()) {
    rgbhsv_show_icon(dialog, found->second.data(), static_cast<int>(found->second.size()));
  }
}

NativeIcon* LoadNativeIcon(const std::vector<uint8_t>&) {
  static NativeIcon shown;  // the page shows the icon group's own .ico
  return &shown;
}

}  // namespace backend
