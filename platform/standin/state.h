// The stand-in's insides: what a window is, and the one record of
// everything the stand-in knows. Only the stand-in's own sources see this.
#ifndef RGBHSV_PLATFORM_STANDIN_STATE_H
#define RGBHSV_PLATFORM_STANDIN_STATE_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../shared/edit_rules.h"
#include "../shared/resources.h"
#include "hooks.h"

enum class WindowKind { Dialog, Button, Edit, Static };

struct HDC__ {
  HWND window;
};

struct HWND__ {
  WindowKind kind;
  int id = 0;
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::string text;
  WNDPROC proc = nullptr;            // the current window procedure
  DLGPROC dialogProc = nullptr;      // dialogs only
  HWND parent = nullptr;
  std::vector<HWND> children;        // template order, which is the tab order
  bool visible = false;              // dialogs only; controls show with them
  bool modal = false;                // dialogs only: made by DialogBoxParamA
  bool ended = false;                // dialogs only: EndDialog was called
  bool destroyed = false;
  INT_PTR result = 0;
  HICON bigIcon = nullptr, smallIcon = nullptr;

  // Edit controls keep their text here rather than in `text`.
  edit::EditState edit;

  // Buttons: Space pressed on it and not yet released.
  bool pushed = false;

  // Painting.
  bool invalid = false;
  bool erase = false;
  bool painted = false;
  COLORREF paintedColor = 0;
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

using res::ControlSpec;
using res::DialogSpec;

struct State {
  std::vector<std::unique_ptr<HWND__>> windows;
  std::vector<std::unique_ptr<HBRUSH__>> brushes;
  std::vector<std::unique_ptr<HICON__>> icons;
  std::map<int, DialogSpec> templates;
  HWND focus = nullptr;
  std::function<void(HWND)> user;
  std::function<BOOL(CHOOSECOLORA&)> chooser;
  std::function<void(HWND, UINT, WPARAM, LPARAM)> spy;
  std::vector<UINT> beeps;
  std::string clipboard;
  bool clipboardOpen = false;
  int brushesDeleted = 0;
  int brushErrors = 0;
};

State& state();

// A window that the stand-in made and has not destroyed, or null.
HWND Live(HWND window);
// Dialog templates and icon groups, by resource ID.
void RegisterTemplate(int resourceId, const DialogSpec& spec);
void RegisterIcon(int resourceId);
// Tells the dialog what a control did: WM_COMMAND with its ID and the code.
void Notify(HWND control, WORD code);
// Sends WM_PAINT to `window` and, with children, to each of its children
// that is invalid.
void PaintInvalid(HWND window, bool children);

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// What every control does with a message it has no use for.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace standin

#endif
