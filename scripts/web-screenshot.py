#!/usr/bin/python3
"""Opens the web page at URL in headless Chromium, waits until the dialog
shows white, and saves a screenshot of the page to FILE.

    web-screenshot.py URL FILE
"""
import sys

from selenium.webdriver.support.ui import WebDriverWait

from headless_chromium import chromium

browser = chromium("--window-size=640,360")
try:
    browser.get(sys.argv[1])
    white = "return Array.from(document.querySelectorAll('.client input')).map((f) => f.value).join(',')"
    WebDriverWait(browser, 20).until(lambda b: b.execute_script(white) == "255,255,255,0,0,255")
    browser.save_screenshot(sys.argv[2])
finally:
    browser.quit()
