#!/usr/bin/python3
"""Serves a folder on a local port and opens a page of it in headless
Chromium; prints what the page writes into #output and exits with the code
the page sets on <body data-exit-code>. Fails if it sets none in time.

    run_page.py FOLDER PAGE [SECONDS]
"""
import functools
import http.server
import sys
import threading

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait


def chromium():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main():
    folder, page = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 120
    server = serve(folder)
    browser = chromium()
    try:
        browser.get(f"http://127.0.0.1:{server.server_address[1]}/{page}")
        try:
            WebDriverWait(browser, seconds).until(
                lambda b: b.find_element(By.TAG_NAME, "body").get_attribute("data-exit-code") is not None)
        except TimeoutException:
            print(browser.find_element(By.ID, "output").text)
            print(f"{page}: no exit code within {seconds:.0f} s", file=sys.stderr)
            return 1
        print(browser.find_element(By.ID, "output").text)
        return int(browser.find_element(By.TAG_NAME, "body").get_attribute("data-exit-code"))
    finally:
        browser.quit()
        server.shutdown()


if __name__ == "__main__":
    sys.exit(main())
