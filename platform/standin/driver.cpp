// The user's side of the stand-in: actions as a person at the keyboard would
// take them, and what that person would see.
#include "state.h"

namespace standin {

void Reset() { state() = State(); }

static HWND Control(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control && !dialog->ended ? control : nullptr;
}

static HWND Focus(HWND dialog) { return Live(dialog) && !dialog->ended ? dialog->focus : nullptr; }

static void Command(HWND dialog, int id, WORD code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ClickInto(HWND dialog, int id) {
  if (HWND control = Control(dialog, id)) FocusControl(dialog, control, false);
  DeliverPaints();
}

void Type(HWND dialog, const std::string& keys) {
  for (char c : keys) {
    if (HWND focus = Focus(dialog)) SendMessageA(focus, WM_CHAR, static_cast<unsigned char>(c), 0);
    DeliverPaints();
  }
}

void TypeInto(HWND dialog, int id, const std::string& keys) {
  ClickInto(dialog, id);
  Type(dialog, keys);
}

void SelectAll(HWND dialog, int id) {
  if (HWND control = Control(dialog, id)) FocusControl(dialog, control, true);
  DeliverPaints();
}

void Paste(HWND dialog, const std::string& text) {
  state().clipboard = text;
  if (HWND focus = Focus(dialog)) SendMessageA(focus, WM_PASTE, 0, 0);
  DeliverPaints();
}

void Empty(HWND dialog, int id) {
  SelectAll(dialog, id);
  if (HWND focus = Focus(dialog)) SendMessageA(focus, WM_CLEAR, 0, 0);
  DeliverPaints();
}

void Click(HWND dialog, int id) {
  if (HWND button = Control(dialog, id)) {
    FocusControl(dialog, button, false);
    Notify(button, BN_CLICKED);
  }
  DeliverPaints();
}

// With no default button, Enter in a field is the IDOK command; on a push
// button it presses that button.
void PressEnter(HWND dialog) {
  HWND focus = Focus(dialog);
  if (focus && focus->kind == WindowKind::Button) {
    Notify(focus, BN_CLICKED);
  } else if (Live(dialog) && !dialog->ended) {
    Command(dialog, IDOK, BN_CLICKED);
  }
  DeliverPaints();
}

void PressEscape(HWND dialog) {
  if (Live(dialog) && !dialog->ended) Command(dialog, IDCANCEL, BN_CLICKED);
  DeliverPaints();
}

// Tab moves to the next enabled tab stop in template order, wrapping, and
// selects the whole text of a field it lands on.
void PressTab(HWND dialog) {
  if (!Live(dialog) || dialog->ended) return;
  const auto& controls = dialog->children;
  size_t at = controls.size() - 1;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i] == dialog->focus) at = i;
  }
  for (size_t step = 1; step <= controls.size(); ++step) {
    HWND next = controls[(at + step) % controls.size()];
    if ((next->style & WS_TABSTOP) && !(next->style & WS_DISABLED)) {
      FocusControl(dialog, next, true);
      break;
    }
  }
  DeliverPaints();
}

void ClickCloseBox(HWND dialog) {
  if (Live(dialog) && !dialog->ended) SendMessageA(dialog, WM_CLOSE, 0, 0);
  DeliverPaints();
}

std::string Text(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control ? control->text : std::string("<no control>");
}

int FocusedId(HWND dialog) {
  HWND focus = Focus(dialog);
  return focus ? focus->id : 0;
}

bool IsOpen(HWND dialog) { return Live(dialog) && !dialog->ended; }

std::string Caption(HWND dialog) { return Live(dialog) ? dialog->text : std::string(); }

const std::vector<UINT>& Beeps() { return state().beeps; }

int BeepCount(UINT type) {
  int n = 0;
  for (UINT b : state().beeps) n += b == type;
  return n;
}

HICON Icon(HWND dialog, WPARAM which) {
  if (!Live(dialog)) return nullptr;
  return which == ICON_BIG ? dialog->bigIcon : dialog->smallIcon;
}

COLORREF PaintedColor(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control && control->painted ? control->paintedColor : 0xFFFFFFFF;
}

int PaintCount(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control ? control->paints : 0;
}

int InvalidationCount(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control ? control->invalidations : 0;
}

int BrushesCreated() { return static_cast<int>(state().brushes.size()); }
int BrushesDeleted() { return state().brushesDeleted; }
int BrushErrors() { return state().brushErrors; }

const std::vector<Write>& Writes() { return state().writes; }

}  // namespace standin
