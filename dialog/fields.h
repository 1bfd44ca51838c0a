// Reading and writing the six number fields, remembering what each last
// read or was written, so that a change notification that changed nothing
// can be told apart.
#ifndef RGBHSV_DIALOG_FIELDS_H
#define RGBHSV_DIALOG_FIELDS_H

#include "../platform/win32.h"

// The field as an unsigned number (0 when it is not one), remembered.
UINT ReadField(HWND dialog, int id);

// Reads the field and remembers the reading; whether it reads as it did
// when last read or written (the same number, a number or not alike).
bool RereadUnchanged(HWND dialog, int id);

// Writes the number into the field, and remembers it once the write (and
// the notification it raises) is done.
void WriteField(HWND dialog, int id, UINT number);

#endif
