#!/usr/bin/python3
"""Serves a folder on a local port and opens a page of it in a browser
engine (headless Chromium unless told); prints what the page writes into
#output and exits with the code the page sets on <body data-exit-code>.
Fails if it sets none in time.

    run_page.py FOLDER PAGE [SECONDS] [--engine chromium|firefox|webkit]
"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import engines  # noqa: E402
from headless_chromium import serve  # noqa: E402


def main():
    arguments = [a for a in sys.argv[1:] if not a.startswith("--engine")]
    name = next((a.split("=", 1)[1] for a in sys.argv[1:] if a.startswith("--engine=")), "chromium")
    folder, page = arguments[0], arguments[1]
    seconds = float(arguments[2]) if len(arguments) > 2 else 120
    server = serve(folder)
    engine = engines.make(name)
    try:
        engine.open(f"http://127.0.0.1:{server.server_address[1]}/{page}")
        deadline = time.monotonic() + seconds
        code = None
        while code is None and time.monotonic() < deadline:
            code = engine.run("return document.body.dataset.exitCode === undefined ? null : document.body.dataset.exitCode")
            time.sleep(0.1)
        print(engine.run("return document.getElementById('output').textContent"))
        if code is None:
            print(f"{page}: no exit code within {seconds:.0f} s in {name}", file=sys.stderr)
            return 1
        return int(code)
    finally:
        engine.close()
        server.shutdown()


if __name__ == "__main__":
    sys.exit(main())
