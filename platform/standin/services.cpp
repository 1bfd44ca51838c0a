// The sound, the icons, the module and the color chooser.
#include <cstring>

#include "state.h"

BOOL WINAPI MessageBeep(UINT type) {
  standin::state().beeps.push_back(type);
  return TRUE;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
  static int self;  // any distinct address will do for "this executable"
  return moduleName ? nullptr : reinterpret_cast<HMODULE>(&self);
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  const auto id = reinterpret_cast<ULONG_PTR>(name);
  if (instance != GetModuleHandleA(nullptr) || id > 0xFFFF) return nullptr;
  // A shared icon: every load of the same group gives the same handle.
  for (const auto& icon : standin::state().icons) {
    if (icon->resource == static_cast<int>(id)) return icon.get();
  }
  return nullptr;
}

BOOL WINAPI ChooseColorA(LPCHOOSECOLORA record) {
  standin::State& s = standin::state();
  if (record == nullptr || record->lStructSize != sizeof(CHOOSECOLORA) ||
      record->lpCustColors == nullptr) {
    return FALSE;  // the real chooser fails on these too
  }
  standin::ChooserOpening opening;
  opening.record = *record;
  std::memcpy(opening.customColors, record->lpCustColors, sizeof opening.customColors);
  s.chooserOpenings.push_back(opening);
  return s.chooser ? s.chooser(*record) : FALSE;
}

namespace standin {

void RegisterIcon(int resourceId) {
  if (LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId)) == nullptr) {
    state().icons.push_back(std::make_unique<HICON__>(HICON__{resourceId}));
  }
}

int IconResource(HICON icon) {
  for (const auto& i : state().icons) {
    if (i.get() == icon) return i->resource;
  }
  return 0;
}

void SetChooser(std::function<BOOL(CHOOSECOLORA&)> chooser) { state().chooser = std::move(chooser); }

const std::vector<ChooserOpening>& ChooserOpenings() { return state().chooserOpenings; }

}  // namespace standin
