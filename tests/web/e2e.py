#!/usr/bin/python3
"""The web page end to end, as a user would use it, in one browser engine:
typing both ways, the range beep and its words, a paste and another route
past the limit, the Tab order, the chooser's OK and Cancel with a custom
color kept between openings, the swatch's color off a screenshot, Escape
and the exit code the page shows, the program started again, nothing
refused by the page's security policy, nothing kept in the browser's
storage, and the page opened again with no network; the dialog before its
module comes (the server holding it back): drawn, busy, taken over without
a pixel changed, what was typed meanwhile converted once it comes; the
texts' contrast in the light and the dark scheme; the page with
JavaScript off. In Chromium also what its DevTools protocol can stand for:
the accessibility tree, an input method's composition, and the page as
phones and large text meet it.

    e2e.py SITE_FOLDER [FAILURE_SCREENSHOT] [--engine=chromium|firefox|webkit] [--shot=FILE]

On a failure it saves a screenshot of the page to FAILURE_SCREENSHOT
(build/web-e2e-failure.png unless given); with --shot, the dialog with a
color entered, as the README shows it.
"""
import functools
import http.server
import os
import sys
import threading
import time

from PIL import ImageChops

import engines  # run_page's folder; engines finds scripts/
from headless_chromium import QuietHandler, chromium, serve

FIELDS = (1003, 1004, 1005, 1006, 1007, 1008)
WHITE = ["255", "255", "255", "0", "0", "255"]

# Counts the warning tones the page starts, and keeps what its security
# policy refused: run before the page's own scripts, in each engine's way.
COUNT_TONES = """
  window.refused = [];
  document.addEventListener('securitypolicyviolation', (e) => window.refused.push(e.violatedDirective + ' ' + e.blockedURI));
  window.tones = 0;
  const start = OscillatorNode.prototype.start;
  OscillatorNode.prototype.start = function (...args) { window.tones++; return start.apply(this, args); };
"""


class Page:
    def __init__(self, engine):
        self.engine = engine
        self.name = engine.name

    def run(self, script, *args):
        return self.engine.run(script, *args)

    def value(self, id_):
        return self.run(f"return document.querySelector(\"input[data-id='{id_}']\").value")

    def fields(self):
        return self.run("return [1003, 1004, 1005, 1006, 1007, 1008].map((id) => "
                        "(document.querySelector(`input[data-id='${id}']`) || {}).value)")

    def expect(self, condition, what, seconds=5):
        deadline = time.monotonic() + seconds
        while not condition():
            if time.monotonic() > deadline:
                raise AssertionError(what)
            time.sleep(0.02)

    def expect_fields(self, *shown):
        self.expect(lambda: self.fields() == list(shown), f"fields {self.fields()}, expected {list(shown)}")

    def press(self, key, *mods):
        self.engine.keys(key, mods)

    def type(self, text):
        for c in text:
            self.engine.keys(c)

    def center(self, selector):
        box = self.run("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2]", selector)
        return box

    def click(self, selector):
        self.engine.pointer([("click", *self.center(selector))])

    def button(self, text):
        """A button by its text, as the user finds it."""
        return self.run("""const b = Array.from(document.querySelectorAll('button')).find((b) => b.textContent === arguments[0]);
                           if (!b) return null; b.dataset.found = arguments[0]; return true;""", text) and \
            f"button[data-found='{text}']"

    def into(self, id_):
        """Clicks into a field and selects all of it, as a user would: a
        triple click, which selects its whole line in every engine."""
        x, y = self.center(f"input[data-id='{id_}']")
        self.engine.pointer([("click", x, y)] * 3)
        self.expect(lambda: self.run("const i = document.activeElement; return i.dataset.id === arguments[0] && "
                                     "i.selectionStart === 0 && i.selectionEnd === i.value.length", str(id_)),
                    f"a triple click did not select field {id_}")

    def swatch(self):
        box = self.run("const r = document.querySelector(\"canvas[data-id='1002']\").getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2, innerWidth]")
        picture = self.engine.screenshot().convert("RGB")
        scale = picture.width / box[2]
        return "#%02X%02X%02X" % picture.getpixel((int(box[0] * scale), int(box[1] * scale)))

    def dialog_picture(self, margin=24):
        """A screenshot of the dialog and a margin of the page around it."""
        box = self.run("const r = document.querySelector('.window').getBoundingClientRect();"
                       "return [r.left, r.top, r.right, r.bottom, innerWidth]")
        picture = self.engine.screenshot().convert("RGB")
        scale = picture.width / box[4]
        return picture.crop(tuple(int((v + m) * scale) for v, m in zip(box[:4], (-margin, -margin, margin, margin))))

    def settled_picture(self):
        """The dialog once two screenshots in a row are the same: an
        engine's themed buttons may be mid-transition."""
        last = None
        for _ in range(50):
            picture = self.dialog_picture()
            if last is not None and ImageChops.difference(last, picture).getbbox() is None:
                return picture
            last = picture
        raise AssertionError("the dialog's pixels did not settle")

    def save_dialog(self, path):
        self.dialog_picture().save(path)

    def answers(self, script, *args):
        """Whether the script answers true; false while the page is between
        documents, where an engine may refuse to run it."""
        try:
            return bool(self.run(script, *args))
        except Exception:
            return False

    def insert(self, text):
        """Text that arrives whole, as an input method commits it or a
        phone's keyboard types it: through Chromium's input pipeline; the
        other engines' drivers have no such command, and the editing
        command that inserts text at the caret stands for it there."""
        if self.name == "chromium":
            self.engine.cdp("Input.insertText", {"text": text})
        else:
            self.run("document.execCommand('insertText', false, arguments[0])", text)


