// Times a program as its user meets it, from outside, on an X display: from
// starting the process to its window showing a white field at a given
// point, its resident memory then, and from one keystroke into that field to
// a watched part of the window changing.
//
//   x11_latency TITLE STARTS KEYSTROKES X Y WATCH_X WATCH_Y WATCH_W WATCH_H -- COMMAND...
//
// Coordinates are in the window's client area. Prints the medians:
//   start_ms N rss_kb N keystroke_ms N
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

Display* display;

double Now() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The interval of every poll below: short against what is measured.
void Pause() { std::this_thread::sleep_for(std::chrono::microseconds(500)); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

std::string Title(Window w) {
  char* name = nullptr;
  std::string title;
  if (XFetchName(display, w, &name) && name) title = name;
  if (name) XFree(name);
  return title;
}

// A viewable window with this title, at any depth below `from`.
Window Find(Window from, const std::string& title) {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, from, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display, children[i], &a) && a.map_state == IsViewable &&
        Title(children[i]) == title) {
      found = children[i];
    }
    if (!found) found = Find(children[i], title);
  }
  if (children) XFree(children);
  return found;
}

// The window's pixels in a rectangle, as 0xRRGGBB values.
std::vector<unsigned long> Pixels(Window w, int x, int y, int width, int height) {
  std::vector<unsigned long> pixels;
  XImage* image = XGetImage(display, w, x, y, width, height, AllPlanes, ZPixmap);
  if (!image) return pixels;
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) pixels.push_back(XGetPixel(image, i, j) & 0xFFFFFF);
  }
  XDestroyImage(image);
  return pixels;
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

void Key(KeySym sym) {
  const KeyCode code = XKeysymToKeycode(display, sym);
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 12 || std::strcmp(argv[10], "--") != 0) {
    std::fprintf(stderr, "usage: x11_latency TITLE STARTS KEYSTROKES X Y WATCH_X WATCH_Y WATCH_W WATCH_H -- COMMAND...\n");
    return 2;
  }
  const std::string title = argv[1];
  const int starts = std::atoi(argv[2]), keystrokes = std::atoi(argv[3]);
  const int x = std::atoi(argv[4]), y = std::atoi(argv[5]);
  const int wx = std::atoi(argv[6]), wy = std::atoi(argv[7]), ww = std::atoi(argv[8]), wh = std::atoi(argv[9]);
  display = XOpenDisplay(nullptr);
  // Windows come and go while the tree is searched: a window gone by the
  // time it is asked about is simply not the one sought.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  if (!display) {
    std::fprintf(stderr, "x11_latency: cannot open the display\n");
    return 1;
  }
  std::vector<double> startTimes, keyTimes, residents;
  for (int run = 0; run < starts; ++run) {
    const double t0 = Now();
    const pid_t child = fork();
    if (child == 0) {
      execvp(argv[11], argv + 11);
      _exit(127);
    }
    Window window = 0;
    bool ready = false;
    while (!ready && Now() - t0 < 120000) {
      if (!window) window = Find(DefaultRootWindow(display), title);
      if (window) {
        const auto p = Pixels(window, x, y, 1, 1);
        ready = !p.empty() && p[0] == 0xFFFFFF;
      }
      if (!ready) Pause();
    }
    if (!ready) {
      std::fprintf(stderr, "x11_latency: \"%s\" did not show ready\n", title.c_str());
      kill(child, SIGKILL);
      return 1;
    }
    startTimes.push_back(Now() - t0);
    residents.push_back(double(ResidentKb(child)));

    if (run == 0 && keystrokes > 0) {
      // Click into the field, right of its text: the caret goes to the end.
      int rx = 0, ry = 0;
      Window unused;
      XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rx, &ry, &unused);
      XTestFakeMotionEvent(display, -1, rx, ry, CurrentTime);
      XTestFakeButtonEvent(display, 1, True, CurrentTime);
      XTestFakeButtonEvent(display, 1, False, CurrentTime);
      // The window manager passes the click on to the program in its own
      // time, and keys sent before then go to the control that had the
      // focus. So Backspace, unmeasured, until the field shows it.
      bool inField = false;
      for (int attempt = 0; attempt < 10 && !inField; ++attempt) {
        const auto before = Pixels(window, wx, wy, ww, wh);
        const double t = Now();
        Key(XK_BackSpace);
        while (!(inField = Pixels(window, wx, wy, ww, wh) != before) && Now() - t < 500) Pause();
      }
      if (!inField) {
        std::fprintf(stderr, "x11_latency: keys never reached the field of \"%s\"\n", title.c_str());
        kill(child, SIGKILL);
        return 1;
      }
      // Then a digit and Backspace by turns; each changes the field.
      for (int k = 0; k < keystrokes; ++k) {
        const auto before = Pixels(window, wx, wy, ww, wh);
        const double t = Now();
        Key(k % 2 == 0 ? XK_5 : XK_BackSpace);
        while (Pixels(window, wx, wy, ww, wh) == before && Now() - t < 5000) Pause();
        if (Pixels(window, wx, wy, ww, wh) == before) {
          std::fprintf(stderr, "x11_latency: keystroke %d changed nothing on \"%s\"\n", k + 1, title.c_str());
          kill(child, SIGKILL);
          return 1;
        }
        keyTimes.push_back(Now() - t);
      }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
  }
  std::printf("start_ms %.1f rss_kb %.0f keystroke_ms %.2f\n", Median(startTimes), Median(residents),
              Median(keyTimes));
  return 0;
}
