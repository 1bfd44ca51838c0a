#include "contract.h"

#include <cstring>

std::vector<UINT> Contract::messages;
std::vector<Contract::Command> Contract::commands;

INT_PTR CALLBACK Contract::RecordingProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  messages.push_back(message);
  if (message == WM_COMMAND) {
    commands.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
  }
  return message == WM_INITDIALOG;  // TRUE: the focus goes to the first tab stop
}

void Contract::SetUp() {
  Forget();
  dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONVERTER), nullptr,
                              RecordingProc, 0);
  ASSERT_NE(dialog, nullptr);
  ShowWindow(dialog, SW_SHOW);
  for (int id : kFields) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, 3, 0);
  Forget();
}

void Contract::TearDown() {
  if (dialog) DestroyWindow(dialog);
}

std::string Contract::Text(int id) const {
  char text[64] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void Contract::SetText(int id, const char* text) {
  SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void Contract::Select(int id, int start, int end) {
  SetFocus(Item(id));
  SendDlgItemMessageA(dialog, id, EM_SETSEL, static_cast<WPARAM>(start), end);
}

DWORD Contract::Selection(int id) const {
  return static_cast<DWORD>(SendDlgItemMessageA(dialog, id, EM_GETSEL, 0, 0));
}

void Contract::Char(int id, char c) {
  SendDlgItemMessageA(dialog, id, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Contract::Paste(int id, const char* text) {
  ASSERT_TRUE(OpenClipboard(dialog));
  EmptyClipboard();
  const size_t size = std::strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  ASSERT_NE(memory, nullptr);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);  // the clipboard owns it now
  CloseClipboard();
  SendDlgItemMessageA(dialog, id, WM_PASTE, 0, 0);
}

void Contract::Key(WPARAM virtualKey) {
  for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    MSG msg = {};
    msg.hwnd = GetFocus();
    msg.message = message;
    msg.wParam = virtualKey;
    msg.lParam = message == WM_KEYDOWN ? 1 : static_cast<LPARAM>(0xC0000001);
    IsDialogMessageA(dialog, &msg);
  }
}

void Contract::KeyWith(bool shift, bool control, WPARAM virtualKey) {
  BYTE keys[256] = {};
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  keys[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(keys);
  Key(virtualKey);
  keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

std::string Contract::ClipboardText() {
  std::string text;
  if (!OpenClipboard(dialog)) return "(not opened)";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::vector<int> Contract::CodesFrom(int id) const {
  std::vector<int> codes;
  for (const Command& c : commands) {
    if (c.id == id) codes.push_back(c.code);
  }
  return codes;
}
