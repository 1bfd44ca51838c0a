"""Headless Chromium for the web page's scripts and tests, with the flags
this machine's closed network needs, and a static server for a folder on a
local port."""
import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def chromium(*flags, prefs=None):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    if prefs:
        options.add_experimental_option("prefs", prefs)
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage") + flags:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """Serves the folder on 127.0.0.1, on a free port, until shutdown()."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server
