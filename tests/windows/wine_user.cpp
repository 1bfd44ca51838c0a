// The random user's hands and eyes for rgbhsv.exe under Wine: started by
// tests/random_user, it starts the program and then performs one command
// per line from its standard input, answering one line each: keys and the
// mouse through the system's input queue (SendInput), the clipboard, and
// what the user sees (the fields' texts, the focus, the swatch's pixel on
// the screen, whether the color chooser is open).
//
//   start PROGRAM.exe          -> ok | error ...
//   places                     -> ID LEFT TOP RIGHT BOTTOM;... (fields 1003..1008, 1002 swatch, 1001 Select..., 0 a label)
//   key VK 1|0                 -> ok (down or up)
//   char CODEPOINT             -> ok (typed as its key, or as a Unicode key)
//   move X Y | button left|middle down|up -> ok
//   clipboard HEX              -> ok (UTF-16 code units, 4 hex digits each)
//   read                       -> HEXTEXT,...|FOCUS|R G B|CHOOSER|ENDED
//   chooser ok R G B | chooser cancel -> ok
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

PROCESS_INFORMATION program = {};
HWND dialog = nullptr;

const int kControls[] = {1003, 1004, 1005, 1006, 1007, 1008, 1002, 1001};

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char title[64] = "";
  GetWindowTextA(window, title, sizeof title);
  if (process == program.dwProcessId && IsWindowVisible(window)) {
    HWND* into = reinterpret_cast<HWND*>(found);
    if (std::strcmp(title, "RGB <-> HSV") == 0 && !into[0]) into[0] = window;
    if (std::strcmp(title, "Color") == 0) into[1] = window;
  }
  return TRUE;
}

// The program's dialog and its color chooser, if open.
void Windows(HWND* main, HWND* chooser) {
  HWND found[2] = {nullptr, nullptr};
  EnumWindows(FindDialog, reinterpret_cast<LPARAM>(found));
  *main = found[0];
  *chooser = found[1];
}

std::string Utf16Hex(HWND window) {
  wchar_t text[64] = L"";
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
  std::string hex;
  char unit[8];
  for (size_t i = 0; i < copied; ++i) {
    std::snprintf(unit, sizeof unit, "%04x", static_cast<unsigned>(text[i]));
    hex += unit;
  }
  return hex;
}

void Key(WORD vk, bool up, WORD unicode = 0) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = unicode ? 0 : vk;
  in.ki.wScan = unicode;
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (unicode ? KEYEVENTF_UNICODE : 0);
  SendInput(1, &in, sizeof in);
}

void Mouse(DWORD flags, int x = 0, int y = 0) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = (x * 65535 + w / 2) / (w - 1);
  in.mi.dy = (y * 65535 + h / 2) / (h - 1);
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
  if (!(flags & MOUSEEVENTF_ABSOLUTE)) return;
  // Input is handled asynchronously: a button pressed next must find the
  // pointer there.
  POINT at = {};
  for (int tries = 0; tries < 200 && (!GetCursorPos(&at) || at.x != x || at.y != y); ++tries) Sleep(5);
}

void Type(unsigned codepoint) {
  if (codepoint > 0xFFFF) {  // as two Unicode keys, the surrogates
    const unsigned v = codepoint - 0x10000;
    for (WORD unit : {static_cast<WORD>(0xD800 + (v >> 10)), static_cast<WORD>(0xDC00 + (v & 0x3FF))}) {
      Key(0, false, unit);
      Key(0, true, unit);
    }
    return;
  }
  const SHORT scan = VkKeyScanW(static_cast<wchar_t>(codepoint));
  if (scan == -1 || (scan & 0x600)) {  // no key, or one needing Ctrl or Alt
    Key(0, false, static_cast<WORD>(codepoint));
    Key(0, true, static_cast<WORD>(codepoint));
    return;
  }
  const bool shift = scan & 0x100;
  if (shift) Key(VK_SHIFT, false);
  Key(LOBYTE(scan), false);
  Key(LOBYTE(scan), true);
  if (shift) Key(VK_SHIFT, true);
}

void SetClipboard(const char* hex) {
  const size_t units = std::strlen(hex) / 4;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (units + 1) * sizeof(wchar_t));
  wchar_t* text = static_cast<wchar_t*>(GlobalLock(memory));
  for (size_t i = 0; i < units; ++i) {
    char unit[5] = {hex[4 * i], hex[4 * i + 1], hex[4 * i + 2], hex[4 * i + 3], 0};
    text[i] = static_cast<wchar_t>(std::strtoul(unit, nullptr, 16));
  }
  text[units] = 0;
  GlobalUnlock(memory);
  for (int tries = 0; tries < 100 && !OpenClipboard(nullptr); ++tries) Sleep(10);
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

