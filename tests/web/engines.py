"""The three browser engines the page is tested in, behind one small
interface: Chromium and WebKit over WebDriver (Selenium, with
chromium-driver and WebKitWebDriver, MiniBrowser on the caller's X
display), Firefox over WebDriver BiDi (puppeteer-core, driven through
firefox_bridge.mjs). Each opens a page with a script run before the page's
own, runs scripts in it, presses keys and moves the pointer through the
engine's own input pipeline, and takes screenshots.

    engine = make("firefox"); engine.open(url, preload); engine.run("return 1"); engine.close()
"""
import base64
import io
import json
import os
import select
import subprocess
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))
from headless_chromium import chromium  # noqa: E402

ENGINES = ("chromium", "firefox", "webkit")
# A command the browser has not answered in this time is a failure, not a
# wait without end.
ANSWER_SECONDS = 60
# WebDriver's codes of the keys, by the names the tests use (the DOM's).
KEY_CODES = {"Backspace": "\ue003", "Delete": "\ue017", "Tab": "\ue004", "Enter": "\ue007", "Escape": "\ue00c",
             "Home": "\ue011", "End": "\ue010", "ArrowLeft": "\ue012", "ArrowRight": "\ue014", "Insert": "\ue016",
             "Shift": "\ue008", "Control": "\ue009", " ": "\ue00d"}


def units(text):
    """The text's UTF-16 code units, which carry a lone surrogate where a
    WebDriver's JSON cannot."""
    data = text.encode("utf-16-le", "surrogatepass")
    return [int.from_bytes(data[i:i + 2], "little") for i in range(0, len(data), 2)]


class Selenium:
    dark = False  # the user's scheme: dark, or else light
    script = True  # the page's JavaScript on

    def open(self, url, preload=""):
        from selenium.webdriver.remote.remote_connection import RemoteConnection
        RemoteConnection.set_timeout(ANSWER_SECONDS)
        self.browser = self.launch()
        self.browser.set_window_size(800, 600)
        self.preload(preload)
        self.browser.get(url)

    def run(self, script, *args):
        return self.browser.execute_script(script, *args)

    def run_async(self, script, *args):
        """A script that ends by calling arguments[arguments.length - 1]."""
        return self.browser.execute_async_script(script, *args)

    def keys(self, key, mods=()):
        from selenium.webdriver.common.action_chains import ActionChains
        chain = ActionChains(self.browser)
        for mod in mods:
            chain.key_down(KEY_CODES[mod])
        chain.send_keys(KEY_CODES.get(key, key))
        for mod in reversed(mods):
            chain.key_up(KEY_CODES[mod])
        chain.perform()

    def pointer(self, steps):
        """Steps of ("click" | "down" | "move" | "up", x, y), in CSS pixels
        of the viewport."""
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.mouse_button import MouseButton
        builder = ActionBuilder(self.browser, duration=0)
        for step, x, y in steps:
            builder.pointer_action.move_to_location(int(x), int(y))
            if step in ("click", "down"):
                builder.pointer_action.pointer_down(MouseButton.LEFT)
            if step in ("click", "up"):
                builder.pointer_action.pointer_up(MouseButton.LEFT)
        builder.perform()

    def screenshot(self):
        return Image.open(io.BytesIO(self.browser.get_screenshot_as_png()))

    def reload(self):
        self.browser.refresh()

    def close(self):
        if getattr(self, "browser", None):
            self.browser.quit()
            self.browser = None


