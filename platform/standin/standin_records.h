// The stand-in's insides: what it keeps of a window (what it has painted)
// and the one record of everything it knows. Only its own sources see this.
#ifndef RGBHSV_PLATFORM_STANDIN_STANDIN_RECORDS_H
#define RGBHSV_PLATFORM_STANDIN_STANDIN_RECORDS_H

#include <memory>
#include <string>
#include <vector>

#include "../shared/backend.h"
#include "win32_standin.h"

struct NativeWindow {
  bool shown = false;  // a window the screen does not show shows no pixels
  bool painted = false;
  COLORREF paintedColor = 0;  // what last filled the whole client area
  size_t selStart = 0, selEnd = 0;  // edits: the selection shown, in characters
};

struct NativeIcon {};  // nothing to show

namespace standin {

struct Records {
  std::vector<std::unique_ptr<NativeWindow>> natives;
  std::function<void(HWND)> user;
  std::function<BOOL(CHOOSECOLORA&)> chooser;
  std::vector<UINT> beeps;
  std::string clipboard;
  PasteAnswer pasteAnswer = PasteAnswer::AtOnce;
  struct Request {
    unsigned number;
    PasteAnswer answer;
  };
  std::vector<Request> unanswered;  // paste requests, oldest first
  uint64_t clock = 0;               // the platform's clock, in ms
  std::vector<uint64_t> wakes;      // the times the dialog manager asked to be woken at
  bool busy = false;
  std::vector<HWND> paintsAsked;  // since the last Idle
  void (*spy)(HWND, UINT, WPARAM, LPARAM) = nullptr;
  int fills = 0;  // FillRect with a brush that was live
};

Records& records();
// The dialog manager woken where the clock has reached the time it asked.
void WakeWhereDue();

}  // namespace standin

#endif
