#!/usr/bin/python3
"""Times the web page's first deal in headless Chromium against a scriptless page of the same pictures and texts,
and counts the bytes of that first view and of the built files. The page's first deal is written into its
index.html and its game script fetched only after it, so both pages' first view is over at the end of their load
event's start, when the last picture of the first deal is in.

Usage: /usr/bin/python3 bench/web_load.py [BUILD_WEB] [--runs N] [--json FILE]   (BUILD_WEB defaults to build-web)
"""
import argparse, base64, functools, gzip, http.server, json, os, re, shutil, statistics, sys, tempfile, threading, time

CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run", "--window-size=1280,900"]
WASM_START = b"data:application/octet-stream;base64,"

# The first view is over when the last picture is in and the load event begins, taken inside the page; what the page
# asks for from then on (its game script) is not part of it.
WAIT_LOADED = """
const done = arguments[arguments.length - 1];
(function poll() {
  const nav = performance.getEntriesByType('navigation')[0];
  if (nav && nav.loadEventStart > 0) done(nav.loadEventStart); else setTimeout(poll, 5);
})();
"""
# The page shows its first deal without the game; that the game then takes it over is checked, not timed.
WAIT_READY = """
const done = arguments[arguments.length - 1];
(function poll() {
  if (document.body && document.body.classList.contains('ready')) done(true); else setTimeout(poll, 5);
})();
"""


def floor_html():
    texts = [("Game", 0, 0), ("Ansicht", 40, 0), ("Highscore", 100, 0), ("Versuche:", 600, 60), ("0", 600, 80),
             ("MIX IT", 600, 200), ("END IT", 600, 240)]
    cards = "".join(f'<img src="pictures/backs/back1.svg" alt="" style="left:{8 + 72 * (k % 8)}px;'
                    f'top:{26 + 72 * (k // 8)}px">\n' for k in range(64))
    labels = "".join(f'<span style="left:{x}px;top:{y}px">{t}</span>\n' for t, x, y in texts)
    return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>floor</title><style>"
            "img,span{position:absolute}img{width:60px;height:60px}</style></head><body>\n"
            f"{cards}{labels}</body></html>\n")


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript", ".css": "text/css", ".html": "text/html"}

    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a browser closed while face pictures are still on the way breaks their connections


