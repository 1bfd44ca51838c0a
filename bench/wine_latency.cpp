// Times a dialog program as its user meets it: from starting the process to
// its dialog on the screen, ready, and from one keystroke in field 1003 to
// field 1007 showing the result. Run under Wine in a virtual X display.
//
//   wine_latency PROGRAM.exe TITLE READY_TEXT STARTS KEYSTROKES
//
// READY_TEXT is what field 1007 shows once the dialog is ready. Prints the
// median of each measure, in milliseconds, and of the start's phases: the
// dialog's window made, and shown.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * double(t.QuadPart) / double(frequency.QuadPart);
}

std::string Text(HWND dialog, int id) {
  char text[16] = "";
  SendMessageTimeoutA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 1000, nullptr);
  return text;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Press(WORD vk) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof in[0]);
}

// Polls `ready` without pausing, so that a measured wait ends as soon as it
// can; false after `ms` milliseconds.
template <typename F>
bool WaitFor(F ready, double ms) {
  const double start = Now();
  while (!ready()) {
    if (Now() - start > ms) return false;
    Sleep(0);
  }
  return true;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::printf("usage: wine_latency PROGRAM.exe TITLE READY_TEXT STARTS KEYSTROKES\n");
    return 2;
  }
  const char* title = argv[2];
  const std::string ready = argv[3];
  const int starts = std::atoi(argv[4]), keystrokes = std::atoi(argv[5]);
  std::vector<double> startTimes, keyTimes, madeTimes, shownTimes;
  for (int run = 0; run < starts; ++run) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    const double t0 = Now();
    if (!CreateProcessA(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      std::printf("cannot start %s\n", argv[1]);
      return 1;
    }
    // On the way, the start's phases: the dialog's window made (its title
    // is set when it is created, before its controls), then shown.
    HWND dialog = nullptr;
    double made = -1, shown = -1;
    while (Now() - t0 < 20000) {
      dialog = FindWindowA(nullptr, title);
      const bool visible = dialog && IsWindowVisible(dialog);
      if (dialog && made < 0) made = Now() - t0;
      if (visible && shown < 0) shown = Now() - t0;
      if (visible && Text(dialog, 1007) == ready) break;
      dialog = nullptr;
      Sleep(1);
    }
    if (!dialog) {
      std::printf("%s did not show \"%s\" ready\n", argv[1], title);
      return 1;
    }
    startTimes.push_back(Now() - t0);
    madeTimes.push_back(made);
    shownTimes.push_back(shown);

    // Keystrokes go into field 1003: Tab until it has the focus (which
    // selects its text), then alternately a digit and Backspace.
    SetForegroundWindow(dialog);
    HWND field = GetDlgItem(dialog, 1003);
    for (int i = 0; i < 10 && FocusOf(dialog) != field; ++i) {
      const HWND before = FocusOf(dialog);
      Press(VK_TAB);
      WaitFor([&] { return FocusOf(dialog) != before; }, 1000);
    }
    Press(VK_BACK);
    // The field reads empty once the program has handled the key, change
    // notification and all: it answers WM_GETTEXT only between messages.
    if (FocusOf(dialog) != field || !WaitFor([&] { return Text(dialog, 1003).empty(); }, 5000)) {
      std::printf("%s: field 1003 could not be focused and cleared\n", argv[1]);
      return 1;
    }
    for (int k = 0; run == 0 && k < keystrokes; ++k) {
      const std::string before = Text(dialog, 1007);
      const double t = Now();
      Press(k % 2 == 0 ? WORD('1' + (k / 2) % 9) : WORD(VK_BACK));
      if (!WaitFor([&] { return Text(dialog, 1007) != before; }, 5000)) {
        std::printf("%s: keystroke %d changed nothing in field 1007\n", argv[1], k + 1);
        return 1;
      }
      keyTimes.push_back(Now() - t);
      // Not a wait for anything: keystrokes come at a typist's pace, so that
      // each meets a program that has finished with the one before (its key
      // release too), as a user's do.
      Sleep(20);
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  }
  std::printf("start_ms %.1f keystroke_ms %.2f made_ms %.1f shown_ms %.1f\n", Median(startTimes), Median(keyTimes),
              Median(madeTimes), Median(shownTimes));
  return 0;
}
