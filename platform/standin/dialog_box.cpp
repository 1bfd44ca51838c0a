// Dialogs: made from a registered template, with a modal "loop" that hands
// the dialog to the test standing for the user.
#include "state.h"

namespace standin {

// What DefDlgProc does: the dialog procedure first, then the few defaults
// that the dialog relies on.
static LRESULT CALLBACK DialogWindowProc(HWND dialog, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  const INT_PTR handled = dialog->dialogProc(dialog, message, wParam, lParam);
  if (handled) return handled;
  if (message == WM_SETICON) {
    HICON& slot = wParam == ICON_BIG ? dialog->bigIcon : dialog->smallIcon;
    HICON previous = slot;
    slot = reinterpret_cast<HICON>(lParam);
    return reinterpret_cast<LRESULT>(previous);
  }
  return DefaultProc(dialog, message, wParam, lParam);
}

static WindowKind KindOf(const std::string& className) {
  if (className == "BUTTON") return WindowKind::Button;
  if (className == "EDIT") return WindowKind::Edit;
  return WindowKind::Static;
}

static WNDPROC ProcOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::Button: return ButtonProc;
    case WindowKind::Edit: return EditProc;
    default: return StaticProc;
  }
}

static HWND NewWindow(WindowKind kind) {
  state().windows.push_back(std::make_unique<HWND__>());
  HWND w = state().windows.back().get();
  w->kind = kind;
  w->dc.window = w;
  return w;
}

// The first control a Tab would reach: a tab stop that is not disabled.
static HWND FirstTabStop(HWND dialog) {
  for (HWND child : dialog->children) {
    if ((child->style & WS_TABSTOP) && !(child->style & WS_DISABLED)) return child;
  }
  return nullptr;
}

void FocusControl(HWND dialog, HWND control, bool selectAll) {
  dialog->focus = control;
  if (control && control->kind == WindowKind::Edit) {
    control->selStart = selectAll ? 0 : control->text.size();
    control->selEnd = control->text.size();
  }
}

HWND CreateDialogFromTemplate(int resourceId, DLGPROC proc, LPARAM param) {
  auto found = state().templates.find(resourceId);
  if (found == state().templates.end() || proc == nullptr) return nullptr;
  const DialogSpec& spec = found->second;

  HWND dialog = NewWindow(WindowKind::Dialog);
  dialog->style = spec.style;
  dialog->x = spec.x, dialog->y = spec.y, dialog->cx = spec.cx, dialog->cy = spec.cy;
  dialog->text = spec.caption;
  dialog->proc = DialogWindowProc;
  dialog->dialogProc = proc;
  for (const ControlSpec& c : spec.controls) {
    HWND control = NewWindow(KindOf(c.className));
    control->id = c.id;
    control->style = c.style;
    control->x = c.x, control->y = c.y, control->cx = c.cx, control->cy = c.cy;
    control->text = c.text;  // a window's creation text notifies nobody
    control->proc = ProcOf(control->kind);
    control->parent = dialog;
    control->invalid = true;  // every new window paints once when shown
    control->erase = true;
    dialog->children.push_back(control);
  }

  // A TRUE result asks the dialog manager to focus the first tab stop.
  HWND first = FirstTabStop(dialog);
  if (proc(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param)) {
    FocusControl(dialog, first, true);
  }
  DeliverPaints();
  return dialog;
}

void DestroyDialog(HWND dialog) {
  if (!Live(dialog)) return;
  dialog->proc(dialog, WM_DESTROY, 0, 0);
  for (HWND child : dialog->children) child->destroyed = true;
  dialog->destroyed = true;
}

HWND OpenDialog(int resourceId, DLGPROC proc, LPARAM param) {
  return CreateDialogFromTemplate(resourceId, proc, param);
}

void SetUser(std::function<void(HWND)> user) { state().user = std::move(user); }

void RegisterTemplate(int resourceId, const DialogSpec& spec) {
  state().templates[resourceId] = spec;
}

}  // namespace standin

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC proc,
                               LPARAM initParam) {
  const auto name = reinterpret_cast<ULONG_PTR>(templateName);
  if (name > 0xFFFF) return -1;  // the stand-in knows templates by number only
  HWND dialog = standin::CreateDialogFromTemplate(static_cast<int>(name), proc, initParam);
  if (dialog == nullptr) return -1;
  if (!dialog->ended && standin::state().user) standin::state().user(dialog);
  const INT_PTR result = dialog->ended ? dialog->result : standin::kAbandoned;
  standin::DestroyDialog(dialog);
  return result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  if (!standin::Live(dialog) || dialog->kind != WindowKind::Dialog) return FALSE;
  dialog->ended = true;  // the loop ends once the current message is done
  dialog->result = result;
  return TRUE;
}