std::string Read() {
  HWND chooser = nullptr;
  Windows(&dialog, &chooser);
  const bool ended = WaitForSingleObject(program.hProcess, 0) == WAIT_OBJECT_0 || !dialog;
  std::string line;
  for (int i = 0; i < 6; ++i) line += (i ? "," : "") + (dialog ? Utf16Hex(GetDlgItem(dialog, kControls[i])) : "");
  int focus = 0, r = -1, g = -1, b = -1;
  if (dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(program.dwThreadId, &info);
    focus = info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0;
    RECT swatch;
    GetWindowRect(GetDlgItem(dialog, 1002), &swatch);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, (swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
    ReleaseDC(nullptr, screen);
    if (!chooser && c != CLR_INVALID) r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  }
  char rest[96];
  std::snprintf(rest, sizeof rest, "|%d|%d %d %d|%d|%d", focus, r, g, b, chooser ? 1 : 0, ended ? 1 : 0);
  return line + rest;
}

std::string Places() {
  std::string line;
  char place[80];
  for (int id : kControls) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    std::snprintf(place, sizeof place, "%d %ld %ld %ld %ld;", id, r.left, r.top, r.right, r.bottom);
    line += place;
  }
  HWND label = FindWindowExA(dialog, nullptr, "Static", "RGB color:");
  RECT r = {};
  if (label) GetWindowRect(label, &r);
  std::snprintf(place, sizeof place, "0 %ld %ld %ld %ld", r.left, r.top, r.right, r.bottom);
  return line + place;
}

std::string Chooser(const char* how) {
  HWND main = nullptr, chooser = nullptr;
  for (int tries = 0; tries < 1500 && !chooser; ++tries, Sleep(10)) Windows(&main, &chooser);
  if (!chooser) return "error no chooser";
  unsigned r = 0, g = 0, b = 0;
  if (std::sscanf(how, "ok %u %u %u", &r, &g, &b) == 3) {
    const unsigned values[3] = {r, g, b};
    for (int i = 0; i < 3; ++i) SetDlgItemInt(chooser, 706 + i, values[i], FALSE);
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
  } else {
    PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
  }
  for (int tries = 0; tries < 1500 && chooser; ++tries, Sleep(10)) Windows(&main, &chooser);
  return chooser ? "error the chooser stayed open" : "ok";
}

std::string Perform(char* line) {
  unsigned a = 0, b = 0;
  char word[16] = "";
  if (std::strncmp(line, "start ", 6) == 0) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string command = std::string("\"") + (line + 6) + "\"";
    if (!CreateProcessA(line + 6, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &program)) {
      return "error cannot start the program";
    }
    HWND chooser = nullptr;
    for (int tries = 0; tries < 2000 && !dialog; ++tries, Sleep(10)) Windows(&dialog, &chooser);
    return dialog ? "ok" : "error no dialog";
  }
  if (std::strcmp(line, "places") == 0) return Places();
  if (std::strcmp(line, "read") == 0) return Read();
  if (std::sscanf(line, "key %u %u", &a, &b) == 2) {
    Key(static_cast<WORD>(a), b == 0);
  } else if (std::sscanf(line, "char %u", &a) == 1) {
    Type(a);
  } else if (std::sscanf(line, "move %u %u", &a, &b) == 2) {
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<int>(a), static_cast<int>(b));
  } else if (std::sscanf(line, "button %15s", word) == 1) {
    const bool up = std::strstr(line, " up") != nullptr;
    const bool middle = std::strcmp(word, "middle") == 0;
    Mouse(middle ? (up ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN) : (up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN));
  } else if (std::strncmp(line, "clipboard", 9) == 0) {
    SetClipboard(line[9] ? line + 10 : "");
  } else if (std::strncmp(line, "chooser ", 8) == 0) {
    return Chooser(line + 8);
  } else {
    return "error unknown command";
  }
  return "ok";
}

}  // namespace

int main() {
  static char line[8192];
  while (std::fgets(line, sizeof line, stdin)) {
    line[std::strcspn(line, "\r\n")] = 0;
    std::printf("%s\n", Perform(line).c_str());
    std::fflush(stdout);
  }
  if (program.hProcess) TerminateProcess(program.hProcess, 0);
  return 0;
}
