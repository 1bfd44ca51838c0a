// Fields: the page's <input> shows the edit's text and selection; the
// selection the user makes is read back, in characters.
#include "web_internals.h"

namespace backend {

void ReadSelection(HWND edit) {
  int start = 0, end = 0;
  rgbhsv_read_selection(edit, &start, &end);
  dialog_manager::UserSelected(edit, static_cast<size_t>(start), static_cast<size_t>(end));
}

void ShowEdit(HWND edit) {
  rgbhsv_show_input(edit, edit->edit.text.c_str(), static_cast<int>(edit->edit.selStart),
                    static_cast<int>(edit->edit.selEnd));
}

}  // namespace backend
