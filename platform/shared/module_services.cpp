// The module and its resources, the icons, the warning sound and the color
// chooser.
#include "dialog_manager_records.h"

namespace dialog_manager {

bool UseResources(const uint8_t* bytes, size_t size) {
  res::ProgramResources program;
  if (!res::ReadProgramResources(bytes, size, &program)) return false;
  records().resources = std::move(program);
  return true;
}

const res::ProgramResources& Resources() { return records().resources; }

}  // namespace dialog_manager

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
  static int self;  // any distinct address will do for "this executable"
  return moduleName ? nullptr : reinterpret_cast<HMODULE>(&self);
}

// A shared icon: every load of the same group gives the same handle, kept
// for the life of the process.
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  const auto id = reinterpret_cast<ULONG_PTR>(name);
  if (instance != GetModuleHandleA(nullptr) || id > 0xFFFF) return nullptr;
  dialog_manager::Records& r = dialog_manager::records();
  for (const auto& icon : r.icons) {
    if (icon->resource == static_cast<int>(id)) return icon.get();
  }
  const auto found = r.resources.icons.find(static_cast<int>(id));
  if (found == r.resources.icons.end()) return nullptr;
  NativeIcon* native = backend::LoadNativeIcon(found->second);
  if (native == nullptr) return nullptr;
  r.icons.push_back(std::make_unique<HICON__>(HICON__{static_cast<int>(id), native}));
  return r.icons.back().get();
}

BOOL WINAPI MessageBeep(UINT type) {
  backend::Beep(type);
  return TRUE;
}

BOOL WINAPI ChooseColorA(LPCHOOSECOLORA record) {
  if (record == nullptr || record->lStructSize != sizeof(CHOOSECOLORA) || record->lpCustColors == nullptr) {
    return FALSE;  // the Windows chooser fails on these too
  }
  return backend::ChooseColor(*record);
}
