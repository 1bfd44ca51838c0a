#!/usr/bin/python3
"""Times web pages in headless Chromium, from outside as a user sees them:
the load to a page drawn, showing READY (checked at every frame, timed once
that frame is drawn); the load to a page interactive: a 6 typed into FIELD
as soon as it exists, and the page showing TYPED; each on a first visit
(nothing cached) and on a repeat visit (what the browser and the page's
service worker kept from the first); and one keystroke in FIELD to another
field being written. The pages are loaded in turns, one load of each a
round, so that what else the machine does weighs on all alike. Each load is
also timed phase by phase: the HTML, the script and the module in (their
responses' ends), the module compiled and instantiated, and the page drawn.
For each page prints

    SITE load_ms M L H repeat_load_ms M L H interactive_ms M L H repeat_interactive_ms M L H keystroke_ms M L H
    SITE first|repeat html M script M module M instantiated M ready M

the medians (M) with the lowest (L) and highest (H), in milliseconds from
the navigation's start.

    web_latency.py LOADS KEYSTROKES FOLDER READY FIELD TYPED [FOLDER READY FIELD TYPED ...]
"""
import json
import os
import statistics
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from headless_chromium import chromium, serve  # noqa: E402
from devtools_socket import DevToolsSocket  # noqa: E402

WATCH = """
  // Ready once the frame in which READY first holds is drawn: a frame's
  // callbacks run before its style, layout and paint, and a task queued
  // from them runs after. (Timed in the callback itself, a page that lays
  // itself out in its script would pay for its layout and one that leaves
  // it to the frame would not.)
  const drawn = (condition, at) => {
    const holds = () => { try { return condition(); } catch (e) { return false; } };
    const poll = () => {
      if (holds()) setTimeout(() => { window[at] = performance.now(); });
      else requestAnimationFrame(poll);
    };
    window[at] = null;
    requestAnimationFrame(poll);
  };
  drawn(() => READY, 'readyAt');
  drawn(() => TYPED, 'typedAt');
  // The module compiled and instantiated: when the page's instantiation
  // resolves, however the page's runtime asks for it.
  window.instantiatedAt = null;
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const original = WebAssembly[name];
    WebAssembly[name] = function (...args) {
      return original.apply(this, args).then((result) => {
        window.instantiatedAt = window.instantiatedAt ?? performance.now();
        return result;
      });
    };
  }
  // A keystroke's end: the first write of another field's value after it.
  const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
  Object.defineProperty(HTMLInputElement.prototype, 'value', {
    configurable: true,
    get() { return value.get.call(this); },
    set(text) {
      value.set.call(this, text);
      if (this !== window.typedInto && window.keyAt !== null && window.keyDone === null) {
        window.keyDone = performance.now();
      }
    },
  });
  window.keyAt = null;
  document.addEventListener('keydown', (e) => {
    window.typedInto = e.target; window.keyAt = e.timeStamp; window.keyDone = null;
  }, true);
"""

# The phases of the load just made, from the page's own timing records.
PHASES = """
  const ends = (suffix) => performance.getEntriesByType('resource')
    .filter((e) => new URL(e.name).pathname.endsWith(suffix)).map((e) => e.responseEnd);
  return {
    html: performance.getEntriesByType('navigation')[0].responseEnd,
    script: Math.max(...ends('.js').filter((t) => t > 0), 0),
    module: Math.max(...ends('.wasm').filter((t) => t > 0), 0),
    instantiated: window.instantiatedAt,
    ready: window.readyAt,
  };
"""
PHASE_NAMES = ("html", "script", "module", "instantiated", "ready")


def until(condition, what, pause=0.0, seconds=30):
    """The condition's first true value, asked every `pause` seconds; fails
    after `seconds` with what did not come."""
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise TimeoutError(what)
        time.sleep(pause)
    return value


def spread(values, digits=1):
    return f"{statistics.median(values):.{digits}f} {min(values):.{digits}f} {max(values):.{digits}f}"


