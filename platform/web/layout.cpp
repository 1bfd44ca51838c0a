// The dialog as elements of the page, placed where the dialog manager laid
// it out, and what a window's change means for its elements.
#include "web_internals.h"

namespace {

web::ControlKind KindOf(HWND control) {
  switch (control->kind) {
    case WindowKind::Button: return web::ControlKind::Button;
    case WindowKind::Edit: return web::ControlKind::Field;
    default: return dialog_manager::ShowsText(control) ? web::ControlKind::Text : web::ControlKind::Canvas;
  }
}

int32_t Address(const void* p) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(p)); }

}  // namespace

namespace backend {

BaseUnits DialogBaseUnits(const res::DialogTemplate& t) {
  int templateId = 0;
  for (const auto& named : dialog_manager::Resources().dialogs) {
    if (&named.second == &t) templateId = named.first;
  }
  BaseUnits units{0, 0};
  rgbhsv_measure_font(templateId, &units.x, &units.y);
  return units;
}

void MakeNativeWindows(HWND dialog) {
  rgbhsv_make_dialog(dialog, dialog->templateId, dialog->text.c_str(), dialog->frame.right, dialog->frame.bottom);
  for (HWND control : dialog->children) {
    const RECT& f = control->frame;
    RECT client;
    GetClientRect(control, &client);
    const std::string name = dialog_manager::AccessibleName(control);
    web::Control made;
    made.dialog = Address(dialog), made.control = Address(control), made.id = control->id;
    made.kind = static_cast<int32_t>(KindOf(control)), made.text = Address(control->text.c_str());
    made.x = f.left, made.y = f.top, made.width = f.right - f.left, made.height = f.bottom - f.top;
    made.clientWidth = client.right, made.clientHeight = client.bottom;
    made.border = (control->style & WS_BORDER) != 0, made.disabled = (control->style & WS_DISABLED) != 0;
    made.digits = (control->style & ES_NUMBER) != 0, made.name = Address(name.c_str());
    rgbhsv_make_control(&made);
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

namespace web {

void PlaceAgain(HWND dialog) {
  const RECT& d = dialog->frame;
  rgbhsv_place_element(dialog, 0, 0, d.right, d.bottom, d.right, d.bottom);
  for (HWND control : dialog->children) {
    const RECT& f = control->frame;
    RECT client;
    GetClientRect(control, &client);
    rgbhsv_place_element(control, f.left, f.top, f.right - f.left, f.bottom - f.top, client.right, client.bottom);
    InvalidateRect(control, nullptr, TRUE);
  }
}

}  // namespace web
