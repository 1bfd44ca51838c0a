"""Headless Chromium for the web page's scripts and tests, with the flags
this machine's closed network needs, and a static server for a folder on a
local port."""
import functools
import http.server
import os
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
    preload = None  # a script for every HTML page to run before its own

    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.preload is None or not (self.path.endswith(".html") or self.path.endswith("/")
                                        or self.path == PRELOAD):
            return super().do_GET()
        if self.path == PRELOAD:
            return self.send(self.preload.encode(), "text/javascript")
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        try:
            with open(path, "rb") as f:
                page = f.read()
        except OSError:
            return self.send_error(404)
        return self.send(page.replace(b"<head>", b'<head><script src="' + PRELOAD.encode() + b'"></script>', 1),
                         "text/html")

    def send(self, body, kind):
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


PRELOAD = "/__preload__.js"


def serve(folder, preload=None):
    """Serves the folder on 127.0.0.1, on a free port, until shutdown();
    with `preload`, every HTML page runs that script before its own (for a
    browser that cannot be told to)."""
    handler = type("Handler", (QuietHandler,), {"preload": preload})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server
