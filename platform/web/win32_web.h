// The Win32 dialog services in a web page, over Emscripten: an
// implementation of ../shared/backend.h, for the program that anyone can
// open with nothing to install. main.cpp starts it and calls WinMain.
//
// Implements, over the shared dialog manager:
//  - a dialog as elements of the page: a window frame with the icon, the
//    caption and a close box, centered; buttons (<button>), fields
//    (<input>, each named for screen readers by its AccessibleName),
//    static texts, other statics as canvases painted by their window
//    procedure; laid out in CSS pixels from the template's dialog units,
//    with the base units of Liberation Sans, Arial or Helvetica at 8
//    points (11 px), so that it grows with the browser's zoom;
//  - the modal loop and ChooseColorA block as on Windows: the WebAssembly
//    stack waits (Asyncify) for the user's input, which the page queues as
//    records of one layout (web_internals.h) in the dialog manager's input
//    kinds; the page's queueing wakes the waiting program at once, so an
//    input is handled, and a field's change notified, inside the browser's
//    event;
//  - every key posted to the dialog manager (dialog_manager::Post),
//    wherever the page's focus is, once it has answered, in the key's own
//    event, whether the dialog takes the key or it cuts, copies or pastes,
//    which the browser's clipboard events then do; what would change a
//    field is stopped before it does (beforeinput) and posted as what it
//    is: typed text (keys, an input method's commit, a phone's keyboard),
//    a paste or a drop (text pasted, brought by the browser's event), a
//    cut, an undo, a phone's deletion without keys (erased); what changed
//    it regardless (autofill) as the text it left; the focus kept in the
//    dialog when the user presses the mouse beside a control;
//  - MessageBeep as a short tone (Web Audio), never before the user's
//    first key or click, and said in a live region; ChooseColorA as an
//    in-page <dialog> with the browser's color picker and the run's 16
//    custom colors; the dialog manager's clock (performance.now(), a timer
//    that posts its wake);
//  - for tests (test_services.cpp): UpdateWindow, GetPixel from the
//    canvas, the clipboard read for GetClipboardData.
// Does not implement: the system clipboard beyond what the browser's
// clipboard events give (a program's WM_COPY reaches only the page's own);
// a primary selection; other window classes.
#ifndef RGBHSV_PLATFORM_WEB_WIN32_WEB_H
#define RGBHSV_PLATFORM_WEB_WIN32_WEB_H

#include <cstddef>
#include <cstdint>

// Takes the program's compiled resources (a .res file) as its own; false if
// they are damaged.
bool StartWeb(const uint8_t* resources, size_t resourcesSize);

// Shows that the program ended, with its exit code, and offers to start it
// again.
void ShowEnd(int exitCode);

#endif
