// The Win32 names the dialog uses, declared for a platform without Windows,
// with the types, sizes and values of 64-bit Windows. Implemented in memory
// by the stand-in dialog manager (standin_*.cpp); tests drive it through
// standin/driver.h.
#ifndef RGBHSV_PLATFORM_STANDIN_WIN32_STANDIN_H
#define RGBHSV_PLATFORM_STANDIN_WIN32_STANDIN_H

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned int UINT;
typedef uint32_t DWORD;  // 32 bits, as on Windows (long is 64 bits here)
typedef uint16_t WORD;
typedef int32_t LONG;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;

struct HWND__;
struct HINSTANCE__;
struct HICON__;
struct HBRUSH__;
struct HDC__;
typedef HWND__* HWND;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef HICON__* HICON;
typedef HBRUSH__* HBRUSH;
typedef HDC__* HDC;
typedef void* HGDIOBJ;

#define TRUE 1
#define FALSE 0

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef UINT_PTR(CALLBACK* LPCCHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

struct RECT {
  LONG left, top, right, bottom;
};
typedef RECT* LPRECT;

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  unsigned char rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

struct CHOOSECOLORA {
  DWORD lStructSize;
  HWND hwndOwner;
  HWND hInstance;
  COLORREF rgbResult;
  COLORREF* lpCustColors;
  DWORD Flags;
  LPARAM lCustData;
  LPCCHOOKPROC lpfnHook;
  LPCSTR lpTemplateName;
};
typedef CHOOSECOLORA* LPCHOOSECOLORA;

#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)(((WORD)(l)) | ((DWORD)((WORD)(h))) << 16))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA


// Messages.
#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_SETICON 0x0080
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111

// Edit controls.
#define EM_LIMITTEXT 0x00C5
#define EN_CHANGE 0x0300

// Dialog commands.
#define IDCANCEL 2

#define MB_ICONEXCLAMATION 0x00000030L
#define GWLP_WNDPROC (-4)
#define ICON_SMALL 0
#define ICON_BIG 1

// Color chooser.
#define CC_RGBINIT 0x00000001
#define CC_FULLOPEN 0x00000002
#define CC_ANYCOLOR 0x00000100

// USER32
INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC proc, LPARAM initParam);
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
HWND WINAPI GetDlgItem(HWND dialog, int id);
int WINAPI GetDlgCtrlID(HWND control);
UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                   LPARAM lParam);
LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR newLong);
LRESULT WINAPI CallWindowProcA(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam);
BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);
HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL WINAPI GetClientRect(HWND window, LPRECT rect);
int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush);
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);
BOOL WINAPI MessageBeep(UINT type);

// GDI32
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
BOOL WINAPI DeleteObject(HGDIOBJ object);

// COMDLG32
BOOL WINAPI ChooseColorA(LPCHOOSECOLORA record);

// KERNEL32
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);

#endif
