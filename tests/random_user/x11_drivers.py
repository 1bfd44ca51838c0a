"""The random user's drivers of the native programs: the GTK program on an
X display, with keys and the mouse from XTest (python3-xlib) and what the
user sees read as a screen reader reads it (AT-SPI) and off the screen (the
swatch's pixel); and rgbhsv.exe under Wine, through wine_user.exe, which
sends the input through Wine's input queue and reads the dialog's windows
and the screen there. Both expect an X display (and, for GTK, a session bus
with AT-SPI) from the caller, and a window manager for GTK."""
import os
import shlex
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
X_KEYS = {"Backspace": "BackSpace", "Delete": "Delete", "Tab": "Tab", "Enter": "Return", "Home": "Home",
          "End": "End", "ArrowLeft": "Left", "ArrowRight": "Right", "Insert": "Insert", "Shift": "Shift_L",
          "Control": "Control_L", "Escape": "Escape", "space": "space"}
WINDOWS_KEYS = {"Backspace": 0x08, "Delete": 0x2E, "Tab": 0x09, "Enter": 0x0D, "Home": 0x24, "End": 0x23,
                "ArrowLeft": 0x25, "ArrowRight": 0x27, "Insert": 0x2D, "Shift": 0x10, "Control": 0x11}


def wait(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise RuntimeError(what)
        time.sleep(0.02)


class Pointer:
    def pasted(self, field=None):
        """Waits for a paste to have come, where it comes later."""

    def dropped(self):
        """Waits for what a drag started (a drop of the selected text) to
        have ended, where it ends later."""

    """What both drivers make of an action, given keys(key, mods),
    char(c), move(x, y) and button(which, down), and the places of the
    dialog's parts on the screen as (left, top, width, height)."""

    def point(self, place, fraction=0.5):
        left, top, width, height = place
        return int(left + 2 + fraction * max(0, width - 4)), int(top + height / 2)

    def perform(self, action, rng):
        if action.kind == "type":
            self.char(action.text)
        elif action.kind == "key":
            self.keys(action.key, action.mods)
        elif action.kind in ("click", "middle_paste"):
            x, y = self.point(self.places[action.field], action.x)
            if action.kind == "middle_paste":
                self.set_selection(action.text)
            self.move(x, y)
            for _ in range(1 if action.kind == "middle_paste" else action.count):
                which = "middle" if action.kind == "middle_paste" else "left"
                self.button(which, True)
                self.button(which, False)
            if action.kind == "middle_paste":
                self.pasted(action.field)
        elif action.kind == "drag":
            x, y = self.point(self.places[action.field], action.x)
            x2, _ = self.point(self.places[action.field], action.x2)
            self.move(x, y)
            self.button("left", True)
            self.move((x + x2) // 2, y)
            self.move(x2, y)
            self.button("left", False)
            self.dropped()
        elif action.kind == "click_beside":
            self.move(*self.point(self.places[action.what]))
            self.button("left", True)
            self.button("left", False)
        elif action.kind == "paste":
            self.set_clipboard(action.text)
            self.keys(*action.key)
            self.pasted()
        elif action.kind == "chooser":
            self.chooser(rng)


class GtkDriver(Pointer):
    capabilities = {"type", "key", "click", "drag", "click_beside", "middle_paste", "paste", "chooser",
                    "invalid_text"}

    def __init__(self, program):
        from Xlib import display
        self.program = program
        self.display = display.Display()
        self.spare = None
        self.owners = []
        self.errors = tempfile.TemporaryFile()
        self.seen_errors = 0

    # The keyboard and mouse, through XTest.
    def keycode(self, keysym):
        found = list(self.display.keysym_to_keycodes(keysym))
        if found:
            code, index = min(found, key=lambda f: f[1])
            return code, index % 2 == 1
        # A character no key of the keymap has: put it on a spare key.
        if self.spare is None:
            low = self.display.display.info.min_keycode
            mapping = self.display.get_keyboard_mapping(low, 255 - low + 1)
            self.spare = next(low + i for i, syms in enumerate(mapping) if not any(syms))
        self.display.change_keyboard_mapping(self.spare, [(keysym, keysym)])
        self.display.sync()
        time.sleep(0.05)  # the program hears of the new map by an event of its own
        return self.spare, False

    def tap(self, code, down):
        from Xlib import X
        from Xlib.ext import xtest
        xtest.fake_input(self.display, X.KeyPress if down else X.KeyRelease, code)

    def keys(self, key, mods):
        from Xlib import XK
        codes = [self.keycode(XK.string_to_keysym(X_KEYS[m]))[0] for m in mods]
        name = X_KEYS.get(key, key)
        code, shifted = self.keycode(XK.string_to_keysym(name))
        for c in codes:
            self.tap(c, True)
        self.tap(code, True)
        self.tap(code, False)
        for c in reversed(codes):
            self.tap(c, False)
        self.display.sync()

    def char(self, c):
        from Xlib import XK
        keysym = XK.string_to_keysym({" ": "space", "-": "minus", "+": "plus", ".": "period", ",": "comma",
                                      "/": "slash"}.get(c, c))
        if not keysym:
            keysym = ord(c) if ord(c) < 0x100 else 0x01000000 | ord(c)
        code, shifted = self.keycode(keysym)
        shift = self.keycode(XK.string_to_keysym("Shift_L"))[0]
        if shifted:
            self.tap(shift, True)
        self.tap(code, True)
        self.tap(code, False)
        if shifted:
            self.tap(shift, False)
        self.display.sync()

    def move(self, x, y):
        from Xlib import X
        from Xlib.ext import xtest
        xtest.fake_input(self.display, X.MotionNotify, x=x, y=y)
        self.display.sync()

    def button(self, which, down):
        from Xlib import X
        from Xlib.ext import xtest
        xtest.fake_input(self.display, X.ButtonPress if down else X.ButtonRelease, 2 if which == "middle" else 1)
        self.display.sync()

    # The program's word that it has handled the input sent so far: a
    # window manager's ping (_NET_WM_PING), which GDK answers when it reads
    # it from its X connection, and it reads an event only once the ones
    # before it (the keys and clicks sent) are handled.
    def sync(self):
        from Xlib import X
        from Xlib.protocol import event
        d = self.display
        root = d.screen().root
        if not getattr(self, "ping_window", None):
            root.change_attributes(event_mask=X.SubstructureNotifyMask)
            self.ping_window = wait(self.program_window, 10, "no X window of the program")
        self.pings = getattr(self, "pings", 0) + 1
        protocols, ping = d.intern_atom("WM_PROTOCOLS"), d.intern_atom("_NET_WM_PING")
        self.ping_window.send_event(event.ClientMessage(window=self.ping_window, client_type=protocols, data=(
            32, [ping, self.pings, self.ping_window.id, 0, 0])), event_mask=0)
        d.flush()

        def answered():
            while d.pending_events():
                e = d.next_event()
                if e.type == X.ClientMessage and e.client_type == protocols and e.data[1][1] == self.pings:
                    return True
            return False
        wait(answered, 10, "the program never answered a ping")

    def program_window(self):
        """The dialog's X window: the top-level window of the program's
        process that has its title."""
        pid = self.display.intern_atom("_NET_WM_PID")
        pending = [self.display.screen().root]
        while pending:
            window = pending.pop()
            try:
                owner = window.get_full_property(pid, 0)
                if owner and owner.value[0] == self.process.pid and window.get_wm_name() == "RGB <-> HSV":
                    return window
                pending += window.query_tree().children
            except Exception:  # gone meanwhile
                pass
        return None

    # Another program's clipboard and selection: xclip, which owns it until
    # someone else takes it.
    def own(self, selection, text):
        try:  # bytes that are not UTF-8 travel as surrogate escapes
            data = text.encode("utf-8", "surrogateescape")
        except UnicodeEncodeError:
            data = text.encode("utf-8", "surrogatepass")
        # xclip says when it waits for its first request, and for each next.
        self.served = tempfile.TemporaryFile()
        owner = subprocess.Popen(["xclip", "-selection", selection, "-t", "UTF8_STRING", "-verbose"],
                                 stdin=subprocess.PIPE, stdout=self.served, stderr=subprocess.STDOUT)
        owner.stdin.write(data)
        owner.stdin.close()
        self.owners = [o for o in self.owners if o.poll() is None] + [owner]
        wait(lambda: self.requests_served() >= 0 or owner.poll() is not None, 5,
             f"xclip did not take the {selection} selection")

    def requests_served(self):
        self.served.seek(0)
        return self.served.read().count(b"Waiting for selection request number") - 1

    def pasted(self, field=None):
        """Waits until the program has asked xclip for the text and then
        until the dialog no longer says it is busy, its own word that the
        text is in and converted: a paste must ask for it where the focus
        is a field (for the middle button, the field it was pressed on,
        which it focuses); with no field focused nothing is asked for. (A
        middle click right after a drag in GTK can go to the drag's end,
        and then to no field.)"""
        import pyatspi
        from random_user import FIELDS
        focus = self.read().focus
        if focus in FIELDS and (field is None or focus == field):
            wait(lambda: self.requests_served() >= 1, 5, "the program never asked for the text pasted")
            wait(lambda: not self.dialog.getState().contains(pyatspi.STATE_BUSY), 5,
                 "the dialog stayed busy after its paste was answered")

    def dropped(self):
        """A drag of selected text is a drop that GTK ends on its own time,
        holding the pointer until then: the next click would be its."""
        from Xlib import X
        root = self.display.screen().root

        def free():
            if root.grab_pointer(False, 0, X.GrabModeAsync, X.GrabModeAsync, X.NONE, X.NONE,
                                 X.CurrentTime) != X.GrabSuccess:
                return False
            self.display.ungrab_pointer(X.CurrentTime)
            self.display.sync()
            return True
        wait(free, 5, "a drag never let the pointer go")

    def point(self, place, fraction=0.5):
        """A field's text area is inside its frame and padding, three pixels
        a side: GTK gives a press outside it to the window behind, where it
        pastes nothing."""
        left, top, width, height = place
        return int(left + 3 + fraction * max(0, width - 7)), int(top + height / 2)

    def set_clipboard(self, text):
        self.own("clipboard", text)

    def set_selection(self, text):
        self.own("primary", text)

    # The program, and what a screen reader reads of it.
    def start(self):
        import pyatspi
        # In a cross build, under the build's emulator (qemu-aarch64 for arm64).
        emulator = shlex.split(os.environ.get("RGBHSV_EMULATOR", ""))
        self.process = subprocess.Popen(emulator + [self.program], stderr=self.errors, stdout=subprocess.DEVNULL)
        self.ping_window = None

        def dialog():
            for app in pyatspi.Registry.getDesktop(0):
                for window in app or ():
                    if window is not None and window.name == "RGB <-> HSV":
                        self.app = app
                        return window
            return None

        self.dialog = wait(dialog, 30, "no dialog on the accessibility bus")
        found = {}

        def walk(a):
            for child in a:
                found.setdefault(child.getRoleName(), []).append(child)
                walk(child)

        wait(lambda: (found.clear(), walk(self.dialog), len(found.get("text", [])) == 6)[2], 10, "no fields")
        names = ["red", "green", "blue", "hue", "saturation", "value"]
        self.fields = {1003 + names.index(f.name.split(": ")[1]): f for f in found["text"]}
        self.swatch = found["drawing area"][0]
        self.select = found["push button"][0]
        label = next(a for a in found["label"] if a.name == "RGB color:")
        self.places = {id_: self.extents(a) for id_, a in self.fields.items()}
        self.places.update(swatch=self.extents(self.swatch), label=self.extents(label),
                           background=(self.extents(self.dialog)[0] - 20, 5, 1, 1))

    def extents(self, accessible):
        import pyatspi
        e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    def chooser_window(self):
        try:
            return next((w for w in self.app if w is not None and w.name == "Color"), None)
        except Exception:
            return None

    def read(self):
        import pyatspi
        from random_user import State
        ended = self.process.poll() is not None
        texts, focus, selection = [], None, None
        for id_ in sorted(self.fields):
            try:
                text = self.fields[id_].queryText()
                texts.append(text.getText(0, -1))
                if self.fields[id_].getState().contains(pyatspi.STATE_FOCUSED):
                    focus = id_
                    selection = text.getSelection(0) if text.getNSelections() else (text.caretOffset,) * 2
            except Exception:
                texts.append("")
                ended = True
        chooser = self.chooser_window() is not None
        swatch = None
        if not chooser and not ended:
            x, y = self.point(self.places["swatch"])
            raw = self.display.screen().root.get_image(x, y, 1, 1, 2, 0xFFFFFFFF).data  # ZPixmap, BGRX
            swatch = (raw[2], raw[1], raw[0])
        state = State(texts, focus, swatch, chooser, ended)
        state.selection = tuple(sorted(selection)) if selection else None
        try:
            state.busy = self.dialog.getState().contains(pyatspi.STATE_BUSY)
        except Exception:
            state.ended = True
        return state

    def problems(self):
        self.errors.seek(self.seen_errors)
        new = self.errors.read().decode("utf-8", "replace")
        self.seen_errors += len(new.encode("utf-8", "replace"))
        return ["stderr: " + line for line in new.splitlines() if line.strip()]

    def chooser(self, rng):
        """Opens GTK's chooser with a click on "Select..." unless it is
        open; then either types a color's hex name into it and presses its
        "Select", or cancels it with Escape."""
        if self.chooser_window() is None:
            self.move(*self.point(self.extents(self.select)))
            self.button("left", True)
            self.button("left", False)
        import pyatspi
        window = wait(self.chooser_window, 10, "no color chooser")
        # Placed and given the focus by the window manager before it is used.
        wait(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), 10, "the color chooser never had the focus")
        found = []

        def walk(a):
            for child in a:
                found.append(child)
                walk(child)

        if rng.random() < 0.6:
            wait(lambda: (found.clear(), walk(window), any(a.getRoleName() == "push button" for a in found))[2], 10,
                 "the chooser has no buttons")
            name = next(a for a in found if a.getRoleName() == "text" and a.queryText().getText(0, -1).startswith("#"))
            ok = next(a for a in found if a.getRoleName() == "push button" and a.name == "Select")
            self.move(*self.point(self.extents(name)))
            for _ in range(3):
                self.button("left", True)
                self.button("left", False)
            for c in "#%06x" % rng.randrange(1 << 24):
                self.char(c)
            self.keys("Enter", ())
            self.move(*self.point(self.extents(ok)))
            self.button("left", True)
            self.button("left", False)
        else:
            self.keys("Escape", ())
        try:
            wait(lambda: self.chooser_window() is None, 5, "")
        except RuntimeError:  # a click the chooser missed: the same click once more
            if "ok" in locals():
                self.move(*self.point(self.extents(ok)))
                self.button("left", True)
                self.button("left", False)
            else:
                self.keys("Escape", ())
            wait(lambda: self.chooser_window() is None, 10, "the color chooser stayed open")

    def stop(self):
        if getattr(self, "process", None) and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)
        for owner in self.owners:
            if owner.poll() is None:
                owner.terminate()


