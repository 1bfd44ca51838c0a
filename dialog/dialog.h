// The converter dialog: its command handling, and the process-wide records
// that the handling keeps between messages.
#ifndef RGBHSV_DIALOG_DIALOG_H
#define RGBHSV_DIALOG_DIALOG_H

#include <cstdint>

#include "../platform/win32.h"
#include "../resources/resource.h"

// 1 only while the handler writes its results into the other group of
// fields: those writes notify synchronously, and must not convert again.
extern int32_t updating;

// The chooser's custom colors, kept for the whole run, and its one record.
extern COLORREF customColors[16];
extern CHOOSECOLORA pickerRecord;

void OnCommand(HWND dialog, int id, int code, HWND control);
void InitColorPicker(HWND dialog);
void OnSelectColor(HWND dialog);

#endif
