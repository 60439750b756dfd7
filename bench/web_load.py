#!/usr/bin/python3
"""Times the web page in headless Chromium against a scriptless page of the same pictures and texts, on the
machine's loopback and on a phone's network, and counts the bytes of the first view and of the built files.

Two moments of the page count: its first deal, written into index.html and shown before the game's script
has come, is over at the start of the load event, when its last picture is in; it is playable once the game has
taken it over (body.ready). The floor page has only a first view, over at the start of its load event too.

Usage: /usr/bin/python3 bench/web_load.py [BUILD_WEB] [--runs N] [--profile none|mobile ...] [--json FILE]
(BUILD_WEB defaults to build-web; 7 runs; both profiles)
"""
import argparse, base64, brotli, gzip, http.server, json, os, re, shutil, statistics, sys, tempfile, threading, time
import urllib.parse

CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run", "--window-size=1280,900"]
WASM_START = b"data:application/octet-stream;base64,"
# Chromium's own throttling, as its DevTools apply it to every request of the tab: each waits the latency for its
# answer and all share the throughput. The phone's is the mobile profile of Lighthouse: 150 ms round trip,
# 1.6 Mbit/s down and 750 kbit/s up.
PROFILES = {
    "none": None,
    "mobile": {"offline": False, "latency": 150, "downloadThroughput": 1_600_000 / 8,
               "uploadThroughput": 750_000 / 8},
}
# The game's own files: fetched while the first deal shows, never waited for by it.
GAME_FILES = ("pairfinder.js", "pairfinder-served.js", "pairfinder-served.wasm")
# What a static host compresses when the browser accepts it.
TEXT_TYPES = ("text/", "application/javascript", "image/svg+xml", "application/manifest+json", "application/json")

