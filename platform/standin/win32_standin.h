// An in-memory stand-in for the Win32 dialog services, for platforms
// without Windows: an implementation of ../shared/backend.h that shows
// nothing and takes its user, its chooser and its sounds from scripts, so
// that the dialog sources run unchanged in fast native tests. It is linked
// only into tests.
// What it does is pinned by the dialog services' contract suite
// (tests/contract), which runs on the real dialog manager under Wine too;
// where the two disagree, the stand-in follows Wine, except where Wine is
// known to differ from Windows.
//
// Implements, over the shared dialog manager:
//  - dialogs from the compiled templates it is given (LoadResources), laid
//    out at MS Sans Serif 8 and 96 dpi (6 by 13 pixels per 4 by 8 dialog
//    units); the modal loop is a script standing for the user (SetUser);
//  - shown and hidden windows, the focus, texts and icons, kept without
//    being drawn, and each edit's selection as the user sees and moves it;
//  - painting, when idle, of what it was asked to paint: what last filled
//    a window's whole client area is what GetPixel reads back anywhere in
//    it, while the window and its dialog are shown; erasing fills the face
//    color;
//  - MessageBeep, recorded (Beeps); ChooseColorA, a script (SetChooser);
//  - the clipboard's text, kept in memory, and its owner, who answers a
//    paste at once, late or never, as the script says (SetPasteAnswer);
//  - a clock that stands still until the script moves it (MoveClock).
// Does not implement: real drawing and text metrics, a message queue (what
// Windows posts, the stand-in delivers at once or drops).
#ifndef RGBHSV_PLATFORM_STANDIN_WIN32_STANDIN_H
#define RGBHSV_PLATFORM_STANDIN_WIN32_STANDIN_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "../win32_off_windows.h"

namespace standin {

// Forgets every window, brush, icon, memory block, resource, record and
// script: the stand-in as a new process has it.
void Reset();

// Takes the dialog templates and icon groups of a compiled .res file as the
// executable's own resources; false if the file is malformed.
bool LoadResources(const uint8_t* bytes, size_t size);

// What DialogBoxParamA's modal loop does: runs this with the new dialog,
// shown, standing for the user. If the dialog is still open when it returns,
// the loop is abandoned and DialogBoxParamA returns kAbandoned.
void SetUser(std::function<void(HWND dialog)> user);
constexpr INT_PTR kAbandoned = -2;

// What ChooseColorA does: the script sees the record it is given, may change
// rgbResult and the custom colors, and returns what ChooseColorA returns.
// Without a script the chooser is cancelled.
void SetChooser(std::function<BOOL(CHOOSECOLORA& record)> chooser);

// Sees every message sent to a window, before its procedure does, as a
// message spy would.
void SetMessageSpy(void (*spy)(HWND, UINT, WPARAM, LPARAM));

// What a platform's main loop does once the user's input is handled: wakes
// the dialog manager where it asked to be woken by now (backend::WakeAt),
// then paints what it was asked to (backend::Invalidate), where still due.
void Idle();

// The user puts an edit's caret or selection (characters, held to its
// text), as a click or a drag does on a platform before the dialog manager
// hears of it.
void PlaceCaret(HWND edit, size_t start, size_t end);

// How the clipboard's owner answers the pastes asked for from now on: at
// once, when the script says (AnswerPaste), or never.
enum class PasteAnswer { AtOnce, Late, Never };
void SetPasteAnswer(PasteAnswer answer);
// The oldest paste request not yet answered, answered: with the
// clipboard's text as it is now; or, if its owner never answers, the clock
// moved on to its wait's deadline. False if every request was answered.
bool AnswerPaste();
// The platform's clock moved on by `ms`; the dialog manager woken where it
// asked to be.
void MoveClock(uint64_t ms);
// Whether the dialog says it is busy (a paste waits, and the input after it).
bool Busy();

// Every MessageBeep, in order.
const std::vector<UINT>& Beeps();

// Brushes made and not yet freed, and the fills made with a live brush
// (FillRect fills nothing with a freed or unknown one).
struct BrushCounts {
  int live, fills;
};
BrushCounts Brushes();

}  // namespace standin

#endif
