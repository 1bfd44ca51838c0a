// The dialog manager's process-wide records, and the window procedures it
// gives its windows. Only the dialog manager's own sources see this.
#ifndef RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_RECORDS_H
#define RGBHSV_PLATFORM_SHARED_DIALOG_MANAGER_RECORDS_H

#include <memory>
#include <unordered_set>
#include <vector>

#include "backend.h"

namespace dialog_manager {

struct Records {
  // Every window made, destroyed ones too, so that a stale handle is never
  // a dangling one; a handle is checked against the live ones in constant
  // time.
  std::vector<std::unique_ptr<HWND__>> windows;
  std::unordered_set<HWND> liveWindows;
  HWND focus = nullptr;
  BYTE keys[256] = {};  // GetKeyState's bits: 0x80 down
  std::unordered_set<HBRUSH> brushes;  // made and not deleted
  int brushesMade = 0, brushesDeleted = 0, brushMisuses = 0;
  std::vector<std::unique_ptr<HICON__>> icons;
  res::ProgramResources resources;
  void (*spy)(HWND, UINT, WPARAM, LPARAM) = nullptr;
};

Records& records();

HWND New(WindowKind kind);
// A dialog from the program's template, its windows made and laid out in
// pixels and WM_INITDIALOG sent; null if there is no such template.
HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param);

LRESULT CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// A key's state, as GetKeyState reads it.
void SetKeyDown(int virtualKey, bool down);

// What every window does with a message it has no use for.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dialog_manager

#endif
