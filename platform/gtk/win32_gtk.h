// The Win32 dialog services over GTK 3, for the native Linux program: an
// implementation of ../shared/backend.h. A process starts it (StartGtk)
// and then calls WinMain.
//
// Implements, over the shared dialog manager:
//  - dialogs as GtkWindows, on X11 or, with only a Wayland display, on
//    Wayland; laid out in pixels from the template's dialog units with the
//    base units of its font (or Liberation Sans, which has MS Sans Serif's)
//    at the display's font resolution; centered with DS_CENTER (where the
//    display lets a window place itself), with a close box only (Motif
//    hints) and the icon set by WM_SETICON; one application ID for the
//    window, its desktop entry and its icon;
//  - buttons (GtkButton), edits (GtkEntry: the entry's input method sees a
//    key first, and what it commits is typed text; what GTK would insert
//    or delete by other means is stopped and posted as the user's input: a
//    drop's insertion and a deletion as steps that the dialog manager
//    gathers with the others of the same action, the middle button's paste
//    and the context menu's cut, copy and paste as the keys' would be),
//    static texts (GtkLabel), other statics as drawing areas painted by
//    their window procedure, a bordered one in a frame; each field named
//    for screen readers by its AccessibleName (ATK);
//  - the modal loop (GTK's main loop until EndDialog), every key, click,
//    press in a field and the close box posted to the dialog manager's
//    queue (dialog_manager::Post), which decides what each does; while a
//    paste waits, a key goes to the queue without the input method and a
//    press in a field waits there too; the focus following the mouse;
//    the dialog manager's clock (GLib's monotonic time, a timeout to wake
//    it);
//  - MessageBeep as the display's bell; ChooseColorA as GTK's
//    GtkColorSelectionDialog with the 16 custom colors in its palette; the
//    CLIPBOARD and PRIMARY selections: what the program copies offered
//    from memory and handed to the clipboard manager at the end (EndGtk),
//    another program's text asked for without a nested loop;
//  - for tests (test_services.cpp): UpdateWindow by running GTK's main loop
//    until the window is painted, GetPixel from the screen, the clipboard
//    read for GetClipboardData.
// Does not implement: centering on Wayland, other window classes.
#ifndef RGBHSV_PLATFORM_GTK_WIN32_GTK_H
#define RGBHSV_PLATFORM_GTK_WIN32_GTK_H

#include <cstddef>
#include <cstdint>

// Opens the display and takes the program's compiled resources (a .res
// file) as its own; false, with a line on standard error, if there is no
// display or the resources are damaged.
bool StartGtk(int* argc, char*** argv, const uint8_t* resources, size_t resourcesSize);

// What a GTK program does as it ends: hands the clipboard's text to the
// desktop's clipboard manager, so that what was copied outlives the
// program, as on Windows.
void EndGtk();

#endif
