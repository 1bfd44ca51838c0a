// The dialog's one door to the platform. On Windows it is the real Win32
// headers; elsewhere an in-memory stand-in declares the same names, with the
// same types and values, so the dialog sources compile and run unchanged in
// fast native tests.
#ifndef RGBHSV_PLATFORM_WIN32_H
#define RGBHSV_PLATFORM_WIN32_H

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commdlg.h>
#else
#include "standin/win32_standin.h"
#endif

#endif
