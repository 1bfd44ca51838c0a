// The stand-in's records, and what tests set and read of it.
#include "../shared/test_services.h"
#include "standin_records.h"

namespace standin {

Records& records() {
  static Records r;
  return r;
}

void Reset() {
  dialog_manager::Forget();
  records() = Records();
}

bool LoadResources(const uint8_t* bytes, size_t size) { return dialog_manager::UseResources(bytes, size); }

void SetUser(std::function<void(HWND)> user) { records().user = std::move(user); }

void SetChooser(std::function<BOOL(CHOOSECOLORA&)> chooser) { records().chooser = std::move(chooser); }

void SetMessageSpy(void (*spy)(HWND, UINT, WPARAM, LPARAM)) { records().spy = spy; }

const std::vector<UINT>& Beeps() { return records().beeps; }

BrushCounts Brushes() { return {static_cast<int>(dialog_manager::LiveBrushes()), records().fills}; }

}  // namespace standin
