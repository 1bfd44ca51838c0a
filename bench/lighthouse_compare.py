#!/usr/bin/python3
"""The page and the minimal page side by side under Lighthouse's mobile
throttling (a slow phone on a slow network, simulated): first contentful
paint, largest contentful paint and total blocking time, the medians of
RUNS runs of each, the two pages taken in turns. Prints one line a metric:
"fcp_ms PAGE MINIMAL", "lcp_ms PAGE MINIMAL", "tbt_ms PAGE MINIMAL".

    lighthouse_compare.py SITE_FOLDER MINIMAL_FOLDER RUNS

Lighthouse comes from tests/web/node_modules (scripts/ensure-npm-packages.sh).
"""
import os
import statistics
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
sys.path.insert(0, os.path.join(HERE, "..", "scripts"))
from audit import lighthouse  # noqa: E402
from headless_chromium import serve  # noqa: E402

METRICS = (("fcp_ms", "first-contentful-paint"), ("lcp_ms", "largest-contentful-paint"),
           ("tbt_ms", "total-blocking-time"))


def main():
    site, minimal, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
    servers = [serve(site), serve(minimal)]
    seen = [{name: [] for name, _ in METRICS} for _ in servers]
    try:
        with tempfile.TemporaryDirectory() as reports:
            for run in range(runs):
                for page, server in enumerate(servers):
                    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
                    result = lighthouse(url, "mobile", os.path.join(reports, f"{page}-{run}.json"))
                    for name, audit in METRICS:
                        seen[page][name].append(result["audits"][audit]["numericValue"])
    finally:
        for server in servers:
            server.shutdown()
    for name, _ in METRICS:
        print(name, *(f"{statistics.median(s[name]):.0f}" for s in seen))
    return 0


if __name__ == "__main__":
    sys.exit(main())
