// End-to-end tests of rgbhsv.exe, run under Wine in a virtual X display:
// starts the real program, finds its dialog and uses it as a person would,
// with mouse clicks and keystrokes sent through the system's input queue,
// reading the fields and the swatch's pixels on the screen.
//
//   e2e_driver PROGRAM.exe SCENARIO
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int failures = 0;

#define CHECK(condition, ...)                                    \
  do {                                                           \
    if (!(condition)) {                                          \
      ++failures;                                                \
      std::printf("%s:%d: failed: %s: ", __FILE__, __LINE__, #condition); \
      std::printf(__VA_ARGS__);                                  \
      std::printf("\n");                                         \
    }                                                            \
  } while (0)

constexpr int kRed = 1003, kGreen = 1004, kBlue = 1005, kHue = 1006, kSaturation = 1007,
              kValue = 1008, kSelect = 1001, kSwatch = 1002;
const int kFields[6] = {kRed, kGreen, kBlue, kHue, kSaturation, kValue};

// Waits up to `ms` for `ready`, checking every 10 ms.
template <typename F>
bool WaitFor(F ready, DWORD ms = 10000) {
  const DWORD start = GetTickCount();
  while (!ready()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(10);
  }
  return true;
}

std::string Text(HWND window) {
  char text[64] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

std::string Fields(HWND dialog) {
  std::string all;
  for (int i = 0; i < 6; ++i) all += (i ? "," : "") + Text(GetDlgItem(dialog, kFields[i]));
  return all;
}

// Waits until the six fields read `expected`; true if they did.
bool FieldsBecome(HWND dialog, const std::string& expected) {
  return WaitFor([&] { return Fields(dialog) == expected; }, 3000);
}

#define CHECK_FIELDS(dialog, expected)                                       \
  do {                                                                       \
    const bool became = FieldsBecome(dialog, expected);                      \
    CHECK(became, "fields %s, expected %s", Fields(dialog).c_str(), expected); \
  } while (0)

void Key(WORD vk, bool up) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

void Press(WORD vk) {
  Key(vk, false);
  Key(vk, true);
  Sleep(30);
}

void TypeDigits(const char* digits) {
  for (const char* c = digits; *c; ++c) Press(static_cast<WORD>(*c));  // '0'..'9' are their own keys
}

// Moves the mouse there and waits until the system has it there: input is
// handled asynchronously.
void MoveTo(int x, int y) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = (x * 65535 + w / 2) / (w - 1);
  in.mi.dy = (y * 65535 + h / 2) / (h - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  WaitFor([&] {
    POINT at;
    return GetCursorPos(&at) && at.x == x && at.y == y;
  }, 2000);
}

void Button(DWORD flag) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof in);
  Sleep(50);
}

void ClickAt(int x, int y) {
  MoveTo(x, y);
  Button(MOUSEEVENTF_LEFTDOWN);
  Button(MOUSEEVENTF_LEFTUP);
}

RECT ScreenRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

// The window with the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// Moves the focus to a control with the Tab key, as a keyboard user does;
// the dialog manager selects the whole text of a field it tabs into.
void TabTo(HWND control) {
  for (int i = 0; i < 40 && FocusOf(control) != control; ++i) {
    Press(VK_TAB);
    WaitFor([&] { return FocusOf(control) != nullptr; }, 500);
  }
  CHECK(FocusOf(control) == control, "Tab never reached control %d", GetDlgCtrlID(control));
}

// Tabs into a field and deletes its whole text.
void TabAndClear(HWND field) {
  TabTo(field);
  Press(VK_BACK);
}

COLORREF ScreenColor(HWND control) {
  const RECT r = ScreenRect(control);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ReleaseDC(nullptr, screen);
  return c;
}

// The screen color just inside a control's right edge, where neither its
// border nor its left-aligned text reaches: a field's background.
COLORREF InsideRightEdge(HWND control) {
  const RECT r = ScreenRect(control);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, r.right - 4, (r.top + r.bottom) / 2);
  ReleaseDC(nullptr, screen);
  return c;
}

// Whether the dialog is on the screen whole: every field white, the swatch
// in its color.
bool DrawnWhole(HWND dialog, COLORREF swatch) {
  for (int id : kFields) {
    if (InsideRightEdge(GetDlgItem(dialog, id)) != RGB(255, 255, 255)) return false;
  }
  return ScreenColor(GetDlgItem(dialog, kSwatch)) == swatch;
}

