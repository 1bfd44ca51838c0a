#!/usr/bin/python3
"""Opens the web page at URL in headless Chromium, waits until the dialog
shows white, and saves a screenshot of the page to FILE.

    web-screenshot.py URL FILE
"""
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--window-size=640,360"):
    options.add_argument(flag)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    browser.get(sys.argv[1])
    white = "return Array.from(document.querySelectorAll('.client input')).map((f) => f.value).join(',')"
    WebDriverWait(browser, 20).until(lambda b: b.execute_script(white) == "255,255,255,0,0,255")
    browser.save_screenshot(sys.argv[2])
finally:
    browser.quit()
