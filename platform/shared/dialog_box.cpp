// Dialogs: made from the program's templates and laid out as Windows lays
// them out, shown, run modally, ended and destroyed.
#include <cmath>

#include "dialog_manager_records.h"

namespace dialog_manager {

namespace {

// Windows' MulDiv: a * b / c, rounded half away from zero.
int MulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

WindowKind KindOf(const std::string& className) {
  if (className == "BUTTON") return WindowKind::Button;
  if (className == "EDIT") return WindowKind::Edit;
  return WindowKind::Static;
}

WNDPROC ProcedureOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::Button: return ButtonProc;
    case WindowKind::Edit: return EditProc;
    default: return StaticProc;
  }
}

// Dialog units in pixels, each coordinate and size on its own, as Windows
// maps a template: the dialog's client area and its controls' frames.
void Place(HWND dialog, const res::DialogTemplate& t, int unitsX, int unitsY) {
  auto x = [&](int units) { return MulDiv(units, unitsX, 4); };
  auto y = [&](int units) { return MulDiv(units, unitsY, 8); };
  dialog->frame = {0, 0, x(t.cx), y(t.cy)};
  for (size_t i = 0; i < t.controls.size() && i < dialog->children.size(); ++i) {
    const res::ControlTemplate& c = t.controls[i];
    dialog->children[i]->frame = {x(c.x), y(c.y), x(c.x) + x(c.cx), y(c.y) + y(c.cy)};
  }
}

// WM_INITDIALOG; a TRUE result asks for the focus on the first tab stop.
void Initialise(HWND dialog, LPARAM param) {
  HWND first = nullptr;
  for (HWND child : dialog->children) {
    if (!first && IsTabStop(child)) first = child;
  }
  if (dialog->dialogProc(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && IfLive(dialog) &&
      first) {
    SetFocus(first);
  }
}

}  // namespace

HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param) {
  const auto name = reinterpret_cast<ULONG_PTR>(templateName);
  if (name > 0xFFFF || proc == nullptr) return nullptr;  // known by number only
  const auto found = records().resources.dialogs.find(static_cast<int>(name));
  if (found == records().resources.dialogs.end()) return nullptr;
  const res::DialogTemplate& t = found->second;
  HWND dialog = New(WindowKind::Dialog);
  dialog->style = t.style;
  dialog->text = t.caption;
  dialog->proc = DialogProc;
  dialog->dialogProc = proc;
  dialog->templateId = static_cast<int>(name);
  for (const res::ControlTemplate& c : t.controls) {
    HWND control = New(KindOf(c.className));
    control->id = c.id;
    control->style = c.style;
    control->visible = (c.style & WS_VISIBLE) != 0;
    control->text = c.text;  // a window's creation text notifies nobody
    control->edit.text = c.text;
    control->edit.digitsOnly = (c.style & ES_NUMBER) != 0;
    control->proc = ProcedureOf(control->kind);
    control->parent = dialog;
    dialog->children.push_back(control);
  }
  const backend::BaseUnits base = backend::DialogBaseUnits(t);
  Place(dialog, t, base.x, base.y);
  backend::MakeNativeWindows(dialog);
  Initialise(dialog, param);
  return dialog;
}

bool LayOutAgain(HWND dialog, int unitsX, int unitsY) {
  if (!IfLive(dialog)) return false;
  // Only a dialog has a template: a control's templateId is 0, no resource's.
  const auto found = records().resources.dialogs.find(dialog->templateId);
  if (found == records().resources.dialogs.end()) return false;
  Place(dialog, found->second, unitsX, unitsY);
  return true;
}

}  // namespace dialog_manager

using dialog_manager::IfLive;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc, LPARAM initParam) {
  HWND dialog = dialog_manager::CreateFromTemplate(templateName, proc, initParam);
  if (dialog == nullptr) return -1;
  INT_PTR result = dialog->result;  // ended already while initialising
  if (!dialog->ended) {
    ShowWindow(dialog, SW_SHOW);
    result = backend::RunModal(dialog);
  }
  DestroyWindow(dialog);
  return result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  if (!IfLive(dialog) || dialog->kind != WindowKind::Dialog) return FALSE;
  dialog->ended = true;  // a modal loop ends once the current message is done
  dialog->result = result;
  ShowWindow(dialog, SW_HIDE);
  return TRUE;
}

BOOL WINAPI DestroyWindow(HWND window) {
  if (!IfLive(window)) return FALSE;
  window->proc(window, WM_DESTROY, 0, 0);
  backend::DestroyNative(window);
  for (HWND child : window->children) {
    child->destroyed = true;
    dialog_manager::records().liveWindows.erase(child);
  }
  window->destroyed = true;
  dialog_manager::records().liveWindows.erase(window);
  return TRUE;
}

// A window shown paints afresh, its children with it.
BOOL WINAPI ShowWindow(HWND window, int command) {
  if (!IfLive(window)) return FALSE;
  const bool wasVisible = window->visible;
  window->visible = command != SW_HIDE;
  if (window->visible && !wasVisible) {
    InvalidateRect(window, nullptr, TRUE);
    for (HWND child : window->children) InvalidateRect(child, nullptr, TRUE);
  }
  backend::ShowNative(window, window->visible);
  return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND window) {
  if (!IfLive(window) || !window->visible) return FALSE;
  return window->parent ? IsWindowVisible(window->parent) : TRUE;
}