def load_once(webdriver, Service, origin, path, is_page):
    """One visit in a browser of its own with an empty profile: (ms to first view, first-view requests, errors)."""
    profile = tempfile.mkdtemp(prefix="pairfinder-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    driver = None
    try:
        driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        driver.set_script_timeout(60)
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        driver.get_log("performance")
        driver.get(origin + path)
        try:
            ms = driver.execute_async_script(WAIT_LOADED)
            if is_page:
                driver.execute_async_script(WAIT_READY)
        except Exception as error:
            console = [e["message"] for e in driver.get_log("browser")]
            raise SystemExit(f"web_load: {path} never showed its first view ({type(error).__name__}); "
                             f"console: {console}")
        shown_wall = (driver.execute_script("return performance.timeOrigin") + ms) / 1000
        sent, size = {}, {}
        # The favicon and the manifest are fetched by the browser beside the page and may still be on the way.
        for _ in range(50):
            for entry in driver.get_log("performance"):
                message = json.loads(entry["message"])["message"]
                params = message.get("params", {})
                if message["method"] == "Network.requestWillBeSent" and params["request"]["url"].startswith("http"):
                    url = params["request"]["url"][len(origin + path):] or "index.html"
                    sent[params["requestId"]] = (url, params["wallTime"])
                elif message["method"] in ("Network.loadingFinished", "Network.loadingFailed"):
                    size[params["requestId"]] = int(params.get("encodedDataLength", 0))
            # "Until shown" goes by when a request was made: all the first view asked for, nothing asked after.
            first = [rid for rid, (_, wall) in sent.items() if wall <= shown_wall]
            if all(rid in size for rid in first):
                break
            time.sleep(0.1)
        first = sorted((sent[rid][0], size.get(rid, 0)) for rid in first)
        errors = [e["message"] for e in driver.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]
        return ms, first, errors
    finally:
        if driver:
            driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", nargs="?", default="build-web")
    parser.add_argument("--runs", type=int, default=5, metavar="N")
    parser.add_argument("--json", metavar="FILE")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    folder = os.path.abspath(args.folder)
    if not os.path.isfile(os.path.join(folder, "index.html")) or not os.path.isfile(os.path.join(folder, "pairfinder.js")):
        sys.exit(f"web_load: no built page in {folder} (index.html and pairfinder.js); run `make web` first")
    for program in (CHROMIUM, CHROMEDRIVER):
        if not os.access(program, os.X_OK):
            sys.exit(f"web_load: {program} is missing; install chromium and chromium-driver")
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
    except ImportError:
        sys.exit("web_load: selenium is missing; run with /usr/bin/python3 and install python3-selenium")

    script = open(os.path.join(folder, "pairfinder.js"), "rb").read()
    # The first mention of the prefix is the loader's own constant; the WebAssembly is the long one.
    found = re.findall(re.escape(WASM_START) + rb"([A-Za-z0-9+/=]*)[\"']", script)
    wasm = base64.b64decode(max(found, key=len, default=b""))
    if not wasm.startswith(b"\0asm"):
        sys.exit("web_load: pairfinder.js holds no WebAssembly data: address")
    files = [os.path.join(d, f) for d, _, names in os.walk(folder) for f in names]
    sizes = {"pairfinder.js": len(script), "pairfinder.js gzipped": len(gzip.compress(script, 9)),
             "WebAssembly in pairfinder.js": len(wasm), "fonts.css": os.path.getsize(os.path.join(folder, "fonts.css")),
             "whole folder": sum(os.path.getsize(f) for f in files)}

    root = tempfile.mkdtemp(prefix="pairfinder-web-load-")
    server = None
    try:
        os.symlink(folder, os.path.join(root, "page"))
        os.mkdir(os.path.join(root, "floor"))
        os.symlink(os.path.join(folder, "pictures"), os.path.join(root, "floor", "pictures"))
        with open(os.path.join(root, "floor", "index.html"), "w") as out:
            out.write(floor_html())
        server = Server(("127.0.0.1", 0), functools.partial(Handler, directory=root))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        origin = f"http://127.0.0.1:{server.server_address[1]}"
        page_ms, floor_ms, views, errors = [], [], [], set()
        for _ in range(args.runs):
            ms, view, errs = load_once(webdriver, Service, origin, "/page/", True)
            page_ms.append(ms)
            views.append(view)
            errors.update(errs)
            floor_ms.append(load_once(webdriver, Service, origin, "/floor/", False)[0])
    finally:
        if server:
            server.shutdown()
            server.server_close()
        shutil.rmtree(root, ignore_errors=True)

    page, floor = statistics.median(page_ms), statistics.median(floor_ms)
    # Whether the favicon and the manifest come before the first deal is a race; the largest first view is shown.
    first = max(views, key=lambda view: sum(n for _, n in view))
    total = sum(n for _, n in first)
    faces = sorted({url for view in views for url, _ in view if url.startswith("pictures/faces")})
    rows = [(f"first deal shown, page (median of {args.runs})", f"{page:.1f} ms"),
            (f"first view loaded, floor page (median of {args.runs})", f"{floor:.1f} ms"),
            ("ratio page / floor", f"{page / floor:.2f}")]
    rows += [(f"first view: {url}", f"{n / 1000:.1f} kB") for url, n in first]
    rows += [(f"first view total, {len(first)} requests", f"{total / 1000:.1f} kB"),
             (f"face pictures in the first view, any of {args.runs} runs", str(len(faces)))]
    rows += [(name, f"{n / 1000:.1f} kB") for name, n in sizes.items()]
    if args.json:
        with open(args.json, "w") as out:
            json.dump({"runs": args.runs, "page_ms": page_ms, "floor_ms": floor_ms, "page_median_ms": page,
                       "floor_median_ms": floor, "ratio": page / floor, "first_view_bytes": first,
                       "first_view_total_bytes": total, "first_view_faces": faces, "sizes_bytes": sizes,
                       "console": sorted(errors)}, out, indent=2)
    width = max(len(r[0]) for r in rows)
    print(f"| {'measure'.ljust(width)} | value |")
    print(f"|{'-' * (width + 2)}|-------|")
    for name, value in rows:
        print(f"| {name.ljust(width)} | {value} |")
    for error in sorted(errors):
        print(f"page console: {error}", file=sys.stderr)
    if faces:
        print(f"web_load: face pictures fetched before the first deal was shown: {faces}", file=sys.stderr)
    return 1 if faces else 0


if __name__ == "__main__":
    sys.exit(main())
