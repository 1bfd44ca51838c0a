#!/usr/bin/python3
"""Times a web page in headless Chromium, from outside as a user sees it:
the load to the page showing READY (checked at every frame), on a first
visit (nothing cached) and on a repeat visit (what the browser and the
page's service worker kept from the first), and one keystroke in the page's
first field to another field being written. Prints
"load_ms N repeat_load_ms N keystroke_ms N", medians.

    web_latency.py FOLDER READY_EXPRESSION FIELD_SELECTOR LOADS KEYSTROKES
"""
import os
import statistics
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
from headless_chromium import chromium, serve  # noqa: E402

WATCH = """
  window.readyAt = null;
  const ready = () => { try { return READY; } catch (e) { return false; } };
  const poll = () => { if (ready()) window.readyAt = performance.now(); else requestAnimationFrame(poll); };
  requestAnimationFrame(poll);
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


def main():
    folder, ready, field, loads, keys = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5])
    server = serve(folder)
    browser = chromium()
    try:
        browser.execute_cdp_cmd("Network.enable", {})
        browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})  # every load a first one
        browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH.replace("READY", ready)})
        browser.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        url = f"http://127.0.0.1:{server.server_address[1]}/index.html"

        def timed_loads():
            times = []
            for _ in range(loads):
                browser.get(url)
                WebDriverWait(browser, 30).until(lambda b: b.execute_script("return window.readyAt") is not None)
                times.append(browser.execute_script("return window.readyAt"))
            return times

        load_ms = timed_loads()
        # The repeat visits: caches on, and the service worker (if the page
        # has one) in charge after one visit.
        browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": False})
        browser.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
        browser.get(url)
        browser.execute_async_script("""const done = arguments[0];
            if (!document.querySelector('link[rel=manifest]')) return done();  // a page with no worker
            const wait = () => navigator.serviceWorker.controller ? done() : setTimeout(wait, 10);
            wait();""")
        repeat_ms = timed_loads()
        typed = browser.find_element(By.CSS_SELECTOR, field)
        typed.click()
        key_ms = []
        for i in range(keys):
            browser.execute_script("arguments[0].select(); window.keyAt = null;", typed)
            ActionChains(browser).send_keys(str(1 + i % 9)).perform()
            WebDriverWait(browser, 10).until(lambda b: b.execute_script("return window.keyDone") is not None)
            key_ms.append(browser.execute_script("return window.keyDone - window.keyAt"))
        print(f"load_ms {statistics.median(load_ms):.1f} repeat_load_ms {statistics.median(repeat_ms):.1f} "
              f"keystroke_ms {statistics.median(key_ms):.2f}")
    finally:
        browser.quit()
        server.shutdown()


sys.exit(main())
