// The sound, the icons, the module, the clipboard and the color chooser.
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
  return s.chooser ? s.chooser(*record) : FALSE;
}

BOOL WINAPI OpenClipboard(HWND) {
  if (standin::state().clipboardOpen) return FALSE;
  standin::state().clipboardOpen = true;
  return TRUE;
}

BOOL WINAPI EmptyClipboard() {
  if (!standin::state().clipboardOpen) return FALSE;
  standin::state().clipboard.clear();
  return TRUE;
}

// Text only, which is all a field can take.
HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
  const char* text = static_cast<const char*>(GlobalLock(data));
  if (!standin::state().clipboardOpen || format != CF_TEXT || text == nullptr) return nullptr;
  standin::state().clipboard = text;
  return data;
}

BOOL WINAPI CloseClipboard() {
  const bool wasOpen = standin::state().clipboardOpen;
  standin::state().clipboardOpen = false;
  return wasOpen;
}

namespace standin {

void RegisterIcon(int resourceId) {
  if (LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId)) == nullptr) {
    state().icons.push_back(std::make_unique<HICON__>(HICON__{resourceId}));
  }
}

void SetChooser(std::function<BOOL(CHOOSECOLORA&)> chooser) { state().chooser = std::move(chooser); }

const std::vector<UINT>& Beeps() { return state().beeps; }

}  // namespace standin
