#!/usr/bin/python3
"""Serves a folder on a local port and opens a page of it in headless
Chromium; prints what the page writes into #output and exits with the code
the page sets on <body data-exit-code>. Fails if it sets none in time.

    run_page.py FOLDER PAGE [SECONDS]
"""
import os
import sys

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from headless_chromium import chromium, serve  # noqa: E402


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
