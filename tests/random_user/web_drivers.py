"""The random user's driver of the page, in any of the three engines of
tests/web/engines.py: input through the engine's own input pipeline
(WebDriver actions, or the DevTools protocol's drag for a drop in
Chromium); what the user sees read from the DOM and, for the swatch, from
a screenshot."""
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "web"))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))
import engines  # noqa: E402
from headless_chromium import serve  # noqa: E402

# Counts what the page writes to its console as an error, and what it
# throws: the rules forbid both.
WATCH = """
  window.problems = [];
  const error = console.error;
  console.error = function (...args) { window.problems.push('console: ' + args.join(' ')); return error.apply(this, args); };
  addEventListener('error', (e) => window.problems.push('error: ' + e.message));
  addEventListener('unhandledrejection', (e) => window.problems.push('rejection: ' + e.reason));
"""

READ = """
  const fields = [1003, 1004, 1005, 1006, 1007, 1008].map((id) => document.querySelector(`input[data-id='${id}']`));
  const active = document.activeElement;
  // The focused field's selection, in characters, as the edit rules count them.
  const chars = (t) => Array.from(t).length;
  const selection = active && active.tagName === 'INPUT' && active.dataset.id ?
      [chars(active.value.slice(0, active.selectionStart)), chars(active.value.slice(0, active.selectionEnd))] : null;
  return {texts: fields.map((f) => f ? f.value : ''), focus: active && active.dataset ? Number(active.dataset.id) || null : null,
          selection, busy: !!document.querySelector('[aria-busy="true"]'),
          chooser: !!document.querySelector('dialog.chooser[open]'), ended: !document.getElementById('ended').hidden,
          problems: window.problems.splice(0)};
"""

PLACES = """
  const box = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; };
  const at = (id) => box(document.querySelector(`[data-id='${id}']`));
  const texts = Array.from(document.querySelectorAll('.client .text'));
  return {fields: Object.fromEntries([1003, 1004, 1005, 1006, 1007, 1008].map((id) => [id, at(id)])),
          swatch: at(1002), select: at(1001), label: box(texts.find((t) => t.textContent === 'RGB color:')),
          background: [4, 4, 1, 1]};
"""

class PageDriver:
    """Where the dialog's parts are, and what an action is in the engine's
    keys and pointer moves."""

    def __init__(self, engine, site):
        self.engine = engines.make(engine)
        self.site = site
        self.server = None
        self.places = None
        self.last_rgb = None
        self.reads = 0
        self.capabilities = {"type", "key", "click", "drag", "click_beside", "paste", "chooser", "invalid_text"}
        if engine == "chromium":
            self.capabilities.add("drop")
        if engine == "webkit":
            # WebKitWebDriver stops answering after some 3,000 to 4,000
            # actions (the windows the clipboard's text is copied in): a new
            # session every 1,000.
            self.fresh_every = 1000

    def start(self):
        self.server = serve(self.site, WATCH if self.engine.name == "webkit" else None)
        self.engine.open(f"http://127.0.0.1:{self.server.server_address[1]}/index.html", WATCH)
        ready = "return document.querySelectorAll('.client input').length === 6 && !document.querySelector('.window').hidden"
        self.wait(lambda: self.run(ready))
        self.places = self.run(PLACES)

    def run(self, script, *args):
        return self.engine.run(script, *args)

    def keys(self, key, mods):
        self.engine.keys(key, mods)

    def pointer(self, steps):
        self.engine.pointer(steps)

    def set_clipboard(self, text):
        self.engine.set_clipboard(text)

    def drop(self, x, y, text):
        data = {"items": [{"mimeType": "text/plain", "data": text}], "dragOperationsMask": 1}
        for kind in ("dragEnter", "dragOver", "drop"):
            self.engine.cdp("Input.dispatchDragEvent", {"type": kind, "x": x, "y": y, "data": data})

    def wait(self, condition, seconds=10):
        deadline = time.monotonic() + seconds
        while not condition():
            if time.monotonic() > deadline:
                raise RuntimeError("the page did not become ready")
            time.sleep(0.02)

    def point(self, place, fraction=0.5):
        left, top, width, height = place
        return left + 2 + fraction * max(0, width - 4), top + height / 2

    def perform(self, action, rng):
        if action.kind == "type":
            self.keys(action.text, ())
        elif action.kind == "key":
            self.keys(action.key, action.mods)
        elif action.kind == "click":
            x, y = self.point(self.places["fields"][str(action.field)], action.x)
            self.pointer([("click", x, y)] * action.count)
        elif action.kind == "drag":
            x, y = self.point(self.places["fields"][str(action.field)], action.x)
            x2, _ = self.point(self.places["fields"][str(action.field)], action.x2)
            self.pointer([("down", x, y), ("move", x2, y), ("up", x2, y)])
        elif action.kind == "click_beside":
            x, y = self.point(self.places[action.what])
            self.pointer([("click", x, y)])
        elif action.kind == "paste":
            self.set_clipboard(action.text)
            self.keys(*action.key)
        elif action.kind == "drop":
            x, y = self.point(self.places["fields"][str(action.field)], action.x)
            self.drop(x, y, action.text)
        elif action.kind == "chooser":
            if not self.run("return !!document.querySelector('dialog.chooser[open]')"):
                x, y = self.point(self.places["select"])
                self.pointer([("click", x, y)])
                self.wait(lambda: self.run("return !!document.querySelector('dialog.chooser[open]')"))
            color = "#%06x" % rng.randrange(1 << 24)
            self.run(f"""const picker = document.querySelector('dialog.chooser input[type=color]');
                         picker.value = '{color}'; picker.dispatchEvent(new Event('input'));""")
            button = self.run("""const b = Array.from(document.querySelectorAll('dialog.chooser button'))
                                   .find((b) => b.textContent === arguments[0]).getBoundingClientRect();
                                 return [b.left, b.top, b.width, b.height];""", "OK" if rng.random() < 0.6 else "Cancel")
            self.pointer([("click", *self.point(button))])
            self.wait(lambda: not self.run("return !!document.querySelector('dialog.chooser')"))

    def read(self):
        from random_user import State
        seen = self.run(READ)
        self.pending = seen["problems"]
        rgb = seen["texts"][:3]
        swatch = None
        self.reads += 1
        # The swatch is looked at whenever the RGB fields change, and on
        # every tenth reading besides.
        if not seen["chooser"] and (rgb != self.last_rgb or self.reads % 10 == 0):
            swatch = self.swatch_pixel()
            self.last_rgb = rgb
        state = State(seen["texts"], seen["focus"], swatch, seen["chooser"], seen["ended"])
        state.selection = tuple(seen["selection"]) if seen["selection"] else None
        state.busy = seen["busy"]
        return state

    def problems(self):
        return self.pending

    def swatch_pixel(self):
        left, top, width, height = self.places["swatch"]
        picture = self.engine.screenshot()
        scale = picture.width / self.run("return innerWidth")
        return picture.convert("RGB").getpixel((int((left + width / 2) * scale), int((top + height / 2) * scale)))

    def stop(self):
        self.engine.close()
        if self.server:
            self.server.shutdown()


def make(name, site):
    return PageDriver(name, site)