class WineDriver(Pointer):
    capabilities = {"type", "key", "click", "drag", "click_beside", "paste", "chooser"}

    def __init__(self, program, helper, prefix):
        self.program, self.helper_exe, self.prefix = program, helper, prefix

    def call(self, command):
        self.helper.stdin.write(command + "\n")
        self.helper.stdin.flush()
        answer = self.helper.stdout.readline().strip()
        if answer.startswith("error") or not answer:
            raise RuntimeError(f"wine_user: {command}: {answer or 'ended'}")
        return answer

    def start(self):
        environment = os.path.join(HERE, "..", "..", "scripts", "wine-env.sh")
        self.helper = subprocess.Popen(["bash", "-c", 'source "$0"; wine_use "$1"; exec wine "$2"', environment,
                                        self.prefix, self.helper_exe], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL, text=True)
        self.call("start Z:" + os.path.abspath(self.program).replace("/", "\\"))  # Wine's drive Z: is /
        self.places = {}
        for place in self.call("places").split(";"):
            id_, left, top, right, bottom = (int(n) for n in place.split())
            self.places[{1002: "swatch", 1001: "select", 0: "label"}.get(id_, id_)] = (left, top, right - left,
                                                                                      bottom - top)
        left, top, _, _ = self.places["label"]
        self.places["background"] = (left, top - 40, 1, 1)

    def keys(self, key, mods):
        codes = [WINDOWS_KEYS[m] for m in mods]
        code = WINDOWS_KEYS.get(key) or ord(key.upper())
        for c in codes + [code]:
            self.call(f"key {c} 1")
        for c in [code] + list(reversed(codes)):
            self.call(f"key {c} 0")

    def char(self, c):
        self.call(f"char {ord(c)}")

    def move(self, x, y):
        self.call(f"move {x} {y}")

    def button(self, which, down):
        self.call(f"button {which} {'down' if down else 'up'}")

    def set_clipboard(self, text):
        data = text.encode("utf-16-le", "surrogatepass")
        self.call("clipboard " + "".join(f"{int.from_bytes(data[i:i + 2], 'little'):04x}"
                                         for i in range(0, len(data), 2)))

    def read(self):
        from random_user import State
        texts, focus, swatch, chooser, ended = self.call("read").split("|")
        decoded = [bytes.fromhex(t).decode("utf-16-be", "surrogatepass") for t in texts.split(",")]
        rgb = tuple(int(n) for n in swatch.split())
        state = State(decoded, int(focus) or None, None if rgb[0] < 0 else rgb, chooser == "1", ended == "1")
        state.cuts_pairs = True
        return state

    def problems(self):
        return [] if self.helper.poll() is None else ["wine_user ended"]

    def chooser(self, rng):
        how = f"ok {rng.randrange(256)} {rng.randrange(256)} {rng.randrange(256)}" if rng.random() < 0.6 else "cancel"
        for attempt in (1, 2):
            if not self.read().chooser:
                self.move(*self.point(self.places["select"]))
                self.button("left", True)
                self.button("left", False)
            try:
                return self.call("chooser " + how)
            except RuntimeError as error:
                # Now and then Wine's button takes no click that comes
                # right after another action's (seen under load): once more,
                # from elsewhere.
                if attempt == 2 or "no chooser" not in str(error):
                    raise
                self.move(*self.point(self.places["background"]))

    def stop(self):
        if getattr(self, "helper", None):
            self.helper.stdin.close()
            self.helper.wait(timeout=60)
