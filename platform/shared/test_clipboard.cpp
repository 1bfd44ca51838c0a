// The clipboard as a Win32 program fills it, for tests: text in a movable
// memory block, which the clipboard owns once it holds it and frees when
// it is emptied. A block is its own handle, checked against the live ones.
#include <memory>
#include <string>
#include <unordered_set>

#include "backend.h"
#include "test_services.h"

namespace {

struct Clipboard {
  std::unordered_set<std::string*> blocks;  // allocated and not freed
  bool open = false;
  std::string* held = nullptr;              // the block the clipboard owns
};

Clipboard& clipboard() {
  static Clipboard c;
  return c;
}

void Free(std::string* block) {
  if (clipboard().blocks.erase(block)) delete block;
}

}  // namespace

namespace dialog_manager {

void ForgetClipboard() {
  for (std::string* block : clipboard().blocks) delete block;
  clipboard() = Clipboard();
}

}  // namespace dialog_manager

HGLOBAL WINAPI GlobalAlloc(UINT, size_t bytes) {
  auto* block = new std::string(bytes, '\0');
  clipboard().blocks.insert(block);
  return block;
}

LPVOID WINAPI GlobalLock(HGLOBAL memory) {
  auto* block = static_cast<std::string*>(memory);
  return clipboard().blocks.count(block) ? &(*block)[0] : nullptr;
}

BOOL WINAPI GlobalUnlock(HGLOBAL) { return FALSE; }  // no lock count is kept

BOOL WINAPI OpenClipboard(HWND) {
  if (clipboard().open) return FALSE;
  clipboard().open = true;
  return TRUE;
}

BOOL WINAPI EmptyClipboard() {
  if (!clipboard().open) return FALSE;
  Free(clipboard().held);
  clipboard().held = nullptr;
  backend::PutOnClipboard("");
  return TRUE;
}

// Text only, which is all a field can take.
HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
  const char* text = static_cast<const char*>(GlobalLock(data));
  if (!clipboard().open || format != CF_TEXT || text == nullptr) return nullptr;
  if (clipboard().held != data) Free(clipboard().held);
  clipboard().held = static_cast<std::string*>(data);
  backend::PutOnClipboard(text);
  return data;
}

// What is on the clipboard now, whoever put it there, in a block the
// clipboard owns.
HANDLE WINAPI GetClipboardData(UINT format) {
  if (!clipboard().open || format != CF_TEXT) return nullptr;
  const std::string text = backend::ClipboardText();
  if (text.empty()) return nullptr;
  auto* block = static_cast<std::string*>(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  block->replace(0, text.size(), text);
  Free(clipboard().held);
  clipboard().held = block;
  return block;
}

BOOL WINAPI CloseClipboard() {
  const bool wasOpen = clipboard().open;
  clipboard().open = false;
  return wasOpen;
}
