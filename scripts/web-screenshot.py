#!/usr/bin/python3
"""Opens the web page at URL, or served from FOLDER on a local port, in
headless Chromium, waits until the dialog shows white, and saves a
screenshot of the page to FILE. Fails if it does not show white in time.

    web-screenshot.py URL|FOLDER FILE
"""
import os
import sys

if any(argument in ("-h", "--help") for argument in sys.argv[1:]):
    print(__doc__.strip())
    sys.exit(0)
if len(sys.argv) != 3 or sys.argv[2].startswith("-"):
    print(__doc__.strip().splitlines()[-1].replace("    ", "usage: ", 1), file=sys.stderr)
    sys.exit(2)

from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

from headless_chromium import chromium, serve  # noqa: E402

server = serve(sys.argv[1]) if os.path.isdir(sys.argv[1]) else None
browser = chromium("--window-size=640,360")
try:
    browser.get(f"http://127.0.0.1:{server.server_address[1]}/" if server else sys.argv[1])
    white = "return Array.from(document.querySelectorAll('.client input')).map((f) => f.value).join(',')"
    WebDriverWait(browser, 20).until(lambda b: b.execute_script(white) == "255,255,255,0,0,255")
    browser.save_screenshot(sys.argv[2])
finally:
    browser.quit()
    if server:
        server.shutdown()
