// Fields: the page's <input> shows the edit's text and selection; the
// selection the user makes is read back, in characters.
#include "web_internals.h"

namespace {

// clang-format off
EM_JS(void, ReadInputSelection, (HWND edit, int* start, int* end), {
  const input = RgbhsvPage.windows.get(edit).element;
  HEAP32[start >> 2] = RgbhsvPage.codePoints(input.value, input.selectionStart || 0);
  HEAP32[end >> 2] = RgbhsvPage.codePoints(input.value, input.selectionEnd || 0);
});

EM_JS(void, ShowInput, (HWND edit, const char* text, int start, int end), {
  const input = RgbhsvPage.windows.get(edit).element;
  const value = UTF8ToString(text);
  if (input.value !== value) input.value = value;
  input.setSelectionRange(RgbhsvPage.units(value, start), RgbhsvPage.units(value, end));
});
// clang-format on

}  // namespace

namespace backend {

void ReadSelection(HWND edit) {
  int start = 0, end = 0;
  ReadInputSelection(edit, &start, &end);
  dialog_manager::UserSelected(edit, static_cast<size_t>(start), static_cast<size_t>(end));
}

void ShowEdit(HWND edit) {
  ShowInput(edit, edit->edit.text.c_str(), static_cast<int>(edit->edit.selStart),
            static_cast<int>(edit->edit.selEnd));
}

}  // namespace backend