CLIPPED = """return Array.from(document.querySelectorAll('.client .text, .client button, .titlebar .caption'))
                .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight).map((e) => e.textContent)"""


# The dialog's texts whose contrast with what is behind them is below 4.5:1,
# and the luminance of its face. WebKitGTK draws a button with its GTK
# theme, in colors its computed style does not give (arguments[0]).
CONTRAST = """const luminance = (color) => [0.2126, 0.7152, 0.0722].reduce((sum, weight, i) => {
    const v = Number(color.match(/[\\d.]+/g)[i]) / 255;
    return sum + weight * (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4);
  }, 0);
  const face = getComputedStyle(document.querySelector('.window')).backgroundColor;
  const low = [];
  for (const e of document.querySelectorAll(arguments[0] ? '.client .text, .client input' :
                                            '.client .text, .client input, .client button')) {
    const style = getComputedStyle(e);
    const behind = style.backgroundColor === 'rgba(0, 0, 0, 0)' ? face : style.backgroundColor;
    const [a, b] = [luminance(style.color), luminance(behind)];
    const ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
    if (ratio < 4.5) low.push((e.textContent || e.value) + ' ' + ratio.toFixed(2));
  }
  return [luminance(face), low];"""


def other_browsers(name, site):
    """In a browser of its own, with JavaScript off, the page shows the
    dialog as the program draws it (its numbers, its icon, the focus on
    Select...), though its script never runs; in another, in the user's
    dark scheme, the dialog is dark and its texts legible."""
    server = serve(site, COUNT_TONES if name == "webkit" else None)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    try:
        engine = engines.make(name, script=False)
        try:
            engine.open(url)
            page = Page(engine)
            # The notice in <noscript> is markup only where scripting is off.
            drawn = page.run("""return [document.activeElement.textContent, document.querySelector('.icon').complete &&
                                        document.querySelector('.icon').naturalWidth > 0, typeof Module,
                                        !!document.querySelector('noscript .notice')]""")
            assert page.fields() == WHITE and drawn == ["Select...", True, "undefined", True], \
                f"with JavaScript off the page shows {page.fields()}, {drawn}"
        finally:
            engine.close()
        engine = engines.make(name, dark=True)
        try:
            engine.open(url)
            page = Page(engine)
            page.expect(lambda: page.fields() == WHITE, "no dialog in the dark scheme", 10)
            face, low = page.run(CONTRAST, name == "webkit")
            assert face < 0.1 and low == [], f"in the dark scheme the face's luminance is {face:.2f}, low contrast: {low}"
        finally:
            engine.close()
    finally:
        server.shutdown()


