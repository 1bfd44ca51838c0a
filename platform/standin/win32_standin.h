// An in-memory stand-in for the Win32 dialog services, for platforms
// without Windows: the Win32 names of ../win32_off_windows.h implemented in
// memory, so that the dialog sources compile and run unchanged in fast
// native tests.
// What it does is pinned by the dialog services' contract suite
// (tests/contract), which runs on the real dialog manager under Wine too;
// where the two disagree, the stand-in follows Wine, except where Wine is
// known to differ from Windows.
//
// Implemented:
//  - dialogs from compiled templates (standin::LoadResources): modal
//    (DialogBoxParamA, whose "modal loop" is a script standing for the user,
//    standin::SetUser) and modeless (CreateDialogParamA), EndDialog,
//    DestroyWindow, ShowWindow, IsWindowVisible; WM_SETICON/WM_GETICON;
//  - controls by ID, texts, SendMessageA, subclassing (Get/SetWindowLongPtrA
//    with GWLP_WNDPROC, CallWindowProcA);
//  - the focus (SetFocus, GetFocus) and the dialog manager's keys
//    (IsDialogMessageA: Tab forward, Escape, Enter, Space on a button);
//  - edit controls: text, selection (EM_SETSEL, EM_GETSEL), EM_LIMITTEXT,
//    ES_NUMBER for typed characters, WM_CHAR (digits, Backspace, Ctrl+Z),
//    WM_PASTE from a CF_TEXT clipboard, WM_CLEAR, one-step WM_UNDO, and the
//    notifications EN_MAXTEXT, EN_UPDATE, EN_CHANGE as Wine sends them;
//  - GetDlgItemInt, SetDlgItemInt, GetDlgItemTextA, as Wine reads and
//    writes them;
//  - painting: InvalidateRect, UpdateWindow, BeginPaint (erasing first),
//    EndPaint, GetClientRect (at MS Sans Serif 8 and 96 dpi), solid brushes,
//    FillRect, DeleteObject, GetDC/GetPixel of what was filled, with a
//    record of misused brushes (standin/hooks.h);
//  - LoadIconA of the template's icon groups, GetModuleHandleA(NULL),
//    MessageBeep (recorded), ChooseColorA (a script: standin::SetChooser).
// Not implemented: real drawing and text metrics, other window classes,
// Shift+Tab, arrow keys and mnemonics, multi-step undo, timers, a message
// queue (what Windows posts, the stand-in delivers at once or drops), and
// every Win32 name not declared here.
#ifndef RGBHSV_PLATFORM_STANDIN_WIN32_STANDIN_H
#define RGBHSV_PLATFORM_STANDIN_WIN32_STANDIN_H

#include "../win32_off_windows.h"

#endif
