// The windows: made, found by handle in constant time, and by control ID.
#include "dialog_manager_records.h"

namespace dialog_manager {

Records& records() {
  static Records r;
  return r;
}

HWND New(WindowKind kind) {
  records().windows.push_back(std::make_unique<HWND__>());
  HWND w = records().windows.back().get();
  w->kind = kind;
  w->dc.window = w;
  records().liveWindows.insert(w);
  return w;
}

HWND IfLive(HWND window) { return records().liveWindows.count(window) ? window : nullptr; }

bool ShowsText(HWND control) {
  if (control->kind != WindowKind::Static) return false;
  switch (control->style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
      return true;
    default:
      return false;
  }
}

HWND LabelOf(HWND control) {
  if (!IfLive(control) || !control->parent) return nullptr;
  HWND label = nullptr;
  for (HWND other : control->parent->children) {
    if (ShowsText(other) && !other->text.empty() && other->frame.bottom <= control->frame.top &&
        (!label || other->frame.bottom > label->frame.bottom)) {
      label = other;
    }
  }
  return label;
}

std::string AccessibleName(HWND control) {
  HWND label = LabelOf(control);
  std::string name = label ? label->text : "";
  const auto& strings = records().resources.strings;
  const auto own = IfLive(control) ? strings.find(control->id) : strings.end();
  if (own != strings.end()) name += (name.empty() ? "" : " ") + own->second;
  return name;
}

}  // namespace dialog_manager

HWND WINAPI GetDlgItem(HWND dialog, int id) {
  if (!dialog_manager::IfLive(dialog)) return nullptr;
  for (HWND child : dialog->children) {
    if (child->id == id) return child;
  }
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND control) { return dialog_manager::IfLive(control) ? control->id : 0; }