def scenario(page, shot=None):
    page.expect(lambda: page.fields() == ["255", "255", "255", "0", "0", "255"], "the dialog did not open white")
    page.expect(lambda: page.swatch() == "#FFFFFF", "the swatch is not white")
    face, low = page.run(CONTRAST, page.name == "webkit")
    assert face > 0.8 and low == [], f"the face's luminance is {face:.2f}, low contrast: {low}"
    assert page.run(CLIPPED) == [], f"texts clipped: {page.run(CLIPPED)}"
    assert page.run("return document.activeElement.textContent") == "Select...", "the focus is not on Select..."
    # What a screen reader reads: six fields, each by its own name (in
    # Chromium from its accessibility tree, elsewhere from the page).
    if page.name == "chromium":
        tree = page.engine.cdp("Accessibility.getFullAXTree", {})["nodes"]
        names = [n.get("name", {}).get("value") for n in tree if n.get("role", {}).get("value") == "textbox"]
    else:
        names = page.run("return Array.from(document.querySelectorAll('.client input')).map((i) => i.ariaLabel || i.getAttribute('aria-label'))")
    assert names == ["RGB color: red", "RGB color: green", "RGB color: blue", "HSV color: hue",
                     "HSV color: saturation", "HSV color: value"], f"the fields are read as {names}"

    # Tab visits the tab stops in the template's order.
    visited = []
    for _ in range(7):
        page.press("Tab")
        visited.append(page.run("return document.activeElement.dataset.id"))
    assert visited == [str(i) for i in FIELDS] + ["1001"], f"Tab visited {visited}"

    # Typing converts both ways; 300 is beeped at, said, and becomes 255.
    page.into(1003)
    page.type("30")
    page.expect_fields("30", "255", "255", "128", "225", "255")
    page.expect(lambda: page.swatch() == "#1EFFFF", f"swatch {page.swatch()}, expected #1EFFFF")
    page.into(1003)
    page.type("300")
    page.expect_fields("255", "255", "255", "0", "0", "255")
    page.expect(lambda: page.run("return window.tones") == 1, "no tone for 300")
    said = "Warning. RGB color: red, 255"
    page.expect(lambda: page.run("return document.getElementById('said').textContent") == said, "255 was not said")
    page.into(1006)
    page.type("170x")  # the x refused: digits only
    page.expect_fields("255", "255", "255", "170", "0", "255")  # saturation 0: grey

    # Text that arrives whole, as a phone's keyboard or an input method
    # commits it, is typed: at the caret, digits only, up to the limit.
    value = page.value
    page.into(1004)
    page.insert("12345")
    page.expect(lambda: value(1004) == "123", f"12345 typed over 255 gave {value(1004)}")
    for key in ("Backspace", "Backspace", "Home"):  # "1", the caret before it
        page.press(key)
    page.insert("1")
    page.insert("2")
    page.expect(lambda: value(1004) == "121", f"1 then 2 typed before 1 gave {value(1004)}")
    for key in ("End", "Backspace", "Backspace", "Backspace"):
        page.press(key)
    page.insert("1a2")
    page.expect(lambda: value(1004) == "12", f"1a2 typed into an empty field gave {value(1004)}")
    # A phone's word and line deletions do what Ctrl+Backspace (nothing)
    # and Ctrl+Delete (all after the caret) do.
    delete = "document.activeElement.dispatchEvent(new InputEvent('beforeinput', " \
             "{inputType: arguments[0], bubbles: true, cancelable: true}))"
    page.run(delete, "deleteWordBackward")
    page.run(delete, "deleteHardLineBackward")
    page.press("Home")
    page.press("ArrowRight")
    page.run(delete, "deleteWordForward")
    page.type("2")
    page.expect(lambda: value(1004) == "12", f"word deletions and a 2 made {value(1004)!r} of 12, not 12")
    # Shift+Delete cuts: the number is on the clipboard, and pastes into
    # another field.
    page.into(1004)
    page.press("Delete", "Shift")
    page.expect(lambda: value(1004) == "", "Shift+Delete did not delete the selection")
    page.into(1005)
    page.press("v", "Control")
    page.expect(lambda: value(1005) == "12", f"Shift+Delete's number pasted as {value(1005)}")
    if page.name == "chromium":
        # The keys an input method composes with are its own: Escape
        # cancels the composition, not the dialog; what is committed is
        # typed, once. (Only Chromium's driver can compose.)
        page.into(1006)
        page.engine.cdp("Input.imeSetComposition", {"text": "12", "selectionStart": 2, "selectionEnd": 2})
        page.press("Escape")
        page.insert("12")
        page.expect(lambda: value(1006) == "12", f"a composition of 12 committed left {value(1006)!r}, not 12")
        assert page.run("return document.getElementById('ended').hidden"), "Escape while composing ended the program"
    # A click beside the controls (the page's background, the swatch) keeps
    # the focus in the dialog, and the keys go on reaching it.
    page.into(1006)
    x, y = page.center("footer")
    page.engine.pointer([("click", 2, y)])
    page.press("Tab")
    page.expect(lambda: page.run("return document.activeElement.dataset.id") == "1007", "Tab lost after a click beside")
    page.click("canvas[data-id='1002']")
    page.type("9")
    page.expect(lambda: value(1007) == "9", f"a digit typed after a click on the swatch gave {value(1007)}")

    # A paste past the limit is cut to three characters; so is text that
    # another route (a drop, autofill) puts into a field. The page never
    # stops the paste event itself.
    page.into(1005)
    page.run("""document.activeElement.dispatchEvent(new InputEvent('beforeinput',
                {inputType: 'insertFromPaste', data: '12345', bubbles: true, cancelable: true}));""")
    assert page.run("return document.activeElement.dispatchEvent(new ClipboardEvent('paste', "
                    "{bubbles: true, cancelable: true}))"), "the page prevents pasting"
    page.expect(lambda: value(1005) == "123", "the paste was not cut to 123")
    if page.name == "chromium":  # a real drop, into the emptied field; only Chromium's driver can drag
        page.into(1004)
        page.press("Backspace")
        x, y = page.center("input[data-id='1004']")
        data = {"items": [{"mimeType": "text/plain", "data": "x12345678"}], "dragOperationsMask": 1}
        for kind in ("dragEnter", "dragOver", "drop"):
            page.engine.cdp("Input.dispatchDragEvent", {"type": kind, "x": x, "y": y, "data": data})
    else:
        page.run("""const field = document.querySelector("input[data-id='1004']"); field.value = 'x12345678';
                    field.dispatchEvent(new InputEvent('input', {inputType: 'insertFromDrop', bubbles: true}));""")
    page.expect(lambda: value(1004) == "x12", f"the drop was not cut to x12: {value(1004)!r}")
    # A field written while another has the focus (autofill, a screen
    # reader's "set value") takes the new number whole.
    page.into(1005)
    page.run("""const field = document.querySelector("input[data-id='1004']"); field.value = '123';
                field.dispatchEvent(new Event('input', {bubbles: true}));""")
    page.expect(lambda: value(1004) == "123", f"a field written without the focus shows {value(1004)}, not 123")
    # A lone surrogate is a character refused, not half of the next one.
    page.into(1003)
    page.run("document.execCommand('insertText', false, String.fromCharCode(0xD800) + '9')")
    page.expect(lambda: value(1003) == "9", f"a lone surrogate and 9 typed gave {value(1003)!r}, not 9")

    # The chooser: a color chosen and kept as a custom color, then a
    # cancelled opening that offers it again and changes nothing.
    page.into(1003)
    page.type("255")
    page.into(1004)
    page.type("0")
    page.into(1005)
    page.type("0")
    page.expect_fields("255", "0", "0", "0", "255", "255")
    page.click(page.button("Select..."))
    page.expect(lambda: page.run("return !!document.querySelector('dialog.chooser[open]')"), "no chooser")
    page.run("""const picker = document.querySelector('dialog.chooser input[type=color]');
                picker.value = '#c86432'; picker.dispatchEvent(new Event('input'));""")
    page.click(page.button("Add to Custom Colors"))
    page.click(page.button("OK"))
    page.expect_fields("200", "100", "50", "15", "192", "200")
    page.expect(lambda: page.swatch() == "#C86432", f"swatch {page.swatch()}, expected #C86432")
    if shot:
        page.save_dialog(shot)
    # The second time from the keyboard: Tab round to "Select...", then Space.
    for _ in range(7):
        if page.run("return document.activeElement.dataset.id") == "1001":
            break
        page.press("Tab")
    page.press(" ")
    page.expect(lambda: page.run("return !!document.querySelector('dialog.chooser[open]')"), "Space opened no chooser")
    first = page.run("return document.querySelector('dialog.chooser .cell').getAttribute('aria-label')")
    assert first.endswith("#c86432"), f"the custom color was not kept: {first}"
    # A click on a cell chooses the one "Add to Custom Colors" fills.
    cells = "return Array.from(document.querySelectorAll('dialog.chooser .cell')).map((c) => c.getAttribute('aria-label'))"
    page.click("dialog.chooser .cell:nth-child(5)")
    page.run("""const picker = document.querySelector('dialog.chooser input[type=color]');
                picker.value = '#123456'; picker.dispatchEvent(new Event('input'));""")
    page.click(page.button("Add to Custom Colors"))
    labels = page.run(cells)
    assert labels[4].endswith("#123456") and labels[1].endswith("#000000"), f"cells after adding: {labels}"
    page.press("Escape")  # cancels
    page.expect(lambda: not page.run("return !!document.querySelector('dialog.chooser')"), "the chooser stayed")
    page.expect_fields("200", "100", "50", "15", "192", "200")
    # And Enter on "Select...", the third way the program comes to wait for it.
    page.press("Enter")
    page.expect(lambda: page.run("return !!document.querySelector('dialog.chooser[open]')"), "Enter opened no chooser")
    page.press("Escape")
    page.expect(lambda: not page.run("return !!document.querySelector('dialog.chooser')"), "the chooser stayed")

    # Escape ends the program, and the page says how.
    page.press("Escape")
    page.expect(lambda: page.run("return !document.getElementById('ended').hidden"), "the end was not shown")
    code = page.run("return document.querySelector('#ended .code').textContent")
    assert code == "0", f"exit code {code}"

    refused = page.run("return window.refused")
    assert refused == [], f"the page's security policy refused: {refused}"
    # The page offers to start the program again, in view, with the focus,
    # and without inline script.
    assert page.run("return document.activeElement.textContent") == "Start it again", "the focus is not on the restart"
    page.click("#ended button")
    page.expect(lambda: page.fields() == ["255", "255", "255", "0", "0", "255"], "the program did not start again")

    stored = page.run("""return [localStorage.length, sessionStorage.length, document.cookie.length]""")
    assert stored == [0, 0, 0], f"something was stored: {stored}"
    databases = page.engine.run_async(
        "const done = arguments[arguments.length - 1]; indexedDB.databases().then((d) => done(d.length));")
    assert databases == 0, f"{databases} IndexedDB databases"


