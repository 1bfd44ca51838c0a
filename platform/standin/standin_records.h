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
  bool pasteWaiting = false;
  bool busy = false;
  std::vector<HWND> paintsAsked;  // since the last Idle
};

Records& records();

}  // namespace standin

#endif
