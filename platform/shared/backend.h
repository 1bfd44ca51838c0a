// What an implementation of the dialog services off Windows supplies: this
// header is the whole list. The dialog manager (dialog_manager.h) provides
// every Win32 name of win32_off_windows.h, once, over the functions below;
// an implementation defines each of them and the two types, and touches the
// dialog manager's records only through the calls of dialog_manager.h.
// Three exist: standin/ (in memory, for fast tests), gtk/ (GTK 3, the
// native Linux program) and web/ (the page, over Emscripten); each one's
// main header lists what it does.
//
// The program links the implementation's own sources; the functions marked
// "tests" are defined in its test_*.cpp files, which only test programs
// link.
#ifndef RGBHSV_PLATFORM_SHARED_BACKEND_H
#define RGBHSV_PLATFORM_SHARED_BACKEND_H

#include <cstdint>
#include <string>
#include <vector>

#include "dialog_manager.h"
#include "resources.h"

// What the implementation keeps of a window (a widget, what was painted);
// it sets window->native in MakeNativeWindows.
struct NativeWindow;
// An icon group's images as the implementation shows them.
struct NativeIcon;

namespace backend {

struct BaseUnits {
  int x, y;  // pixels per 4 horizontal and per 8 vertical dialog units
};

// Windows.
// The dialog base units of the template's font, as Windows derives them
// from the average character width and the height of the font.
BaseUnits DialogBaseUnits(const res::DialogTemplate& dialog);
// Native windows for a new dialog and its controls, at their frames, not
// yet shown; the dialog's caption, style and controls' texts are set.
void MakeNativeWindows(HWND dialog);
// The modal loop of a shown dialog: the user's input delivered until the
// dialog has ended; returns what DialogBoxParamA returns.
INT_PTR RunModal(HWND dialog);
void ShowNative(HWND window, bool visible);  // ShowWindow
void DestroyNative(HWND window);             // DestroyWindow, after WM_DESTROY
void FocusNative(HWND control);              // SetFocus: the user's focus follows
void ShowText(HWND window);                  // a dialog's, button's or static's new text
void ShowIcon(HWND dialog);                  // WM_SETICON

// Edits.
// Before the edit rules read an edit's selection: report where the user
// has put it (dialog_manager::UserSelected).
void ReadSelection(HWND edit);
// After the edit rules changed an edit: show its text and selection.
void ShowEdit(HWND edit);

// Painting.
// The window is to be painted: send it dialog_manager::Paint soon.
void Invalidate(HWND window);
// During a paint: fill a rectangle of the device context's window.
void Fill(HDC dc, const RECT& rect, COLORREF color);
// During a paint: the device context's window in its dialog's background.
void EraseBackground(HDC dc);

// The outside world.
// WM_COPY and WM_CUT: the text on the clipboard. True if the program now
// holds the clipboard and will say when it no longer does
// (dialog_manager::ClipboardTaken); false where only the platform's own
// events may read it (a page).
bool PutOnClipboard(const std::string& text);
// A paste's text: the clipboard's or the primary selection's, to
// dialog_manager::TextArrived with the request's number, now or, where the
// owner has to be asked, when it answers; with null if it brings no text.
void RequestText(dialog_manager::TextSource source, unsigned request);
// The platform's steady clock, in milliseconds.
uint64_t Now();
// dialog_manager::TimePassed, once the clock has reached `ms`.
void WakeAt(uint64_t ms);
// The dialog is busy (a paste waits, and the user's input with it) or no
// longer: said to screen readers, and to those who wait for it.
void ShowBusy(HWND dialog, bool busy);
void Beep(UINT type);  // MessageBeep
// The color chooser on a record already checked (size, custom colors):
// TRUE with rgbResult set if the user chose, and the custom colors updated.
BOOL ChooseColor(CHOOSECOLORA& record);
// An icon group (as the bytes of an .ico file) as the implementation shows
// it; null if it cannot.
NativeIcon* LoadNativeIcon(const std::vector<uint8_t>& ico);

// Tests.
std::string ClipboardText();  // GetClipboardData: what is on the clipboard now
void PaintNow(HWND window);  // UpdateWindow: what is invalid, painted before returning
// What the screen shows at a point of the window's client area, or
// 0xFFFFFFFF (CLR_INVALID) if it shows nothing there.
COLORREF ReadPixel(HWND window, int x, int y);

}  // namespace backend

#endif