bool SwatchBecomes(HWND dialog, COLORREF expected) {
  return WaitFor([&] { return ScreenColor(GetDlgItem(dialog, kSwatch)) == expected; }, 3000);
}

#define CHECK_SWATCH(dialog, expected)                                                   \
  do {                                                                                   \
    const bool became = SwatchBecomes(dialog, expected);                                 \
    CHECK(became, "swatch 0x%06lx, expected 0x%06lx",                                    \
          static_cast<unsigned long>(ScreenColor(GetDlgItem(dialog, kSwatch))),          \
          static_cast<unsigned long>(expected));                                         \
  } while (0)

// Whether the caption, left of its text, holds the icon's pure red, green
// and blue.
bool CaptionShowsTheColorWheel(HWND dialog) {
  const RECT r = ScreenRect(dialog);
  POINT client = {0, 0};
  ClientToScreen(dialog, &client);
  HDC screen = GetDC(nullptr);
  bool red = false, green = false, blue = false;
  for (int y = r.top; y < client.y; ++y) {
    for (int x = r.left; x < r.left + (client.y - r.top) + 8; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      const int cr = GetRValue(c), cg = GetGValue(c), cb = GetBValue(c);
      red = red || (cr > 200 && cg < 80 && cb < 80);
      green = green || (cg > 200 && cr < 80 && cb < 80);
      blue = blue || (cb > 200 && cr < 80 && cg < 80);
    }
  }
  ReleaseDC(nullptr, screen);
  return red && green && blue;
}

struct Program {
  PROCESS_INFORMATION process = {};
  HWND dialog = nullptr;
};

