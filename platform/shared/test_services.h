// The dialog manager's services that only test programs link
// (test_services.cpp, test_clipboard.cpp), besides the Win32 names marked
// "tests" in win32_off_windows.h.
#ifndef RGBHSV_PLATFORM_SHARED_TEST_SERVICES_H
#define RGBHSV_PLATFORM_SHARED_TEST_SERVICES_H

#include "dialog_manager.h"

namespace dialog_manager {

// Every window, brush, icon, memory block, the clipboard, the keyboard's
// state and the resources forgotten: the dialog manager as a new process
// has it.
void Forget();
void ForgetClipboard();

// Brushes made and not yet deleted.
size_t LiveBrushes();

}  // namespace dialog_manager

#endif
