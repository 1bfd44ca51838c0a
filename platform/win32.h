// The dialog's one door to the platform. On Windows it is the real Win32
// headers; elsewhere the same names are declared, with the same types and
// values, and implemented by the in-memory stand-in (fast native tests),
// over GTK 3 (the native Linux program) or in a web page (Emscripten), so
// the dialog sources compile and run unchanged on each.
#ifndef RGBHSV_PLATFORM_WIN32_H
#define RGBHSV_PLATFORM_WIN32_H

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commdlg.h>
#else
#include "win32_off_windows.h"
#endif

#endif
