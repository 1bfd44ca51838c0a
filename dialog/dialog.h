// The converter dialog: the entry point, the dialog procedure, the swatch,
// the command handling, and the process-wide records they keep between
// messages.
#ifndef RGBHSV_DIALOG_DIALOG_H
#define RGBHSV_DIALOG_DIALOG_H

#include <cstdint>

#include "../platform/win32.h"
#include "../resources/resource.h"

// 1 only while the handler writes its results into the other group of
// fields: those writes notify synchronously, and must not convert again.
extern int32_t updating;

// What the handler last read from or wrote into each of the six fields,
// IDC_RED to IDC_VALUE in order; all empty (0, no number) at the start, as
// the template leaves the fields.
struct FieldReading {
  UINT number;
  BOOL isNumber;
};
extern FieldReading fieldReadings[6];

// The chooser's custom colors, kept for the whole run, and its one record.
extern COLORREF customColors[16];
extern CHOOSECOLORA pickerRecord;

// Runs the dialog until it is closed; its result is the process exit code:
// 0 after a normal close, -1 if the dialog cannot be created.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand);
INT_PTR CALLBACK ConverterDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void OnInitDialog(HWND dialog);

// The swatch paints itself in the color of the RGB fields.
extern WNDPROC previousSwatchProc;
void SubclassSwatch(HWND dialog);
LRESULT CALLBACK SwatchWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void OnCommand(HWND dialog, int id, int code, HWND control);
void InitColorPicker(HWND dialog);
void OnSelectColor(HWND dialog);

#endif