def offline(page, server, site):
    """After one visit the page opens with no network, from the program's
    files kept by its service worker, and they are all it keeps."""
    page.expect(lambda: page.run("return !!navigator.serviceWorker.controller"), "no service worker took the page", 10)
    kept = page.engine.run_async("""const done = arguments[arguments.length - 1];
        caches.keys().then((names) => Promise.all(names.map((n) => caches.open(n).then((c) => c.keys()))))
          .then((lists) => done(lists.flat().map((r) => new URL(r.url).pathname)));""")
    files = set(os.listdir(site)) - {"sw.js"}
    assert kept and {p.lstrip("/") for p in kept} <= files | {""}, f"the cache holds {kept}"
    # The module is asked for with the release the page names its script
    # with, so that the worker serves both from one release.
    fetched = page.run("return performance.getEntriesByType('resource').map((e) => e.name)")
    releases = {name.split("?")[-1] for name in fetched if "/rgbhsv." in name}
    assert len(releases) == 1 and releases.pop().startswith("v="), f"the script and module came as {fetched}"
    server.shutdown()
    server.server_close()
    page.engine.reload()
    page.expect(lambda: page.fields() == ["255", "255", "255", "0", "0", "255"], "no dialog offline", 10)
    page.into(1007)
    page.type("255")
    page.expect_fields("255", "0", "0", "0", "255", "255")