# Stamped inside the page the moment the game takes the first deal over.
WATCH_READY = """
new MutationObserver((changes, observer) => {
  if (document.body && document.body.classList.contains('ready')) {
    window.pairfinderReadyAt = performance.now();
    observer.disconnect();
  }
}).observe(document, {attributes: true, subtree: true, attributeFilter: ['class']});
"""
# The first view is over when the last picture is in and the load event begins, taken inside the page.
WAIT_LOADED = """
const done = arguments[arguments.length - 1];
(function poll() {
  const nav = performance.getEntriesByType('navigation')[0];
  if (nav && nav.loadEventStart > 0) done(nav.loadEventStart); else setTimeout(poll, 5);
})();
"""
WAIT_READY = """
const done = arguments[arguments.length - 1];
(function poll() {
  if (window.pairfinderReadyAt) done(window.pairfinderReadyAt); else setTimeout(poll, 5);
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
    """A static host: HTTP/1.1 with connections kept open, and text compressed when the browser accepts it, from
    the copy kept beside the file (.br, .gz) where there is one, else compressed at the best level once."""

    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript", ".css": "text/css", ".html": "text/html"}
    compressed = {}
    lock = threading.Lock()

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.translate_path(urllib.parse.urlsplit(self.path).path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            return super().do_GET()
        kind = self.guess_type(path)
        accepted = [part.split(";")[0].strip() for part in self.headers.get("Accept-Encoding", "").split(",")]
        body, encoding = None, None
        for name, suffix, compress in (("br", ".br", lambda d: brotli.compress(d, quality=11)),
                                       ("gzip", ".gz", lambda d: gzip.compress(d, 9, mtime=0))):
            if name not in accepted:
                continue
            if os.path.isfile(path + suffix):
                body, encoding = open(path + suffix, "rb").read(), name
            elif kind.startswith(TEXT_TYPES):
                with self.lock:
                    if (path, name) not in self.compressed:
                        self.compressed[(path, name)] = compress(open(path, "rb").read())
                body, encoding = self.compressed[(path, name)], name
            if body is not None:
                break
        if body is None:
            body = open(path, "rb").read()
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Vary", "Accept-Encoding")
        if encoding:
            self.send_header("Content-Encoding", encoding)
        self.end_headers()
        self.wfile.write(body)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a browser closed while face pictures are still on the way breaks their connections


def load_once(webdriver, Service, origin, path, is_page, network):
    """One visit in a browser of its own with an empty profile and the cache off: ms to the first view, ms to
    playable (the page only), the first view's requests with their bytes on the wire, console errors."""
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
        if network:
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", network)
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_READY})
        driver.get_log("performance")
        driver.get(origin + path)
        try:
            shown = driver.execute_async_script(WAIT_LOADED)
            playable = driver.execute_async_script(WAIT_READY) if is_page else None
        except Exception as error:
            console = [e["message"] for e in driver.get_log("browser")]
            raise SystemExit(f"web_load: {path} never showed its first view or was never playable "
                             f"({type(error).__name__}); console: {console}")
        shown_wall = (driver.execute_script("return performance.timeOrigin") + shown) / 1000
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
        return shown, playable, first, errors
    finally:
        if driver:
            driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", nargs="?", default="build-web")
    parser.add_argument("--runs", type=int, default=7, metavar="N")
    parser.add_argument("--profile", action="append", choices=sorted(PROFILES), dest="profiles")
    parser.add_argument("--json", metavar="FILE")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    profiles = args.profiles or list(PROFILES)
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
    wasm_file = os.path.join(folder, "pairfinder-served.wasm")
    if os.path.isfile(wasm_file):
        wasm = open(wasm_file, "rb").read()
    else:
        # The first mention of the prefix is the loader's own constant; the WebAssembly is the long one.
        found = re.findall(re.escape(WASM_START) + rb"([A-Za-z0-9+/=]*)[\"']", script)
        wasm = base64.b64decode(max(found, key=len, default=b""))
    if not wasm.startswith(b"\0asm"):
        sys.exit("web_load: the page carries no WebAssembly, neither in pairfinder-served.wasm nor in pairfinder.js")
    files = [os.path.join(d, f) for d, _, names in os.walk(folder) for f in names]
    sizes = {}
    for name in GAME_FILES:
        if os.path.isfile(os.path.join(folder, name)):
            data = open(os.path.join(folder, name), "rb").read()
            sizes.update({name: len(data), f"{name} gzipped": len(gzip.compress(data, 9)),
                          f"{name} brotli": len(brotli.compress(data, quality=11))})
    sizes.update({"WebAssembly": len(wasm), "fonts.css": os.path.getsize(os.path.join(folder, "fonts.css")),
                  "whole folder, compressed copies left out": sum(os.path.getsize(f) for f in files
                                                                 if not f.endswith((".gz", ".br")))})

    # Other work on the machine stretches the page's time more than the floor's: the load is reported with them.
    load_before = os.getloadavg()[0]
    root = tempfile.mkdtemp(prefix="pairfinder-web-load-")
    server = None
    results = {}
    errors = set()
    try:
        os.symlink(folder, os.path.join(root, "page"))
        os.mkdir(os.path.join(root, "floor"))
        os.symlink(os.path.join(folder, "pictures"), os.path.join(root, "floor", "pictures"))
        with open(os.path.join(root, "floor", "index.html"), "w") as out:
            out.write(floor_html())
        server = Server(("127.0.0.1", 0), lambda *a: Handler(*a, directory=root))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        origin = f"http://127.0.0.1:{server.server_address[1]}"
        # The profiles and the two pages take turns, so that whatever else the machine does falls on all alike.
        for profile in profiles:
            results[profile] = {"page_ms": [], "playable_ms": [], "floor_ms": [], "views": [], "floor_views": []}
        for _ in range(args.runs):
            for profile in profiles:
                measured = results[profile]
                shown, playable, view, errs = load_once(webdriver, Service, origin, "/page/", True, PROFILES[profile])
                measured["page_ms"].append(shown)
                measured["playable_ms"].append(playable)
                measured["views"].append(view)
                errors.update(errs)
                shown, _, view, _ = load_once(webdriver, Service, origin, "/floor/", False, PROFILES[profile])
                measured["floor_ms"].append(shown)
                measured["floor_views"].append(view)
    finally:
        if server:
            server.shutdown()
            server.server_close()
        shutil.rmtree(root, ignore_errors=True)

    rows, faces = [], set()
    for profile in profiles:
        measured = results[profile]
        page, floor = statistics.median(measured["page_ms"]), statistics.median(measured["floor_ms"])
        playable = statistics.median(measured["playable_ms"])
        # What the first deal waits for: what was asked for before it showed but the game's own files, which
        # come meanwhile. Whether the favicon and the manifest come before it is a race; the largest is shown.
        view = max(([(url, n) for url, n in v if url not in GAME_FILES] for v in measured["views"]),
                   key=lambda v: sum(n for _, n in v))
        floor_view = max(measured["floor_views"], key=lambda v: sum(n for _, n in v))
        faces |= {url for v in measured["views"] for url, _ in v if url.startswith("pictures/faces")}
        measured.update(page_median_ms=page, floor_median_ms=floor, playable_median_ms=playable,
                        first_view=view, floor_first_view=floor_view)
        # Each run's page and floor are loaded one after the other, so that a run's own ratio is stretched less
        # by what else the machine does than the ratio of the medians.
        paired = statistics.median(p / f for p, f in zip(measured["page_ms"], measured["floor_ms"]))
        paired_playable = statistics.median(p / f for p, f in zip(measured["playable_ms"], measured["floor_ms"]))
        runs = f"median of {args.runs}"
        rows += [(f"{profile}: first deal, page ({runs})", f"{page:.0f} ms"),
                 (f"{profile}: first view, floor page ({runs})", f"{floor:.0f} ms"),
                 (f"{profile}: first deal / floor", f"{page / floor:.2f}"),
                 (f"{profile}: first deal / floor, median of the runs' own", f"{paired:.2f}"),
                 (f"{profile}: playable, page ({runs})", f"{playable:.0f} ms"),
                 (f"{profile}: playable / floor's first view", f"{playable / floor:.2f}"),
                 (f"{profile}: playable / floor's first view, median of the runs' own", f"{paired_playable:.2f}")]
        rows += [(f"{profile}: first view: {url}", f"{n / 1000:.1f} kB") for url, n in view]
        rows += [(f"{profile}: first view, page, {len(view)} requests", f"{sum(n for _, n in view) / 1000:.1f} kB"),
                 (f"{profile}: first view, floor, {len(floor_view)} requests",
                  f"{sum(n for _, n in floor_view) / 1000:.1f} kB")]
    rows += [("face pictures in the first view, any run", str(len(faces))),
             ("machine load (1-minute average) before and after", f"{load_before:.2f}, {os.getloadavg()[0]:.2f}")]
    rows += [(name, f"{n / 1000:.1f} kB") for name, n in sizes.items()]
    if args.json:
        with open(args.json, "w") as out:
            json.dump({"runs": args.runs, "profiles": {p: PROFILES[p] for p in profiles}, "results": results,
                       "first_view_faces": sorted(faces), "sizes_bytes": sizes, "console": sorted(errors)},
                      out, indent=2)
    width = max(len(r[0]) for r in rows)
    print(f"| {'measure'.ljust(width)} | value |")
    print(f"|{'-' * (width + 2)}|-------|")
    for name, value in rows:
        print(f"| {name.ljust(width)} | {value} |")
    for error in sorted(errors):
        print(f"page console: {error}", file=sys.stderr)
    if faces:
        print(f"web_load: face pictures fetched before the first deal was shown: {sorted(faces)}", file=sys.stderr)
    return 1 if faces else 0


if __name__ == "__main__":
    sys.exit(main())
