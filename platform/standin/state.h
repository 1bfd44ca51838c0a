// The stand-in's insides: what it adds to a window (geometry in dialog
// units, whether it is shown, what it has painted), and the one record of
// everything it knows. Only the stand-in's own sources see this.
#ifndef RGBHSV_PLATFORM_STANDIN_STATE_H
#define RGBHSV_PLATFORM_STANDIN_STATE_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../shared/resources.h"
#include "../shared/window.h"
#include "hooks.h"

struct HDC__ {
  HWND window;
};

struct NativeWindow {
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  bool visible = false;              // dialogs only; controls show with them
  bool painted = false;
  COLORREF paintedColor = 0;         // what last filled the whole client area
  HDC__ dc{nullptr};
};

struct HBRUSH__ {
  COLORREF color;
  bool deleted = false;
};

struct HICON__ {
  int resource;
};

namespace standin {

struct State {
  std::vector<std::unique_ptr<NativeWindow>> natives;
  std::vector<std::unique_ptr<HBRUSH__>> brushes;
  std::vector<std::unique_ptr<HICON__>> icons;
  std::map<int, res::DialogSpec> templates;
  std::function<void(HWND)> user;
  std::function<BOOL(CHOOSECOLORA&)> chooser;
  std::vector<UINT> beeps;
  std::string clipboard;
  bool clipboardOpen = false;
  int brushesDeleted = 0;
  int brushErrors = 0;
};

State& state();

inline NativeWindow& Native(HWND window) { return *window->native; }
// Dialog templates and icon groups, by resource ID.
void RegisterTemplate(int resourceId, const res::DialogSpec& spec);
void RegisterIcon(int resourceId);
// Sends WM_PAINT to `window` and, with children, to each of its children
// that is invalid, if it is shown.
void PaintInvalid(HWND window, bool children);
HWND CreateFromTemplate(LPCSTR templateName, DLGPROC proc, LPARAM param);
INT_PTR RunModal(HWND dialog);

}  // namespace standin

#endif