def main():
    loads, keys = int(sys.argv[1]), int(sys.argv[2])
    sites = [sys.argv[i:i + 4] for i in range(3, len(sys.argv), 4)]
    servers = [serve(folder) for folder, _, _, _ in sites]
    browser = chromium()
    devtools = DevToolsSocket(browser.capabilities["goog:chromeOptions"]["debuggerAddress"])
    try:
        browser.execute_cdp_cmd("Network.enable", {})
        ports = [s.server_address[1] for s in servers]
        urls = [f"http://127.0.0.1:{port}/index.html" for port in ports]
        for (_, ready, _, typed), port in zip(sites, ports):  # each page's watch, on its own origin
            watch = WATCH.replace('READY', ready).replace('TYPED', typed)
            browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
                "source": f"if (location.port === '{port}') {{ {watch} }}"})

        def load(site):
            browser.get(urls[site])
            WebDriverWait(browser, 30).until(lambda b: b.execute_script("return window.readyAt") is not None)
            return browser.execute_script(PHASES)

        # A 6 typed into the field as soon as the page has it, the page's
        # load not waited for: the time its result is drawn. Over a DevTools
        # socket of its own, which (unlike ChromeDriver, which holds even
        # its DevTools commands until the page has loaded) does not wait.
        def interact(site):
            field = sites[site][2]
            before = devtools.command("Runtime.evaluate", {"expression": "performance.timeOrigin",
                                                          "returnByValue": True})["result"]["value"]
            devtools.command("Page.navigate", {"url": urls[site]})
            focus = (f"(() => {{ const f = performance.timeOrigin !== {before} && "
                     f"location.href === {json.dumps(urls[site])} && document.querySelector({json.dumps(field)}); "
                     "if (f) { f.focus(); f.select(); } return !!f; })()")
            until(lambda: devtools.command("Runtime.evaluate", {"expression": focus, "returnByValue": True})
                  ["result"].get("value"), f"no {field} in {urls[site]}")
            for kind in ("keyDown", "keyUp"):
                devtools.command("Input.dispatchKeyEvent", {"type": kind, "key": "6", "code": "Digit6",
                                                            "windowsVirtualKeyCode": 0x36,
                                                            **({"text": "6"} if kind == "keyDown" else {})})
            return until(lambda: devtools.command("Runtime.evaluate", {"expression": "window.typedAt",
                                                                       "returnByValue": True})["result"].get("value"),
                         f"the 6 typed into {urls[site]} not shown converted", pause=0.01)

        def rounds():
            phases = [[] for _ in sites]
            typed = [[] for _ in sites]
            for _ in range(loads):
                for site in range(len(sites)):
                    phases[site].append(load(site))
                    typed[site].append(interact(site))
            return phases, typed

        # First visits: nothing cached, no service worker.
        browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        browser.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        first, first_typed = rounds()
        # The repeat visits: caches on, and the service worker (if the page
        # has one) in charge after one visit.
        browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": False})
        browser.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
        for site in range(len(sites)):
            load(site)
            browser.execute_async_script("""const done = arguments[0];
                if (!document.querySelector('link[rel=manifest]')) return done();  // a page with no worker
                const wait = () => navigator.serviceWorker.controller ? done() : setTimeout(wait, 10);
                wait();""")
        repeat, repeat_typed = rounds()

        for site, (folder, _, field, _) in enumerate(sites):
            load(site)
            typed = browser.find_element(By.CSS_SELECTOR, field)
            typed.click()
            key_ms = []
            for i in range(keys):
                browser.execute_script("arguments[0].select(); window.keyAt = null;", typed)
                ActionChains(browser).send_keys(str(1 + i % 9)).perform()
                WebDriverWait(browser, 10).until(lambda b: b.execute_script("return window.keyDone") is not None)
                key_ms.append(browser.execute_script("return window.keyDone - window.keyAt"))
            name = os.path.basename(os.path.normpath(folder))
            print(f"{name} load_ms {spread([p['ready'] for p in first[site]])} "
                  f"repeat_load_ms {spread([p['ready'] for p in repeat[site]])} "
                  f"interactive_ms {spread(first_typed[site])} repeat_interactive_ms {spread(repeat_typed[site])} "
                  f"keystroke_ms {spread(key_ms, 2)}")
            for visit, phases in (("first", first[site]), ("repeat", repeat[site])):
                medians = [statistics.median([p[n] or 0 for p in phases]) for n in PHASE_NAMES]
                print(f"{name} {visit} " + " ".join(f"{n} {m:.1f}" for n, m in zip(PHASE_NAMES, medians)))
    finally:
        devtools.close()
        browser.quit()
        for server in servers:
            server.shutdown()


sys.exit(main())
