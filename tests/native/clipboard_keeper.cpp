// A clipboard manager, as desktops run one: it owns CLIPBOARD_MANAGER, and
// when a program about to end asks it to save the clipboard (SAVE_TARGETS),
// it takes the clipboard's text and serves it from then on. Prints
// "listening" once it is the manager, and "saved" after each save.
//
//   clipboard_keeper --slow SELECTION TEXT MS
//
// is instead a busy program that owns SELECTION (CLIPBOARD or PRIMARY) and
// answers each request for it MS milliseconds late, with TEXT; it prints
// "owning" once it owns it and "answered" after each answer, and ends when
// it no longer owns it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

Display* display;
Window window;
Atom clipboard, utf8, targets, kept;

// The clipboard's text from its owner, or false.
bool Fetch(Time time, std::string* text) {
  XConvertSelection(display, clipboard, utf8, kept, window, time);
  XEvent e;
  XIfEvent(display, &e, [](Display*, XEvent* e, XPointer) { return e->type == SelectionNotify ? True : False; },
           nullptr);
  if (e.xselection.property == None) return false;
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  XGetWindowProperty(display, window, kept, 0, 1 << 20, True, AnyPropertyType, &type, &format, &count, &after,
                     &data);
  if (!data) return false;
  text->assign(reinterpret_cast<char*>(data), count);
  XFree(data);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool slow = argc == 5 && std::string(argv[1]) == "--slow";
  display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "clipboard_keeper: cannot open the display\n");
    return 1;
  }
  window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  const Atom manager = XInternAtom(display, "CLIPBOARD_MANAGER", False);
  const Atom save = XInternAtom(display, "SAVE_TARGETS", False);
  clipboard = XInternAtom(display, "CLIPBOARD", False);
  utf8 = XInternAtom(display, "UTF8_STRING", False);
  targets = XInternAtom(display, "TARGETS", False);
  kept = XInternAtom(display, "RGBHSV_KEPT", False);
  std::string text;
  bool serving = false;
  if (slow) {
    clipboard = XInternAtom(display, argv[2], False);
    text = argv[3];
    serving = true;
  }
  const Atom owned = slow ? clipboard : manager;
  XSetSelectionOwner(display, owned, window, CurrentTime);
  if (XGetSelectionOwner(display, owned) != window) {
    std::fprintf(stderr, "clipboard_keeper: cannot own the selection\n");
    return 1;
  }
  std::printf(slow ? "owning\n" : "listening\n");
  std::fflush(stdout);
  for (;;) {
    XEvent e;
    XNextEvent(display, &e);
    if (e.type == SelectionClear && e.xselectionclear.selection == clipboard) serving = false;
    if (slow && !serving) return 0;
    if (e.type != SelectionRequest) continue;
    const XSelectionRequestEvent& r = e.xselectionrequest;
    if (slow) usleep(static_cast<useconds_t>(std::atoi(argv[4])) * 1000);
    XSelectionEvent reply = {SelectionNotify, 0, True, display, r.requestor, r.selection, r.target, None, r.time};
    if (r.selection == manager && r.target == save) {
      if (Fetch(r.time, &text)) {
        XSetSelectionOwner(display, clipboard, window, CurrentTime);
        serving = true;
        std::printf("saved\n");
        std::fflush(stdout);
      }
      reply.property = r.property;  // done, whatever there was to save
    } else if (r.selection == clipboard && serving && r.target == targets) {
      const Atom offered[] = {targets, utf8, XA_STRING};
      XChangeProperty(display, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(offered), 3);
      reply.property = r.property;
    } else if (r.selection == clipboard && serving && (r.target == utf8 || r.target == XA_STRING)) {
      XChangeProperty(display, r.requestor, r.property, r.target, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
      reply.property = r.property;
    }
    XSendEvent(display, r.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
    XFlush(display);
    if (slow) {
      std::printf("answered\n");
      std::fflush(stdout);
    }
  }
}