struct Find {
  DWORD processId;
  const char* title;
  HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM lParam) {
  Find& f = *reinterpret_cast<Find*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char title[64] = "";
  GetWindowTextA(window, title, sizeof title);
  if (owner == f.processId && IsWindowVisible(window) && std::strcmp(title, f.title) == 0) {
    f.found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindWindowOf(const Program& p, const char* title) {
  Find f{p.process.dwProcessId, title, nullptr};
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

bool Start(const char* exe, Program* p) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  char commandLine[MAX_PATH + 2];
  std::snprintf(commandLine, sizeof commandLine, "\"%s\"", exe);
  if (!CreateProcessA(exe, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &p->process)) {
    std::printf("cannot start %s: error %lu\n", exe, GetLastError());
    return false;
  }
  WaitForInputIdle(p->process.hProcess, 10000);
  WaitFor([&] { return (p->dialog = FindWindowOf(*p, "RGB <-> HSV")) != nullptr; });
  if (!p->dialog) {
    std::printf("no dialog \"RGB <-> HSV\" appeared\n");
    return false;
  }
  // The pointer starts away from the dialog, wherever the last test left it.
  MoveTo(2, 2);
  // Input goes to the active window's focus: wait until the dialog is
  // active with the focus on its first tab stop, as it opens.
  SetForegroundWindow(p->dialog);
  HWND select = GetDlgItem(p->dialog, kSelect);
  if (!WaitFor([&] { return GetForegroundWindow() == p->dialog && FocusOf(p->dialog) == select; })) {
    std::printf("the dialog never became active with the focus on Select...\n");
  }
  FieldsBecome(p->dialog, "255,255,255,0,0,255");
  // Input only once the first paint is on the screen.
  if (!WaitFor([&] { return DrawnWhole(p->dialog, RGB(255, 255, 255)); })) {
    std::printf("the dialog was not drawn whole\n");
    return false;
  }
  return true;
}

// Waits for the process to end; its exit code, or -999 if it did not end.
int ExitCode(Program& p) {
  if (WaitForSingleObject(p.process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(p.process.hProcess, 99);
    return -999;
  }
  DWORD code = 0;
  GetExitCodeProcess(p.process.hProcess, &code);
  CloseHandle(p.process.hProcess);
  CloseHandle(p.process.hThread);
  return static_cast<int>(code);
}

HWND Field(const Program& p, int id) { return GetDlgItem(p.dialog, id); }

HWND WaitForChooser(const Program& p, DWORD ms = 5000);
std::string ChooserColor(HWND chooser);

// ---------------------------------------------------------------------------

void StartUp(Program& p) {
  CHECK_FIELDS(p.dialog, "255,255,255,0,0,255");
  CHECK_SWATCH(p.dialog, RGB(255, 255, 255));
  // The icon, as the caption shows it: Wine answers WM_GETICON from another
  // process with nothing, so look at the caption's pixels instead. The
  // color wheel has pure red, green and blue in it; a default icon has not.
  CHECK(CaptionShowsTheColorWheel(p.dialog), "no color wheel icon in the caption");
  // Centered on the screen.
  const RECT r = ScreenRect(p.dialog);
  const int dx = (r.left + r.right) - GetSystemMetrics(SM_CXSCREEN);
  const int dy = (r.top + r.bottom) - GetSystemMetrics(SM_CYSCREEN);
  CHECK(dx >= -2 && dx <= 2 && dy >= -40 && dy <= 40, "not centered: %ld,%ld-%ld,%ld", r.left,
        r.top, r.right, r.bottom);
  // The focus starts on "Select..."; Tab then visits the RGB fields, the HSV
  // fields and comes back.
  CHECK(WaitFor([&] { return FocusOf(p.dialog) == Field(p, kSelect); }, 3000), "focus not on Select...");
  const int order[7] = {kRed, kGreen, kBlue, kHue, kSaturation, kValue, kSelect};
  for (int id : order) {
    Press(VK_TAB);
    const bool moved = WaitFor([&] { return FocusOf(p.dialog) == Field(p, id); }, 3000);
    CHECK(moved, "Tab did not reach control %d, focus on %d", id, GetDlgCtrlID(FocusOf(p.dialog)));
  }
  Press(VK_ESCAPE);
}

// Enter on the focused "Select..." button presses it. Right after the dialog
// opens Windows makes the first tab stop the default button, so the first
// Enter already presses it; Wine 8 does not, and sends IDOK instead, which
// the program ignores. Either way the fields stay; once Tab has brought the
// focus back to the button, Enter presses it under Wine too.
void EnterOnSelect(Program& p) {
  Press(VK_RETURN);
  HWND chooser = WaitForChooser(p, 1500);
  if (chooser) {
    Press(VK_ESCAPE);
    CHECK(WaitFor([&] { return !IsWindow(chooser); }, 3000), "chooser still open after Escape");
  }
  CHECK_FIELDS(p.dialog, "255,255,255,0,0,255");
  for (int i = 0; i < 7; ++i) Press(VK_TAB);
  CHECK(WaitFor([&] { return FocusOf(p.dialog) == Field(p, kSelect); }, 3000), "focus not back on Select...");
  Press(VK_RETURN);
  chooser = WaitForChooser(p);
  CHECK(chooser != nullptr, "Enter on Select... opened no chooser");
  if (chooser) {
    CHECK(WaitFor([&] { return ChooserColor(chooser) == "255,255,255"; }, 3000), "chooser opened on %s",
          ChooserColor(chooser).c_str());
    Press(VK_ESCAPE);
    CHECK(WaitFor([&] { return !IsWindow(chooser); }, 3000), "chooser still open after Escape");
  }
  CHECK_FIELDS(p.dialog, "255,255,255,0,0,255");
  Press(VK_ESCAPE);
}

void Typing(Program& p) {
  TabAndClear(Field(p, kRed));
  CHECK_FIELDS(p.dialog, ",255,255,128,255,255");
  TypeDigits("3");
  CHECK_FIELDS(p.dialog, "3,255,255,128,252,255");
  TypeDigits("0");
  CHECK_FIELDS(p.dialog, "30,255,255,128,225,255");
  CHECK_SWATCH(p.dialog, RGB(30, 255, 255));
  TypeDigits("0");  // 300: becomes 255
  CHECK_FIELDS(p.dialog, "255,255,255,0,0,255");

  TabAndClear(Field(p, kSaturation));
  TypeDigits("999");
  CHECK_FIELDS(p.dialog, "255,0,0,0,255,255");
  TabAndClear(Field(p, kHue));
  TypeDigits("170");
  CHECK_FIELDS(p.dialog, "0,3,255,170,255,255");
  CHECK_SWATCH(p.dialog, RGB(0, 3, 255));
  // Letters are not taken: the field accepts digits only.
  Press('A');
  CHECK_FIELDS(p.dialog, "0,3,255,170,255,255");
  Press(VK_ESCAPE);
}

// Keystrokes that change no field's number change nothing: Ctrl+Z with
// nothing to undo, and a digit refused at the three-character limit. Both
// still make Wine's edit control report a change.
void Unchanged(Program& p) {
  const int ids[3] = {kRed, kGreen, kBlue};
  const char* values[3] = {"0", "255", "5"};
  for (int i = 0; i < 3; ++i) {
    TabAndClear(Field(p, ids[i]));
    TypeDigits(values[i]);
  }
  const char* entered = "0,255,5,87,255,255";
  CHECK_FIELDS(p.dialog, entered);
  TabTo(Field(p, kHue));
  Key(VK_CONTROL, false);
  Press('Z');
  Key(VK_CONTROL, true);
  // Input is handled in order: once Tab has moved on, Ctrl+Z was handled.
  TabTo(Field(p, kSaturation));
  CHECK(Fields(p.dialog) == entered, "after Ctrl+Z: fields %s", Fields(p.dialog).c_str());
  TabTo(Field(p, kValue));
  Press(VK_END);  // the caret after the full "255", nothing selected
  TypeDigits("9");
  TabTo(Field(p, kSelect));
  CHECK(Fields(p.dialog) == entered, "after a refused digit: fields %s", Fields(p.dialog).c_str());
  CHECK_SWATCH(p.dialog, RGB(0, 255, 5));
  Press(VK_ESCAPE);
}

void Emptying(Program& p) {
  TabAndClear(Field(p, kGreen));
  CHECK_FIELDS(p.dialog, "255,,255,213,255,255");
  CHECK_SWATCH(p.dialog, RGB(255, 0, 255));
  // Enter in a field changes nothing and closes nothing.
  Press(VK_RETURN);
  TabTo(Field(p, kBlue));  // input is handled in order: Enter is done once Tab is
  CHECK(Fields(p.dialog) == "255,,255,213,255,255", "after Enter: fields %s", Fields(p.dialog).c_str());
  CHECK(IsWindow(p.dialog), "dialog closed by Enter");
  Press(VK_ESCAPE);
}

HWND WaitForChooser(const Program& p, DWORD ms) {
  HWND chooser = nullptr;
  WaitFor([&] { return (chooser = FindWindowOf(p, "Color")) != nullptr; }, ms);
  return chooser;
}

// The chooser's red, green and blue fields (its template's IDs 706..708).
std::string ChooserColor(HWND chooser) {
  return Text(GetDlgItem(chooser, 706)) + "," + Text(GetDlgItem(chooser, 707)) + "," +
         Text(GetDlgItem(chooser, 708));
}

void Chooser(Program& p) {
  TabAndClear(Field(p, kBlue));
  TypeDigits("18");
  CHECK_FIELDS(p.dialog, "255,255,18,42,237,255");
  TabTo(Field(p, kSelect));
  Press(VK_SPACE);  // presses the focused button
  HWND chooser = WaitForChooser(p);
  CHECK(chooser != nullptr, "no color chooser opened");
  if (!chooser) return;
  CHECK(WaitFor([&] { return ChooserColor(chooser) == "255,255,18"; }, 3000), "chooser opened on %s",
        ChooserColor(chooser).c_str());
  Press(VK_ESCAPE);
  CHECK(WaitFor([&] { return !IsWindow(chooser); }, 3000), "chooser still open after Escape");
  CHECK_FIELDS(p.dialog, "255,255,18,42,237,255");

  TabTo(Field(p, kSelect));
  Press(VK_SPACE);  // presses the focused button
  chooser = WaitForChooser(p);
  CHECK(chooser != nullptr, "no color chooser opened the second time");
  if (!chooser) return;
  const int ids[3] = {706, 707, 708};
  const char* values[3] = {"200", "100", "50"};
  for (int i = 0; i < 3; ++i) {
    TabAndClear(GetDlgItem(chooser, ids[i]));
    TypeDigits(values[i]);
  }
  CHECK(WaitFor([&] { return ChooserColor(chooser) == "200,100,50"; }, 3000), "chooser shows %s",
        ChooserColor(chooser).c_str());
  Press(VK_RETURN);  // the chooser's default button, OK
  CHECK(WaitFor([&] { return !IsWindow(chooser); }, 3000), "chooser still open after Enter");
  CHECK_FIELDS(p.dialog, "200,100,50,15,192,200");
  CHECK_SWATCH(p.dialog, RGB(200, 100, 50));
  Press(VK_ESCAPE);
}

void CloseBox(Program& p) {
  // Mouse clicks sent into Wine's virtual desktop are now and then lost, so
  // a user's second click is allowed for; the exit code is what counts.
  // Find the close box by asking the window what lies under each point of
  // its top edge, then click it.
  const RECT r = ScreenRect(p.dialog);
  for (int y = r.top; y < r.top + 40; ++y) {
    for (int x = r.right - 1; x > r.right - 60; --x) {
      const LRESULT hit = SendMessageA(p.dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (hit == HTCLOSE) {
        for (int attempt = 0; attempt < 3; ++attempt) {
          ClickAt(x, y);
          if (WaitForSingleObject(p.process.hProcess, 2000) == WAIT_OBJECT_0) return;
          std::printf("close box click %d had no effect\n", attempt + 1);
        }
        return;
      }
    }
  }
  CHECK(false, "no close box found");
}

// Set by main for the posing scenarios: a file whose appearance says that the
// screenshot has been taken.
std::string releaseFile;

// Not a test: waits until the dialog is drawn whole (every field white on
// the screen, the swatch in its color), says "posed", and holds still until
// the release file appears, at most a minute, then closes the dialog.
void HoldForScreenshot(Program& p, COLORREF swatch) {
  const bool drawn = WaitFor([&] { return DrawnWhole(p.dialog, swatch); });
  CHECK(drawn, "the dialog was not drawn whole");
  if (drawn) {
    std::printf("posed\n");
    std::fflush(stdout);
    const bool released = WaitFor(
        [] { return GetFileAttributesA(releaseFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000);
    CHECK(released, "no screenshot was taken");
  }
  Press(VK_ESCAPE);
}

// The dialog as it opens.
void Show(Program& p) { HoldForScreenshot(p, RGB(255, 255, 255)); }

// A color entered from the keyboard, the focus back on "Select...".
void Pose(Program& p) {
  const int ids[3] = {kRed, kGreen, kBlue};
  const char* values[3] = {"40", "150", "220"};
  for (int i = 0; i < 3; ++i) {
    TabAndClear(Field(p, ids[i]));
    TypeDigits(values[i]);
  }
  TabTo(Field(p, kSelect));
  CHECK_FIELDS(p.dialog, "40,150,220,144,209,220");
  HoldForScreenshot(p, RGB(40, 150, 220));
}

struct Scenario {
  const char* name;
  void (*run)(Program&);
};
const Scenario kScenarios[] = {{"startup", StartUp},   {"enter-on-select", EnterOnSelect},
                               {"typing", Typing},     {"emptying", Emptying},
                               {"unchanged", Unchanged},
                               {"chooser", Chooser},   {"closebox", CloseBox},
                               {"show", Show},         {"pose", Pose}};

}  // namespace

// A Unix path names a file on Wine's drive Z:.
static std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') {
    path = "Z:" + path;
    for (char& c : path) c = c == '/' ? '\\' : c;
  }
  return path;
}

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::printf("usage: e2e_driver PROGRAM.exe SCENARIO [RELEASE-FILE]\n");
    return 2;
  }
  if (argc == 4) releaseFile = WindowsPath(argv[3]);
  for (const Scenario& s : kScenarios) {
    if (std::strcmp(s.name, argv[2]) != 0) continue;
    const std::string exe = WindowsPath(argv[1]);
    Program p;
    if (!Start(exe.c_str(), &p)) {
      if (p.process.hProcess) TerminateProcess(p.process.hProcess, 99);
      return 1;
    }
    s.run(p);
    const int code = ExitCode(p);
    CHECK(code == 0, "exit code %d", code);
    std::printf("%s: %s\n", s.name, failures ? "FAILED" : "passed");
    return failures ? 1 : 0;
  }
  std::printf("no scenario %s\n", argv[2]);
  return 2;
}
