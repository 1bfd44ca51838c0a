// The handler's publishing writes: the numbers of colorState into one group
// of fields, and the swatch's repaint request. Callers raise `updating`
// around them, since every field write notifies before it returns.
#ifndef RGBHSV_DIALOG_PUBLISH_H
#define RGBHSV_DIALOG_PUBLISH_H

#include "../platform/win32.h"

void PublishRgb(HWND dialog);
void PublishHsv(HWND dialog);
void InvalidateSwatch(HWND dialog);

// The color of the RGB fields as last read or written, as a COLORREF.
COLORREF FieldColor();

#endif
