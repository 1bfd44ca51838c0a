// Starting the GTK implementation of the dialog services: what a process
// must do before it calls WinMain (the native program's start-up does it,
// and so do tests of the implementation).
#ifndef RGBHSV_PLATFORM_GTK_START_H
#define RGBHSV_PLATFORM_GTK_START_H

// Opens the display and takes the program's compiled resources; false, with
// a line on standard error, if there is no display.
bool StartGtk(int* argc, char*** argv);

#endif