class Chromium(Selenium):
    name = "chromium"

    def launch(self):
        browser = chromium(prefs=None if self.script else {"profile.managed_default_content_settings.javascript": 2})
        if self.dark:
            browser.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                    {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        return browser

    def preload(self, script):
        if script:
            self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})

    def cdp(self, command, parameters):
        return self.browser.execute_cdp_cmd(command, parameters)

    def set_clipboard(self, text):
        origin = self.run("return location.origin")
        self.cdp("Browser.grantPermissions",
                 {"origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.run_async("""const done = arguments[1];
            navigator.clipboard.writeText(String.fromCharCode(...arguments[0])).then(() => done(), () => done());""",
                       units(text))


class WebKit(Selenium):
    """WebKitGTK's MiniBrowser under WebKitWebDriver. WebDriver classic has
    no way to run a script before a page's own: the test's server puts it
    into the page instead (preload_path)."""
    name = "webkit"
    preload_path = "/__preload__.js"

    def launch(self):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.options import Options
        os.environ.setdefault("WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS", "1")
        options = Options()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        if not self.script:
            options.add_argument("--enable-javascript=false")
        if self.dark:  # WebKitGTK takes the scheme from the GTK theme
            os.environ["GTK_THEME"] = "Adwaita:dark"
        else:
            os.environ.pop("GTK_THEME", None)
        return webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options,
                                   service_log_path=os.devnull)

    def preload(self, script):
        pass  # served by the test's server, see serve()

    def set_clipboard(self, text):
        # A page may write the clipboard only when the user acts: the text is
        # copied with Ctrl+C from a field of a page of its own, in a window
        # of its own.
        home = self.browser.current_window_handle
        self.browser.switch_to.new_window("window")
        self.browser.get("about:blank")
        self.run("""document.body.innerHTML = '<textarea id=t></textarea>';
                    const t = document.getElementById('t'); t.value = String.fromCharCode(...arguments[0]);
                    t.focus(); t.select();""", units(text))
        self.keys("c", ("Control",))
        self.browser.close()
        self.browser.switch_to.window(home)


class Firefox:
    """Firefox ESR over WebDriver BiDi: firefox_bridge.mjs runs
    puppeteer-core and performs each command sent to it, one JSON line each
    way."""
    name = "firefox"
    dark = False
    script = True

    def open(self, url, preload=""):
        flags = ["--dark"] * self.dark + ["--no-script"] * (not self.script)
        self.bridge = subprocess.Popen(["node", os.path.join(HERE, "firefox_bridge.mjs")] + flags,
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.call("preload", script=preload)
        self.call("goto", url=url)

    def call(self, op, **fields):
        self.bridge.stdin.write(json.dumps(dict(fields, op=op)) + "\n")
        self.bridge.stdin.flush()
        if not select.select([self.bridge.stdout], [], [], ANSWER_SECONDS)[0]:
            raise RuntimeError(f"Firefox: no answer to {op} in {ANSWER_SECONDS} s")
        answer = json.loads(self.bridge.stdout.readline() or '{"error": "the bridge ended"}')
        if "error" in answer:
            raise RuntimeError("Firefox: " + answer["error"])
        return answer.get("value")

    def run(self, script, *args):
        return self.call("run", script=script, args=list(args))

    def run_async(self, script, *args):
        return self.call("run_async", script=script, args=list(args))

    def keys(self, key, mods=()):
        self.call("keys", key=key, mods=list(mods))

    def pointer(self, steps):
        self.call("pointer", steps=[list(s) for s in steps])

    def set_clipboard(self, text):
        self.call("clipboard", units=units(text))

    def screenshot(self):
        return Image.open(io.BytesIO(base64.b64decode(self.call("screenshot"))))

    def reload(self):
        self.call("reload")

    def close(self):
        if getattr(self, "bridge", None):
            try:
                self.call("close")
            except Exception:
                pass
            self.bridge.wait(timeout=30)
            self.bridge = None


def make(name, dark=False, script=True):
    """The engine, in the user's dark scheme if `dark`, with the page's
    JavaScript off unless `script`."""
    engine = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}[name]()
    engine.dark, engine.script = dark, script
    return engine


def version(name):
    """The engine's name and version, as the README gives them."""
    command = {"chromium": ["chromium", "--version"], "firefox": ["firefox-esr", "--version"],
               "webkit": ["dpkg-query", "-W", "-f", "WebKitGTK ${Version}", "libwebkit2gtk-4.1-0"]}[name]
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()
