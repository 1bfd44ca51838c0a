// Hears the X display's bell, as a user would: prints "bell" for every ring
// until it is stopped. The native end-to-end tests count the lines.
#include <X11/XKBlib.h>

#include <cstdio>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "bell_watch: cannot open the display\n");
    return 1;
  }
  int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
  if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
    std::fprintf(stderr, "bell_watch: the display has no XKB\n");
    return 1;
  }
  XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
  std::printf("listening\n");
  std::fflush(stdout);
  for (;;) {
    XEvent e;
    XNextEvent(display, &e);
    if (e.type == event && reinterpret_cast<XkbAnyEvent*>(&e)->xkb_type == XkbBellNotify) {
      std::printf("bell\n");
      std::fflush(stdout);
    }
  }
}
