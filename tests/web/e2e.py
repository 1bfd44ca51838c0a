#!/usr/bin/python3
"""The web page end to end, as a user would use it in Chromium: typing both
ways, the range beep, a paste and another route past the limit, the Tab
order, the chooser's OK and Cancel with a custom color kept between
openings, the swatch's color off a screenshot, Escape and the exit code the
page shows, the program started again, nothing refused by the page's
security policy, and nothing kept in the browser's storage.

    e2e.py SITE_FOLDER [FAILURE_SCREENSHOT]

On a failure it saves a screenshot of the page to FAILURE_SCREENSHOT
(build/web-e2e-failure.png unless given).
"""
import io
import os
import sys

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from run_page import chromium, serve  # run_page finds them in scripts/

FIELDS = (1003, 1004, 1005, 1006, 1007, 1008)

# Counts the warning tones the page starts, and keeps what its security
# policy refused.
COUNT_TONES = """
  window.refused = [];
  document.addEventListener('securitypolicyviolation', (e) => window.refused.push(e.violatedDirective + ' ' + e.blockedURI));
  window.tones = 0;
  const start = OscillatorNode.prototype.start;
  OscillatorNode.prototype.start = function (...args) { window.tones++; return start.apply(this, args); };
"""


class Page:
    def __init__(self, browser):
        self.browser = browser

    def run(self, script, *args):
        return self.browser.execute_script(script, *args)

    def field(self, id_):
        return self.browser.find_element(By.CSS_SELECTOR, f"input[data-id='{id_}']")

    def fields(self):
        return [self.field(i).get_property("value") for i in FIELDS]

    def expect(self, condition, what, seconds=5):
        try:
            WebDriverWait(self.browser, seconds).until(lambda b: condition())
        except Exception:
            raise AssertionError(what) from None

    def expect_fields(self, *shown):
        self.expect(lambda: self.fields() == list(shown), f"fields {self.fields()}, expected {list(shown)}")

    def keys(self, *keys):
        ActionChains(self.browser).send_keys(*keys).perform()

    def into(self, id_):
        """Clicks into a field and selects all of it, as a user would."""
        self.field(id_).click()
        ActionChains(self.browser).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).perform()

    def swatch(self):
        canvas = self.browser.find_element(By.CSS_SELECTOR, "canvas[data-id='1002']")
        picture = Image.open(io.BytesIO(canvas.screenshot_as_png)).convert("RGB")
        return "#%02X%02X%02X" % picture.getpixel((picture.width // 2, picture.height // 2))


def scenario(page):
    page.expect(lambda: page.fields() == ["255", "255", "255", "0", "0", "255"], "the dialog did not open white")
    page.expect(lambda: page.swatch() == "#FFFFFF", "the swatch is not white")
    assert page.run("return document.activeElement.textContent") == "Select...", "the focus is not on Select..."
    # What a screen reader reads: six fields, each by its own name.
    tree = page.browser.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    names = [n.get("name", {}).get("value") for n in tree if n.get("role", {}).get("value") == "textbox"]
    assert names == ["RGB color: red", "RGB color: green", "RGB color: blue", "HSV color: hue",
                     "HSV color: saturation", "HSV color: value"], f"the fields are read as {names}"

    # Tab visits the tab stops in the template's order.
    visited = []
    for _ in range(7):
        page.keys(Keys.TAB)
        visited.append(page.run("return document.activeElement.dataset.id"))
    assert visited == [str(i) for i in FIELDS] + ["1001"], f"Tab visited {visited}"

    # Typing converts both ways; 300 is beeped at and becomes 255.
    page.into(1003)
    page.keys("30")
    page.expect_fields("30", "255", "255", "128", "225", "255")
    page.expect(lambda: page.swatch() == "#1EFFFF", f"swatch {page.swatch()}, expected #1EFFFF")
    page.into(1003)
    page.keys("300")
    page.expect_fields("255", "255", "255", "0", "0", "255")
    page.expect(lambda: page.run("return window.tones") == 1, "no tone for 300")
    said = "Warning. RGB color: red, 255"
    page.expect(lambda: page.run("return document.getElementById('said').textContent") == said, "255 was not said")
    page.into(1006)
    page.keys("170x")  # the x refused: digits only
    page.expect_fields("255", "255", "255", "170", "0", "255")  # saturation 0: grey

    # Text that arrives whole, as a phone's keyboard or an input method
    # commits it, is typed: at the caret, digits only, up to the limit.
    def value(id_):
        return page.field(id_).get_property("value")

    def insert(text):
        page.browser.execute_cdp_cmd("Input.insertText", {"text": text})

    page.into(1004)
    insert("12345")
    page.expect(lambda: value(1004) == "123", f"12345 typed over 255 gave {value(1004)}")
    page.keys(Keys.BACKSPACE, Keys.BACKSPACE, Keys.HOME)  # "1", the caret before it
    insert("1")
    insert("2")
    page.expect(lambda: value(1004) == "121", f"1 then 2 typed before 1 gave {value(1004)}")
    page.keys(Keys.END, Keys.BACKSPACE, Keys.BACKSPACE, Keys.BACKSPACE)
    insert("1a2")
    page.expect(lambda: value(1004) == "12", f"1a2 typed into an empty field gave {value(1004)}")
    # Shift+Delete cuts: the number is on the clipboard, and pastes into
    # another field.
    page.into(1004)
    ActionChains(page.browser).key_down(Keys.SHIFT).send_keys(Keys.DELETE).key_up(Keys.SHIFT).perform()
    page.expect(lambda: value(1004) == "", "Shift+Delete did not delete the selection")
    page.into(1005)
    ActionChains(page.browser).key_down(Keys.CONTROL).send_keys("v").key_up(Keys.CONTROL).perform()
    page.expect(lambda: value(1005) == "12", f"Shift+Delete's number pasted as {value(1005)}")
    # The keys an input method composes with are its own: Escape cancels
    # the composition, not the dialog; letters committed are refused.
    page.into(1006)
    hue = value(1006)
    page.browser.execute_cdp_cmd("Input.imeSetComposition", {"text": "ka", "selectionStart": 2, "selectionEnd": 2})
    page.keys(Keys.ESCAPE)
    insert("ka")
    page.expect(lambda: value(1006) == hue, f"a composition of letters left {value(1006)}, not {hue}")
    assert page.run("return document.getElementById('ended').hidden"), "Escape while composing ended the program"
    # A click beside the controls (the page's background, the swatch) keeps
    # the focus in the dialog, and the keys go on reaching it.
    ActionChains(page.browser).move_to_element_with_offset(page.browser.find_element(By.TAG_NAME, "footer"), 0, 0) \
        .click().perform()
    page.keys(Keys.TAB)
    page.expect(lambda: page.run("return document.activeElement.dataset.id") == "1007", "Tab lost after a click beside")
    page.browser.find_element(By.CSS_SELECTOR, "canvas[data-id='1002']").click()
    page.keys("9")
    page.expect(lambda: value(1007) == "9", f"a digit typed after a click on the swatch gave {value(1007)}")

    # A paste past the limit is cut to three characters; so is text that
    # another route (a drop, autofill) puts into a field.
    page.into(1005)
    page.run("""arguments[0].dispatchEvent(new InputEvent('beforeinput',
                {inputType: 'insertFromPaste', data: '12345', bubbles: true, cancelable: true}));""", page.field(1005))
    assert page.run("""return arguments[0].dispatchEvent(new ClipboardEvent('paste', {bubbles: true, cancelable: true}));""",
                    page.field(1005)), "the page prevents pasting"
    page.expect(lambda: page.field(1005).get_property("value") == "123", "the paste was not cut to 123")
    page.run("""arguments[0].value = 'x12345678';
                arguments[0].dispatchEvent(new InputEvent('input', {inputType: 'insertFromDrop', bubbles: true}));""",
             page.field(1004))
    page.expect(lambda: page.field(1004).get_property("value") == "x12", "the drop was not cut to x12")

    # The chooser: a color chosen and kept as a custom color, then a
    # cancelled opening that offers it again and changes nothing.
    page.into(1003)
    page.keys("255")
    page.into(1004)
    page.keys("0")
    page.into(1005)
    page.keys("0")
    page.expect_fields("255", "0", "0", "0", "255", "255")
    page.browser.find_element(By.XPATH, "//button[text()='Select...']").click()
    page.expect(lambda: page.run("return !!document.querySelector('dialog.chooser[open]')"), "no chooser")
    page.run("""const picker = document.querySelector('dialog.chooser input[type=color]');
                picker.value = '#c86432'; picker.dispatchEvent(new Event('input'));""")
    page.browser.find_element(By.XPATH, "//dialog//button[text()='Add to Custom Colors']").click()
    page.browser.find_element(By.XPATH, "//dialog//button[text()='OK']").click()
    page.expect_fields("200", "100", "50", "15", "192", "200")
    page.expect(lambda: page.swatch() == "#C86432", f"swatch {page.swatch()}, expected #C86432")
    # The second time from the keyboard: Tab round to "Select...", then Space.
    for _ in range(7):
        if page.run("return document.activeElement.dataset.id") == "1001":
            break
        page.keys(Keys.TAB)
    page.keys(Keys.SPACE)
    page.expect(lambda: page.run("return !!document.querySelector('dialog.chooser[open]')"), "Space opened no chooser")
    first = page.run("return document.querySelector('dialog.chooser .cell').getAttribute('aria-label')")
    assert first.endswith("#c86432"), f"the custom color was not kept: {first}"
    # A click on a cell chooses the one "Add to Custom Colors" fills.
    cells = "return Array.from(document.querySelectorAll('dialog.chooser .cell')).map((c) => c.getAttribute('aria-label'))"
    page.browser.find_element(By.CSS_SELECTOR, "dialog.chooser .cell:nth-child(5)").click()
    page.run("""const picker = document.querySelector('dialog.chooser input[type=color]');
                picker.value = '#123456'; picker.dispatchEvent(new Event('input'));""")
    page.browser.find_element(By.XPATH, "//dialog//button[text()='Add to Custom Colors']").click()
    labels = page.run(cells)
    assert labels[4].endswith("#123456") and labels[1].endswith("#000000"), f"cells after adding: {labels}"
    page.keys(Keys.ESCAPE)  # cancels
    page.expect(lambda: not page.run("return !!document.querySelector('dialog.chooser')"), "the chooser stayed")
    page.expect_fields("200", "100", "50", "15", "192", "200")

    # Escape ends the program, and the page says how.
    page.keys(Keys.ESCAPE)
    page.expect(lambda: page.run("return !document.getElementById('ended').hidden"), "the end was not shown")
    code = page.run("return document.querySelector('#ended .code').textContent")
    assert code == "0", f"exit code {code}"

    refused = page.run("return window.refused")
    assert refused == [], f"the page's security policy refused: {refused}"
    # The page offers to start the program again, in view, with the focus,
    # and without inline script.
    assert page.run("return document.activeElement.textContent") == "Start it again", "the focus is not on the restart"
    page.browser.find_element(By.XPATH, "//p[@id='ended']/button").click()
    page.expect(lambda: page.fields() == ["255", "255", "255", "0", "0", "255"], "the program did not start again")

    stored = page.run("""return [localStorage.length, sessionStorage.length, document.cookie.length]""")
    assert stored == [0, 0, 0], f"something was stored: {stored}"
    databases = page.browser.execute_async_script(
        "const done = arguments[0]; indexedDB.databases().then((d) => done(d.length));")
    assert databases == 0, f"{databases} IndexedDB databases"


def offline(page, server, site):
    """After one visit the page opens with no network, from the program's
    files kept by its service worker, and they are all it keeps."""
    page.expect(lambda: page.run("return !!navigator.serviceWorker.controller"), "no service worker took the page")
    kept = page.browser.execute_async_script("""const done = arguments[0];
        caches.keys().then((names) => Promise.all(names.map((n) => caches.open(n).then((c) => c.keys()))))
          .then((lists) => done(lists.flat().map((r) => new URL(r.url).pathname)));""")
    files = set(os.listdir(site)) - {"sw.js"}
    assert kept and {p.lstrip("/") for p in kept} <= files | {""}, f"the cache holds {kept}"
    server.shutdown()
    server.server_close()
    page.browser.refresh()
    page.expect(lambda: page.fields() == ["255", "255", "255", "0", "0", "255"], "no dialog offline", 10)
    page.into(1007)
    page.keys("255")
    page.expect_fields("255", "0", "0", "0", "255", "255")


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
    clipped = """return Array.from(document.querySelectorAll('.client .text, .client button, .titlebar .caption'))
                   .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight).map((e) => e.textContent)"""
    try:
        page = Page(chromium(prefs={"webkit": {"webprefs": {"minimum_font_size": 16}}}))
        page.browser.get(url)
        page.expect(lambda: page.run(shown), "no dialog at a minimum font size of 16 px")
        assert page.run(clipped) == [], f"clipped at a minimum font size of 16 px: {page.run(clipped)}"
        page.browser.quit()

        page = Page(chromium())
        metrics = {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True}
        page.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        page.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        page.browser.get(url)
        page.expect(lambda: page.run(shown), "no dialog on a phone")
        small = page.run("""return Array.from(document.querySelectorAll('.window *, footer'))
            .filter((e) => e.textContent.trim() && parseFloat(getComputedStyle(e).fontSize) < 12).length
          + Array.from(document.querySelectorAll('.window input, .window button')).map((e) => e.getBoundingClientRect())
            .filter((r) => r.width < 24 || r.height < 24).length""")
        assert small == 0, f"{small} texts below 12 px or targets below 24 px on a phone"
        box = page.run("return arguments[0].getBoundingClientRect().toJSON()", page.field(1004))
        for kind in ("touchStart", "touchEnd"):
            points = [{"x": box["x"] + 5, "y": box["y"] + box["height"] / 2}] if kind == "touchStart" else []
            page.browser.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        selected = "return [arguments[0].selectionStart, arguments[0].selectionEnd]"
        page.expect(lambda: page.run(selected, page.field(1004)) == [0, 3], "a tap did not select the number")
        page.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
        page.browser.find_element(By.XPATH, "//button[text()='Select...']").click()
        page.expect(lambda: page.run("return !!document.querySelector('dialog.chooser .cell')"), "no chooser")
        cell = page.run("return getComputedStyle(document.querySelector('dialog.chooser .cell')).backgroundColor")
        assert cell == "rgb(0, 0, 0)", f"in forced colors a black custom color is drawn {cell}"
        page.browser.quit()

        page = Page(chromium())
        page.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                     {"width": 240, "height": 160, "deviceScaleFactor": 1, "mobile": False})
        page.browser.get(url)
        page.expect(lambda: page.run(shown), "no dialog in a 240 px window")
        reach = page.run("""const w = document.querySelector('.window').getBoundingClientRect();
            const f = document.querySelector('footer').getBoundingClientRect();
            const s = document.scrollingElement;
            return [w.left + scrollX >= 0, w.top + scrollY >= 0, w.right + scrollX <= s.scrollWidth,
                    w.bottom + scrollY <= s.scrollHeight, f.top >= w.bottom]""")
        assert reach == [True] * 5, f"in a 240 px window the dialog is out of reach or covered: {reach}"
        # Opened from disk, where the browser will not load the program, the
        # page says how to serve it.
        page.browser.get("file://" + os.path.abspath(os.path.join(site, "index.html")))
        page.expect(lambda: page.run("return !document.getElementById('from-disk').hidden"), "nothing said from disk")
    finally:
        page.browser.quit()
        server.shutdown()


def main():
    server = serve(sys.argv[1])
    browser = chromium()
    try:
        browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": COUNT_TONES})
        browser.get(f"http://127.0.0.1:{server.server_address[1]}/index.html")
        scenario(Page(browser))
        offline(Page(browser), server, sys.argv[1])
        layouts(sys.argv[1])
        print("web e2e: passed")
        return 0
    except AssertionError as failure:
        here = os.path.dirname(os.path.abspath(__file__))
        shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "..", "build", "web-e2e-failure.png")
        os.makedirs(os.path.dirname(os.path.abspath(shot)), exist_ok=True)
        browser.save_screenshot(shot)
        print(f"web e2e: the page as it failed: {os.path.abspath(shot)}", file=sys.stderr)
        print(f"web e2e: FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        browser.quit()
        server.shutdown()


if __name__ == "__main__":
    sys.exit(main())
