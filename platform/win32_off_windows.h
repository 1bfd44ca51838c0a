// The Win32 names that the dialog, the dialog services' contract suite and
// the tests use, declared for platforms without Windows with the types,
// sizes and values of 64-bit Windows. They are implemented once, by the
// dialog manager in shared/, over one of the implementations that show its
// windows (the in-memory stand-in in standin/ for fast tests, GTK 3 in gtk/
// for the native Linux program, the web page in web/); shared/backend.h is
// what such an implementation supplies. Which one a program gets is decided
// by the library it links.
#ifndef RGBHSV_PLATFORM_WIN32_OFF_WINDOWS_H
#define RGBHSV_PLATFORM_WIN32_OFF_WINDOWS_H

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned int UINT;
typedef uint32_t DWORD;  // 32 bits, as on Windows (long is 64 bits here)
typedef uint16_t WORD;
typedef uint8_t BYTE;
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
typedef void* HANDLE;
typedef HANDLE HGLOBAL;
typedef void* LPVOID;

#ifndef TRUE  // GLib has its own, of the same values
#define TRUE 1
#define FALSE 0
#endif

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef UINT_PTR(CALLBACK* LPCCHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

struct RECT {
  LONG left, top, right, bottom;
};
typedef RECT* LPRECT;

struct POINT {
  LONG x, y;
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

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
#define MAKELONG(l, h) ((LONG)(((WORD)(l)) | ((DWORD)((WORD)(h))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)(((WORD)(l)) | ((DWORD)((WORD)(h))) << 16))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA


// Messages.
#define WM_DESTROY 0x0002
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_ERASEBKGND 0x0014
#define WM_SETFONT 0x0030
#define WM_GETICON 0x007F
#define WM_SETICON 0x0080
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_UNDO 0x0304

// Keys.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E

// Window and dialog styles.
#define WS_TABSTOP 0x00010000L
#define WS_GROUP 0x00020000L
#define WS_SYSMENU 0x00080000L
#define WS_BORDER 0x00800000L
#define WS_CAPTION 0x00C00000L
#define WS_DISABLED 0x08000000L
#define WS_VISIBLE 0x10000000L
#define WS_CHILD 0x40000000L
#define DS_SETFONT 0x40L
#define DS_CENTER 0x0800L
#define SW_HIDE 0
#define SW_SHOW 5

// Edit controls.
#define ES_NUMBER 0x2000L
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_LIMITTEXT 0x00C5
#define EM_UNDO 0x00C7
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501

// Static controls and buttons.
#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L
#define SS_BLACKRECT 0x00000004L
#define SS_SIMPLE 0x0000000BL
#define SS_LEFTNOWORDWRAP 0x0000000CL
#define SS_TYPEMASK 0x0000001FL
#define BN_CLICKED 0

// Dialog commands.
#define IDOK 1
#define IDCANCEL 2

#define MB_OK 0x00000000L
#define MB_ICONEXCLAMATION 0x00000030L
#define GWLP_WNDPROC (-4)
#define ICON_SMALL 0
#define ICON_BIG 1

// The clipboard.
#define CF_TEXT 1
#define GMEM_MOVEABLE 0x0002

// Color chooser.
#define CC_RGBINIT 0x00000001
#define CC_FULLOPEN 0x00000002
#define CC_ANYCOLOR 0x00000100

// What the dialog and the program use. The dialog services' contract suite
// and the tests use the ones marked "tests", which only test programs link.

// USER32
INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC proc, LPARAM initParam);
HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC proc, LPARAM initParam);  // tests
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
BOOL WINAPI DestroyWindow(HWND window);
BOOL WINAPI ShowWindow(HWND window, int command);
BOOL WINAPI IsWindowVisible(HWND window);
BOOL WINAPI IsDialogMessageA(HWND dialog, MSG* message);
HWND WINAPI SetFocus(HWND window);
HWND WINAPI GetFocus();
short WINAPI GetKeyState(int virtualKey);
BOOL WINAPI SetKeyboardState(BYTE* keyStates);  // tests
HWND WINAPI GetDlgItem(HWND dialog, int id);
int WINAPI GetDlgCtrlID(HWND control);
UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size);
LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                   LPARAM lParam);
LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Here every window is a Unicode one that keeps its text as UTF-8, so the
// wide variant is the same for messages that carry no text (WM_CHAR's code
// point); it refuses those that do. Tests only: the programs are ANSI.
LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index);
LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR newLong);
LRESULT WINAPI CallWindowProcA(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam);
BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL WINAPI UpdateWindow(HWND window);  // tests
HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL WINAPI GetClientRect(HWND window, LPRECT rect);
HDC WINAPI GetDC(HWND window);              // tests
int WINAPI ReleaseDC(HWND window, HDC dc);  // tests
int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush);
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);
BOOL WINAPI MessageBeep(UINT type);
BOOL WINAPI OpenClipboard(HWND owner);  // tests, as are the next four
BOOL WINAPI EmptyClipboard();
HANDLE WINAPI SetClipboardData(UINT format, HANDLE data);
HANDLE WINAPI GetClipboardData(UINT format);
BOOL WINAPI CloseClipboard();

// GDI32
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
BOOL WINAPI DeleteObject(HGDIOBJ object);
COLORREF WINAPI GetPixel(HDC dc, int x, int y);  // tests

// COMDLG32
BOOL WINAPI ChooseColorA(LPCHOOSECOLORA record);

// KERNEL32
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
HGLOBAL WINAPI GlobalAlloc(UINT flags, size_t bytes);  // tests, as are the next two
LPVOID WINAPI GlobalLock(HGLOBAL memory);
BOOL WINAPI GlobalUnlock(HGLOBAL memory);

#endif
