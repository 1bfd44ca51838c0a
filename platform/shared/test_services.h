// The dialog manager's services that only test programs link
// (test_services.cpp, test_clipboard.cpp), besides the Win32 names marked
// "tests" in win32_off_windows.h.
#ifndef RGBHSV_PLATFORM_SHARED_TEST_SERVICES_H
#define RGBHSV_PLATFORM_SHARED_TEST_SERVICES_H

#include "dialog_manager.h"

namespace dialog_manager {

// Every window, brush, icon, memory block, the clipboard, the keyboard's
// state, the resources and the message spy forgotten: the dialog manager
// as a new process has it.
void Forget();
void ForgetClipboard();

// Sees every message sent to a window, before its procedure does, as a
// message spy would; null for none.
void SetMessageSpy(void (*spy)(HWND, UINT, WPARAM, LPARAM));

// Brushes made and deleted, and misuses: deleting one twice, filling with a
// deleted or unknown brush, deleting what is not a brush.
struct BrushCounts {
  int made, deleted, misuses;
};
BrushCounts Brushes();

}  // namespace dialog_manager

#endif