def held_back(page, site):
    """Before the module comes (the server holds it back), the page shows
    the dialog as the program draws it, busy; the module takes it over
    without a pixel changed; and what the user typed meanwhile, a Tab and
    two digits, reaches the program in order once it comes, converted, and
    a digit typed over another field's number, selected with the mouse."""
    for typing in (False, True):
        gate = threading.Event()

        class Held(QuietHandler):
            def do_GET(self):
                if self.path.split("?")[0].endswith(".wasm"):
                    gate.wait(60)
                super().do_GET()

            def end_headers(self):
                self.send_header("Cache-Control", "no-store")
                super().end_headers()

        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Held, directory=site))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
            page.answers("location.assign(arguments[0])", url)
            page.expect(lambda: page.answers("return location.href === arguments[0] && document.readyState !== 'loading'"
                                             " && !!document.querySelector('.window[aria-busy=true]')", url),
                        "no dialog before the module came", 10)
            assert page.fields() == WHITE, f"before the module the fields show {page.fields()}"
            focus = "return document.activeElement.textContent"
            assert page.run(focus) == "Select...", f"before the module the focus is on {page.run(focus)!r}"
            if typing:
                page.press("Tab")
                page.type("60")
                assert page.fields() == WHITE, f"typing changed {page.fields()} before the module came"
                page.into(1008)
                page.type("0")
            else:
                before = page.settled_picture()
            gate.set()
            page.expect(lambda: page.run("return document.querySelector('.window').getAttribute('aria-busy') === 'false'"),
                        "the module did not take the dialog over", 20)
            if typing:
                page.expect_fields("0", "0", "0", "128", "195", "0")
            else:
                page.expect(lambda: page.run("return performance.getEntriesByType('resource')"
                                             ".some((e) => e.name.includes('.wasm'))"), "no module", 5)
                after = page.settled_picture()
                # WebKit draws the page's colors a level apart from one frame
                # to another, and a button's edges it paints again some
                # levels apart; a moved or changed element differs by more.
                changed = ImageChops.difference(before, after).convert("L").point(lambda v: 255 if v > 32 else 0)
                assert changed.getbbox() is None, f"taking the dialog over changed its pixels in {changed.getbbox()}"
        finally:
            gate.set()
            server.shutdown()
            server.server_close()


