// The stand-in's outside world. A real dialog manager gets keystrokes from
// its user, colors from its chooser, and makes sounds; the stand-in gets
// them from scripts and keeps what it made, for whoever runs it (the tests).
#ifndef RGBHSV_PLATFORM_STANDIN_HOOKS_H
#define RGBHSV_PLATFORM_STANDIN_HOOKS_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "win32_standin.h"

namespace standin {

// Forgets every window, brush, resource, record and script.
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
void SetMessageSpy(std::function<void(HWND, UINT, WPARAM, LPARAM)> spy);

// Every MessageBeep, in order.
const std::vector<UINT>& Beeps();

// Brushes made and freed, and misuses: freeing one twice, filling with a
// freed or unknown brush, freeing what is not a brush.
struct BrushCounts {
  int created, deleted, errors;
};
BrushCounts Brushes();

}  // namespace standin

#endif
