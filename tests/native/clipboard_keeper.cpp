// A clipboard manager, as desktops run one: it owns CLIPBOARD_MANAGER, and
// when a program about to end asks it to save the clipboard (SAVE_TARGETS),
// it takes the clipboard's text and serves it from then on. Prints
// "listening" once it is the manager, and "saved" after each save.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
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

int main() {
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
  XSetSelectionOwner(display, manager, window, CurrentTime);
  if (XGetSelectionOwner(display, manager) != window) {
    std::fprintf(stderr, "clipboard_keeper: another clipboard manager runs\n");
    return 1;
  }
  std::printf("listening\n");
  std::fflush(stdout);
  std::string text;
  bool serving = false;
  for (;;) {
    XEvent e;
    XNextEvent(display, &e);
    if (e.type == SelectionClear && e.xselectionclear.selection == clipboard) serving = false;
    if (e.type != SelectionRequest) continue;
    const XSelectionRequestEvent& r = e.xselectionrequest;
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
  }
}