def layouts(site):
    """The page as phones and large text meet it, each in a browser of its
    own: a finger's tap selects a field's number, and every control is a
    finger's target in text of 12 px; a 240 px window scrolls to every part
    of the dialog and the footer covers none of it; a minimum font size of
    16 px enlarges the dialog rather than clipping its texts; in forced
    colors the chooser's cells keep their colors; opened from disk it says
    how to serve it."""
    server = serve(site)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    shown = "return document.querySelectorAll('.client input').length === 6 && !document.querySelector('.window').hidden"
    clipped = CLIPPED
    page = None
    try:
        page = chromium_page(prefs={"webkit": {"webprefs": {"minimum_font_size": 16}}})
        page.engine.browser.get(url)
        page.expect(lambda: page.run(shown), "no dialog at a minimum font size of 16 px")
        assert page.run(clipped) == [], f"clipped at a minimum font size of 16 px: {page.run(clipped)}"
        page.engine.close()

        page = chromium_page()
        metrics = {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True}
        page.engine.cdp("Emulation.setDeviceMetricsOverride", metrics)
        page.engine.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        page.engine.browser.get(url)
        page.expect(lambda: page.run(shown), "no dialog on a phone")
        small = page.run("""return Array.from(document.querySelectorAll('.window *, footer'))
            .filter((e) => e.textContent.trim() && parseFloat(getComputedStyle(e).fontSize) < 12).length
          + Array.from(document.querySelectorAll('.window input, .window button')).map((e) => e.getBoundingClientRect())
            .filter((r) => r.width < 24 || r.height < 24).length""")
        assert small == 0, f"{small} texts below 12 px or targets below 24 px on a phone"
        box = page.run("return document.querySelector(\"input[data-id='1004']\").getBoundingClientRect().toJSON()")
        for kind in ("touchStart", "touchEnd"):
            points = [{"x": box["x"] + 5, "y": box["y"] + box["height"] / 2}] if kind == "touchStart" else []
            page.engine.cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        selected = "const i = document.querySelector(\"input[data-id='1004']\"); return [i.selectionStart, i.selectionEnd]"
        page.expect(lambda: page.run(selected) == [0, 3], "a tap did not select the number")
        page.engine.cdp("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
        page.click(page.button("Select..."))
        page.expect(lambda: page.run("return !!document.querySelector('dialog.chooser .cell')"), "no chooser")
        cell = page.run("return getComputedStyle(document.querySelector('dialog.chooser .cell')).backgroundColor")
        assert cell == "rgb(0, 0, 0)", f"in forced colors a black custom color is drawn {cell}"
        page.engine.close()

        page = chromium_page()
        page.engine.cdp("Emulation.setDeviceMetricsOverride",
                                     {"width": 240, "height": 160, "deviceScaleFactor": 1, "mobile": False})
        page.engine.browser.get(url)
        page.expect(lambda: page.run(shown), "no dialog in a 240 px window")
        reach = page.run("""const w = document.querySelector('.window').getBoundingClientRect();
            const f = document.querySelector('footer').getBoundingClientRect();
            const s = document.scrollingElement;
            return [w.left + scrollX >= 0, w.top + scrollY >= 0, w.right + scrollX <= s.scrollWidth,
                    w.bottom + scrollY <= s.scrollHeight, f.top >= w.bottom]""")
        assert reach == [True] * 5, f"in a 240 px window the dialog is out of reach or covered: {reach}"
        # Opened from disk, where the browser will not load the program, the
        # page says how to serve it.
        page.engine.browser.get("file://" + os.path.abspath(os.path.join(site, "index.html")))
        page.expect(lambda: page.run("return !document.getElementById('from-disk').hidden"), "nothing said from disk")
    finally:
        if page:
            page.engine.close()
        server.shutdown()


def chromium_page(prefs=None):
    engine = engines.Chromium()
    engine.browser = chromium(prefs=prefs)
    return Page(engine)


def main():
    arguments = [a for a in sys.argv[1:] if not a.startswith("--")]
    name = next((a.split("=", 1)[1] for a in sys.argv[1:] if a.startswith("--engine=")), "chromium")
    readme_shot = next((a.split("=", 1)[1] for a in sys.argv[1:] if a.startswith("--shot=")), None)
    site = arguments[0]
    here = os.path.dirname(os.path.abspath(__file__))
    shot = arguments[1] if len(arguments) > 1 else os.path.join(here, "..", "..", "build", "web-e2e-failure.png")
    server = serve(site, COUNT_TONES if name == "webkit" else None)
    engine = engines.make(name)
    try:
        engine.open(f"http://127.0.0.1:{server.server_address[1]}/index.html", COUNT_TONES)
        page = Page(engine)
        scenario(page, readme_shot)
        offline(page, server, site)
        held_back(page, site)
        other_browsers(name, site)
        if name == "chromium":
            layouts(site)
        print(f"web e2e, {engines.version(name)}: passed")
        return 0
    except AssertionError as failure:
        os.makedirs(os.path.dirname(os.path.abspath(shot)), exist_ok=True)
        engine.screenshot().save(shot)
        print(f"web e2e, {name}: the page as it failed: {os.path.abspath(shot)}", file=sys.stderr)
        print(f"web e2e, {name}: FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        engine.close()
        server.shutdown()


if __name__ == "__main__":
    sys.exit(main())
