#!/usr/bin/python3
"""Lighthouse's audits of the page, desktop and mobile, in the light and the
dark scheme, in headless Chromium: accessibility, best practices and SEO
must score 100, and what fell short is listed. Performance is a timed
score, which moves with the machine's load and speed: it is printed, and
a shortfall named, but it fails nothing (scripts/measure.sh --web times
the page).

    audit.py SITE_FOLDER REPORT_FOLDER

Lighthouse comes from tests/web/node_modules (npm ci, at the versions of
package-lock.json); its reports are left in REPORT_FOLDER.
"""
import json
import os
import subprocess
import sys

from run_page import serve  # run_page finds it in scripts/

HERE = os.path.dirname(os.path.abspath(__file__))
FLAGS = "--headless=new --no-sandbox --disable-gpu --disable-dev-shm-usage --no-first-run --disable-quic " \
        "--disable-background-networking --disable-component-update --disable-sync"


def lighthouse(url, form, report, dark=False):
    flags = FLAGS + " --force-dark-mode" * dark  # the user's dark scheme
    command = [os.path.join(HERE, "node_modules", ".bin", "lighthouse"), url, "--quiet", "--output=json",
               f"--output-path={report}", f"--chrome-flags={flags}"]
    if form == "desktop":
        command.append("--preset=desktop")
    subprocess.run(command, check=True, env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"))
    with open(report) as f:
        return json.load(f)


def audit(url, form, reports, dark=False):
    """The failures of one form factor in one scheme. Performance is timed
    on a shared machine, so a score below 100 is timed twice more and the
    median of the three counts, as Lighthouse's own advice on variability
    has it."""
    label = form + " dark" * dark
    report = os.path.join(reports, f"lighthouse-{label.replace(' ', '-')}.json")
    result = lighthouse(url, form, report, dark)
    performance = [result["categories"]["performance"]["score"]]
    if performance[0] < 1:
        for run in (2, 3):
            performance.append(lighthouse(url, form, report.replace(".json", f"-{run}.json"), dark)
                               ["categories"]["performance"]["score"])
        result["categories"]["performance"]["score"] = sorted(performance)[1]
    failures = []
    for name, category in result["categories"].items():
        if category["score"] == 1:
            continue
        failed = [ref["id"] for ref in category["auditRefs"] if ref["weight"] > 0
                  and result["audits"][ref["id"]]["score"] not in (None, 1)]
        shortfall = f"{label} {name} {category['score']}: {', '.join(failed)}"
        if name == "performance":
            print(f"lighthouse: timed below 100 on this machine: {shortfall}")
        else:
            failures.append(shortfall)
    scores = " ".join(f"{name} {round(c['score'] * 100)}" for name, c in result["categories"].items())
    runs = f" (performance of {len(performance)} runs: {performance})" if len(performance) > 1 else ""
    print(f"lighthouse {result['lighthouseVersion']}, {label}: {scores}{runs}")
    return failures


def main():
    site, reports = sys.argv[1], sys.argv[2]
    os.makedirs(reports, exist_ok=True)
    server = serve(site)
    try:
        url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
        failures = [failure for dark in (False, True) for form in ("desktop", "mobile")
                    for failure in audit(url, form, reports, dark)]
    finally:
        server.shutdown()
    for failure in failures:
        print(f"lighthouse: below 100: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
