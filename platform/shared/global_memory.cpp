// Global memory, as the clipboard takes text in it: a movable block is its
// own handle, and lives as long as the process.
#include <memory>
#include <string>
#include <vector>

#include "../win32_off_windows.h"

namespace {

std::vector<std::unique_ptr<std::string>>& Blocks() {
  static std::vector<std::unique_ptr<std::string>> blocks;
  return blocks;
}

}  // namespace

HGLOBAL WINAPI GlobalAlloc(UINT, size_t bytes) {
  Blocks().push_back(std::make_unique<std::string>(bytes, '\0'));
  return Blocks().back().get();
}

LPVOID WINAPI GlobalLock(HGLOBAL memory) {
  for (const auto& block : Blocks()) {
    if (block.get() == memory) return &(*block)[0];
  }
  return nullptr;
}

BOOL WINAPI GlobalUnlock(HGLOBAL) { return FALSE; }  // no lock count is kept
