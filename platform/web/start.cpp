// Starting the web implementation, and the page's word when the program ends.
#include <vector>

#include "web_internals.h"
#include "win32_web.h"

namespace {

// The dialog manager's use of every key, for the page to look up while the
// browser's event is still its own: by where the focus is (nothing, a
// button, a field's caret, a field's selection), Shift, Ctrl and Alt, the
// key, and down or up.
void TellKeyUses() {
  HWND__ button{};
  button.kind = WindowKind::Button;
  HWND__ caret{};
  caret.kind = WindowKind::Edit;
  HWND__ selection{};
  selection.kind = WindowKind::Edit;
  selection.edit.text = "1";
  selection.edit.selEnd = 1;
  const HWND focuses[] = {nullptr, &button, &caret, &selection};
  std::vector<uint8_t> table;
  for (HWND focus : focuses) {
    for (int modifiers = 0; modifiers < 8; ++modifiers) {
      for (int key = 0; key < 256; ++key) {
        for (bool down : {true, false}) {
          dialog_manager::KeyPress press;
          press.virtualKey = key;
          press.shift = modifiers & 1;
          press.control = modifiers & 2;
          press.alt = modifiers & 4;
          table.push_back(static_cast<uint8_t>(dialog_manager::UseOf(focus, press, down)));
        }
      }
    }
  }
  // Named as the enumeration and the rows above number them.
  rgbhsv_key_uses(table.data(), static_cast<int>(table.size()), "Platform,Dialog,Cut,Copy,Paste",
                  "None,Button,Caret,Selection");
}

}  // namespace

bool StartWeb(const uint8_t* resources, size_t resourcesSize) {
#define RGBHSV_EVENT_NAME(name) #name ","
  rgbhsv_start_page(RGBHSV_PAGE_EVENTS(RGBHSV_EVENT_NAME));
#undef RGBHSV_EVENT_NAME
  TellKeyUses();
  return dialog_manager::UseResources(resources, resourcesSize);
}

void ShowEnd(int exitCode) { rgbhsv_show_end(exitCode); }
