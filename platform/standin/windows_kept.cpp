// Windows in memory: nothing is drawn, so showing, focusing and changing
// texts need nothing more than the dialog manager keeps; the modal loop is
// the script standing for the user.
#include "standin_records.h"

namespace backend {

// MS Sans Serif 8 at 96 dpi.
BaseUnits DialogBaseUnits(const res::DialogTemplate&) { return {6, 13}; }

void MakeNativeWindows(HWND dialog) {
  auto attach = [](HWND window) {
    standin::records().natives.push_back(std::make_unique<NativeWindow>());
    window->native = standin::records().natives.back().get();
    window->native->shown = window->visible;  // controls show with their dialog
  };
  attach(dialog);
  for (HWND control : dialog->children) attach(control);
}

// Run once the dialog is painted; a dialog the script leaves open is
// abandoned.
INT_PTR RunModal(HWND dialog) {
  PaintNow(dialog);
  if (standin::records().user) standin::records().user(dialog);
  return dialog->ended ? dialog->result : standin::kAbandoned;
}

void ShowNative(HWND window, bool visible) { window->native->shown = visible; }
void DestroyNative(HWND) {}
void FocusNative(HWND) {}
void ShowText(HWND) {}
void ShowIcon(HWND) {}
// The selection shown is the one the user changes (standin::PlaceCaret), as
// a platform's own caret moves with the user's clicks and keys.
void ReadSelection(HWND edit) {
  if (edit->native) dialog_manager::UserSelected(edit, edit->native->selStart, edit->native->selEnd);
}

void ShowEdit(HWND edit) {
  if (!edit->native) return;
  edit->native->selStart = edit->edit.selStart;
  edit->native->selEnd = edit->edit.selEnd;
}

}  // namespace backend
