#include "user.h"

#include "shared/dialog_manager.h"

#include <cstdlib>
#include <cstring>
#include <map>

namespace user {

namespace {

struct Records {
  std::vector<Write> writes;
  std::map<HWND, int> paints;
  std::vector<ChooserOpening> openings;
};

Records& records() {
  static Records r;
  return r;
}

void Spy(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_PAINT) ++records().paints[window];
  if (message == WM_SETTEXT && lParam && GetDlgCtrlID(window) != 0) {
    const char* text = reinterpret_cast<const char*>(lParam);
    records().writes.push_back({GetDlgCtrlID(window), static_cast<UINT>(std::strtoul(text, nullptr, 10))});
  }
}

HWND Control(HWND dialog, int id) { return IsOpen(dialog) ? GetDlgItem(dialog, id) : nullptr; }

// Text on the clipboard, as another program puts it there.
void PutOnClipboard(HWND dialog, const std::string& text) {
  if (OpenClipboard(dialog)) {
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
  }
}

// The user's input, as an implementation hands it to the dialog manager.
void Give(HWND dialog, const dialog_manager::Input& input) {
  if (IsOpen(dialog)) dialog_manager::Post(dialog, input);
}

// A key pressed and released. A key the dialog leaves to the platform
// (the caret keys) is the edit control's, as on Windows.
void Key(HWND dialog, dialog_manager::KeyPress key) {
  dialog_manager::Input input;
  input.key = key;
  if (IsOpen(dialog) && !dialog_manager::Post(dialog, input) && GetFocus()) {
    SendMessageA(GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(key.virtualKey), 1);
  }
  input.kind = dialog_manager::InputKind::KeyUp;
  Give(dialog, input);
  standin::Idle();
}

void Key(HWND dialog, int virtualKey, bool control = false) {
  dialog_manager::KeyPress key;
  key.virtualKey = virtualKey;
  key.control = control;
  Key(dialog, key);
}

constexpr size_t kEnd = 0x7FFFFFFF;  // past any field's text: its end

// The pointer on a control, which puts a field's caret or selection (to
// the end of its text at most) as the platform does, before the dialog
// manager hears of it; while a paste waits, the press waits too, with its
// place.
void Press(HWND dialog, int id, size_t start = 0, size_t end = 0) {
  dialog_manager::Input input;
  input.kind = dialog_manager::InputKind::Pressed;
  input.window = Control(dialog, id);
  if (input.window && dialog_manager::Waiting()) {
    input.start = static_cast<long long>(start);
    input.end = static_cast<long long>(end);
    Give(dialog, input);
  } else if (input.window) {
    // The platform's caret moves; the dialog manager hears of the press
    // only where the focus moves, and reads the caret when it needs it.
    const bool focusMoves = input.window != GetFocus();
    standin::PlaceCaret(input.window, start, end);
    if (focusMoves) Give(dialog, input);
  }
  standin::Idle();
}

}  // namespace

void Reset() {
  standin::Reset();
  records() = Records();
  standin::SetMessageSpy(Spy);
  SetChooser(nullptr);  // opened and cancelled, and each opening recorded
}

HWND OpenDialog(int resourceId, DLGPROC proc, LPARAM param) {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), nullptr, proc, param);
  if (dialog) {
    ShowWindow(dialog, SW_SHOW);
    standin::Idle();
  }
  return dialog;
}

void ClickInto(HWND dialog, int id) { Press(dialog, id, kEnd, kEnd); }

void Type(HWND dialog, const std::string& keys) {
  for (char c : keys) {
    dialog_manager::KeyPress key;
    key.character = static_cast<unsigned char>(c);
    if (c == '\b') key.virtualKey = VK_BACK;
    if (c >= '0' && c <= '9') key.virtualKey = c;
    if (c >= 'a' && c <= 'z') key.virtualKey = c - 'a' + 'A';
    Key(dialog, key);
  }
}

void TypeInto(HWND dialog, int id, const std::string& keys) {
  ClickInto(dialog, id);
  Type(dialog, keys);
}

void SelectAll(HWND dialog, int id) { Press(dialog, id, 0, kEnd); }

void PasteWithMiddleButton(HWND dialog, int id, size_t at, const std::string& text) {
  PutOnClipboard(dialog, text);
  dialog_manager::Input input;
  input.kind = dialog_manager::InputKind::Pasted;
  input.source = dialog_manager::TextSource::Selection;
  input.window = Control(dialog, id);
  input.start = input.end = static_cast<long long>(at);
  if (input.window) Give(dialog, input);
  standin::Idle();
}

void Paste(HWND dialog, const std::string& text) {
  PutOnClipboard(dialog, text);
  Key(dialog, 'V', true);
}


void Empty(HWND dialog, int id) {
  SelectAll(dialog, id);
  Key(dialog, VK_DELETE);
}

void Click(HWND dialog, int id) {
  Press(dialog, id);
  dialog_manager::Input input;
  input.kind = dialog_manager::InputKind::Clicked;
  input.window = Control(dialog, id);
  if (input.window) Give(dialog, input);
  standin::Idle();
}

void PressEnter(HWND dialog) { Key(dialog, VK_RETURN); }
void PressSpace(HWND dialog) { Key(dialog, VK_SPACE); }
void PressEscape(HWND dialog) { Key(dialog, VK_ESCAPE); }
void PressTab(HWND dialog) { Key(dialog, VK_TAB); }
void PressHome(HWND dialog) { Key(dialog, VK_HOME); }

void ClickCloseBox(HWND dialog) {
  dialog_manager::Input input;
  input.kind = dialog_manager::InputKind::Closed;
  Give(dialog, input);
  standin::Idle();
}

std::string Text(HWND dialog, int id) {
  if (GetDlgItem(dialog, id) == nullptr) return "<no control>";
  char text[64] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

int FocusedId() { return GetDlgCtrlID(GetFocus()); }

bool IsOpen(HWND dialog) { return IsWindowVisible(dialog) != FALSE; }

std::string Caption(HWND dialog) {
  char text[64] = "";
  SendMessageA(dialog, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

HICON Icon(HWND dialog, WPARAM which) {
  return reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, which, 0));
}

COLORREF PaintedColor(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  HDC dc = GetDC(control);
  const COLORREF color = GetPixel(dc, 0, 0);
  ReleaseDC(control, dc);
  return color;
}

int PaintCount(HWND dialog, int id) {
  const auto found = records().paints.find(id ? GetDlgItem(dialog, id) : dialog);
  return found == records().paints.end() ? 0 : found->second;
}

const std::vector<UINT>& Beeps() { return standin::Beeps(); }

int BeepCount(UINT type) {
  int n = 0;
  for (UINT b : Beeps()) n += b == type;
  return n;
}

const std::vector<Write>& Writes() { return records().writes; }

void SetChooser(std::function<BOOL(CHOOSECOLORA&)> chooser) {
  standin::SetChooser([chooser](CHOOSECOLORA& record) {
    ChooserOpening opening;
    opening.record = record;
    std::memcpy(opening.customColors, record.lpCustColors, sizeof opening.customColors);
    records().openings.push_back(opening);
    return chooser ? chooser(record) : FALSE;
  });
}

const std::vector<ChooserOpening>& ChooserOpenings() { return records().openings; }

}  // namespace user
