#!/usr/bin/env python3
"""Plays the page in Debian's Chromium, headless, as a player does: by looking at what it shows and clicking or
tapping, never by reading the deal from the page's state. The whole-game player is the desktop tests' own
(tests/ui/play_under_xvfb.py), handed a browser instead of an X display.

Usage: play_in_chromium.py PAGE_FOLDER SCENARIO [DESKTOP_PROGRAM]

Every scenario but the first opens the page from disk (file://).

  served      from a local server whose game script comes late: two cards tapped before it are played once it has
              come; a table of three results stored under a hostile name: the Highscore menu shows the name as
              text and nothing of it runs; a whole game then ends with the loser's label, no name entry
  wrong-kind  a count edited into text in the browser's storage: the desktop's message, and the game goes on;
              the keyboard's letters press buttons and open menus; END IT ends the game on a plain screen,
              whose focused button deals anew; a stored board of the wrong kind or an unknown number starts the
              full board, says so once and writes nothing, and a stored 8 starts 8 pairs
  two-tabs    two tabs each finish a game, one stores a table, and both press Save at one instant, 20 times: every
              time both results are stored, ranked into the table the other tab stored, and both tabs' Highscore
              menus show both
  desktop     the page beside the desktop window (DESKTOP_PROGRAM under Xvfb), on the full board and on 4 and
              18 pairs, chosen in the page and by keys in one run of the program: every control and the board's
              cards where the desktop has them, within two pixels; every text in a face the page carries, none made
              bold or slanted by the browser
  keyboard    a whole game with keys alone, each face read from the page's accessibility tree as a screen reader
              reads it, never from pixels: Tab to the cards, arrows over them (never onto an empty cell), Enter
              and Space to turn, every card's and turn's announcement with the count, the finish heard after the
              last pair, the name typed and saved, the Highscore menu read by
              keys; a full storage's error box and the focus back on Save after it; END IT's ended screen;
              axe-core finds nothing at each of those states at a desktop's and at a phone's size; Alt+G as a
              Mac's Option key types it (key "©", code KeyG) opens the Game menu; forced colours keep the
              cards' outlines and the focus ring; Escape from every menu and submenu gives the focus back; a back
              and a face set chosen by mouse: each menu checks its chosen item alone; and of two pictures asked for
              in a row the later stays, however late the earlier one's decoding ends (decodes held by the test and
              released by hand); every board chosen by keys, heard each time (the same board twice too), checked
              alone in its menu, in its rows and columns; 4 and 18 pairs played whole by keys, saved by keys and
              read by keys under the menu's heading; 8 pairs chosen by mouse, played whole by clicks where the
              window has its cards, saved by mouse, its result read on the menu's middle line; each result the six
              values of its own table, the full board's untouched. Through every game the cards stay one tab stop,
              and a found pair's cells stay empty as drawn
  own-deck    photos chosen through the file input: a cut-off JPEG, a file that is no picture and a copy refused
              with their reasons, the rest named by keys in the form (a duplicate name refused beside its field
              first; a camera's file name offers none), one turned by its EXIF orientation kept upright; the deck
              played whole by keys on the one board it fills, each face heard by its name, the boards it does not
              fill disabled; at reload, offline, still in play; saved as a deck file, downloaded, its names and
              pictures those kept, byte for byte (copied to PAIRFINDER_PAGE_DECK when set); a deck file opened
              through the Öffnen item, shown in the form with its names, one renamed by keys and taken, kept byte
              for byte under its own deck name; a file that is no ZIP dropped and one whose picture is larger than
              the deck's opened: each said once, the kept deck unchanged; on a phone the form fits and says a deck
              of two pictures is too small; a picture deleted from the kept deck: said once, Deck 1 played, nothing
              deleted

The page on phones, offline, installed and when it cannot start: shapes, offline and failed-loads, in devices.py.

Every scenario ends with no error on the console and no violation of the page's Content-Security-Policy.
"""
import base64
import functools
import http.server
import io
import json
import os
import pathlib
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time
import zipfile

from PIL import Image, ImageChops, ImageStat
from selenium import webdriver
from selenium.webdriver.chromium.remote_connection import ChromiumRemoteConnection
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.file_detector import UselessFileDetector

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "ui"))
import play_under_xvfb as desktop  # noqa: E402 (the desktop tests' player and its Xvfb)
from play_under_xvfb import DEADLINE, SETTLE, fail, wait_until  # noqa: E402

WIDTH, HEIGHT = desktop.LAYOUT_WIDTH, desktop.LAYOUT_HEIGHT
ITEM = "HKEY_CURRENT_USER\\Software\\Pairfinder"
HOSTILE = '<img src=x onerror="window.ran=1">&amp;'
# Recorded from the first line of every document: what the page's policy refused, and whether a full storage
# is played.
WATCH = """
window.refused = [];
document.addEventListener('securitypolicyviolation', (e) => window.refused.push(e.violatedDirective + ' ' + e.blockedURI));
const setItem = Storage.prototype.setItem;
Storage.prototype.setItem = function (name, value) {
    if (sessionStorage.getItem('full') === 'yes' && this === window.localStorage)
        throw new DOMException('the storage is full', 'QuotaExceededError');
    return setItem.call(this, name, value);
};
"""


class StaticFiles(http.server.SimpleHTTPRequestHandler):
    """Files as a static web server hands them out, saying nothing of each request: a file's compressed copy
    beside it, when the browser accepts its kind, as hosts that look for such copies serve them."""

    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".js": "text/javascript",
                      ".svg": "image/svg+xml", ".css": "text/css", ".webmanifest": "application/manifest+json",
                      ".wasm": "application/wasm"}

    def log_message(self, *arguments):
        pass

    def send_head(self):
        path = pathlib.Path(self.translate_path(self.path))
        if path.is_dir() and self.path.endswith("/"):
            path = path / "index.html"
        accepted = [part.split(";")[0].strip() for part in self.headers.get("Accept-Encoding", "").split(",")]
        for encoding, suffix in (("br", ".br"), ("gzip", ".gz")):
            copy = path.with_name(path.name + suffix)
            if encoding in accepted and path.is_file() and copy.is_file():
                self.send_response(200)
                self.send_header("Content-Type", self.guess_type(str(path)))
                self.send_header("Content-Encoding", encoding)
                self.send_header("Content-Length", str(copy.stat().st_size))
                self.end_headers()
                return open(copy, "rb")
        return super().send_head()


class SlowScript(StaticFiles):
    """A server on a slow line for the game's script and its WebAssembly, which take two seconds to come."""

    def do_GET(self):
        if self.path.startswith("/pairfinder"):
            time.sleep(2)
        super().do_GET()


class Host(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that drops a connection on purpose (a service worker's install given up) is no error here.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


SERVERS = []


def served(folder, handler=StaticFiles, port=0):
    """A static web server of the folder on a loopback port (a free one unless given), in a thread of this
    test's. It serves until the browser has ended, unless stopped before: a page still loads in the background
    (its service worker keeps every file) after a scenario is done with it, and is still answered."""
    server = Host(("127.0.0.1", port), functools.partial(handler, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    SERVERS.append(server)
    return server


def stop_serving(server):
    server.shutdown()
    server.server_close()


class Browser:
    """Chromium driven by chromedriver, with a profile, a home and an environment of this test's: nothing of the
    caller's reaches it but the search path. Both end with the test, however it ends."""

    def __init__(self, work, width=WIDTH, height=HEIGHT, ratio=1, phone=False):
        port = free_port()
        environment = {"PATH": os.environ["PATH"], "HOME": str(work / "home"), "LANG": "C.UTF-8",
                       "TMPDIR": str(work), "XDG_CONFIG_HOME": str(work / "config")}
        self.driver_process = subprocess.Popen(["chromedriver", f"--port={port}"], env=environment,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                               preexec_fn=desktop.end_with_this_test, start_new_session=True)
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     # A tab in the background runs its timers on time, as the tab in front does.
                     "--disable-background-timer-throttling",
                     f"--user-data-dir={work / 'profile'}", "--window-size=1280,1024"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        wait_until(lambda: connectable(port), "chromedriver did not start")
        connection = ChromiumRemoteConnection(remote_server_addr=f"http://127.0.0.1:{port}", vendor_prefix="goog",
                                              browser_name="chrome")
        self.driver = webdriver.Remote(command_executor=connection, options=options)
        self.width, self.height, self.ratio, self.phone = width, height, ratio, phone
        self.prepare()

    def prepare(self):
        """The screen and the watch of the tab in front, which each tab needs of its own."""
        self.prepare_screen()
        if self.phone:
            self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})

    def prepare_screen(self):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": self.width, "height": self.height, "deviceScaleFactor": self.ratio, "mobile": self.phone})

    def switch_to(self, tab):
        self.driver.switch_to.window(tab)
        self.cdp("Page.bringToFront")

    def cdp(self, command, arguments=None):
        return self.driver.execute("executeCdpCommand", {"cmd": command, "params": arguments or {}})["value"]

    def close(self):
        try:
            self.driver.quit()
        finally:
            # chromedriver and the browsers it started are one process group of their own.
            try:
                os.killpg(self.driver_process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.driver_process.wait(DEADLINE)
            wait_until(lambda: not group_alive(self.driver_process.pid), "the browser did not end")

    def open(self, address):
        """The page at the address, once the game has taken over its first deal; a style or script of the page
        that its own policy refuses (an inline part whose digest the policy lacks) fails at once."""
        self.driver.get(address)
        wait_until(lambda: self.driver.execute_script("return document.body.classList.contains('ready') || "
                                                      "(window.refused || []).length > 0"),
                   "the game did not take over the first deal")
        refused = self.script("return window.refused")
        if refused:
            fail(f"the page's policy refused its own {refused}")
        return self

    def script(self, text, *arguments):
        return self.driver.execute_script(text, *arguments)

    def node(self, name):
        return self.driver.find_element(By.ID, name)

    def visible(self, name):
        return self.node(name).is_displayed()

    def text(self, name):
        return self.node(name).text

    def screenshot(self):
        """What the viewport shows, in device pixels."""
        shot = self.cdp("Page.captureScreenshot", {"format": "png"})["data"]
        return Image.open(io.BytesIO(base64.b64decode(shot))).convert("RGB")

    def mouse(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})
        time.sleep(0.02)

    def tap(self, x, y):
        self.cdp("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        self.cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
        time.sleep(0.05)

    def problems(self, expected=()):
        """Console errors and refusals of the page's policy, but those the scenario caused on purpose."""
        logged = [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        refused = self.script("return window.refused || []")
        return [p for p in logged + refused if not any(e in p for e in expected)]


def group_alive(group):
    try:
        os.killpg(group, 0)
        return True
    except ProcessLookupError:
        return False


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def connectable(port):
    with socket.socket() as probe:
        return probe.connect_ex(("127.0.0.1", port)) == 0


class PageOnScreen(desktop.Player):
    """The desktop tests' player, looking at the page's window instead of the program's: the same clicks at the
    same layout coordinates, the same pictures compared, on screenshots of the viewport."""

    def __init__(self, browser, work):
        self.browser, self.work = browser, work
        self.width, self.height = WIDTH, HEIGHT
        self.menu = desktop.METRICS["MenuBarHeight"]

    def check_running(self):
        if not self.browser.script("return document.body.classList.contains('ready')"):
            fail("the page is gone")

    def close(self):
        pass

    def shot(self, keep=None):
        picture = self.browser.screenshot().crop((0, 0, WIDTH, HEIGHT))
        if keep:
            picture.save(keep)
        return picture.tobytes()

    def click_window(self, x, y):
        self.browser.mouse(x, y)

    def picture(self, pixels, p):
        x, y = self.board.origin(p)
        shot = Image.frombytes("RGB", (WIDTH, HEIGHT), pixels)
        return Picture(shot.crop((x, y + self.menu, x + self.board.side, y + self.menu + self.board.side)))

    def click_cell(self, p):
        super().click_cell(p)
        self.keep_emptied()

    def keep_emptied(self):
        """Checks that every cell a found pair left is still empty, as its name says and as it is drawn, however
        many turns have come since."""
        cells = self.browser.script(EMPTIED, self.board.cells)
        emptied = getattr(self, "emptied", set())
        refilled = [p for p in emptied if cells[p][0] != "leer"]
        drawn = [p for p, (said, shown) in enumerate(cells) if said == "leer" and shown]
        if refilled or drawn:
            fail(f"cells a found pair left are in play again {refilled} or drawn with a picture {drawn}")
        self.emptied = {p for p, (said, _) in enumerate(cells) if said == "leer"}


# Each card of the board in play: what its name says it shows, and whether a picture is drawn in it.
EMPTIED = ("return [...document.querySelectorAll('#Cards .cell')].slice(0, arguments[0]).map((c) => "
           "[c.getAttribute('aria-label').split(': ')[1], c.querySelector('img').checkVisibility()])")


class Picture:
    """A card's picture as the page shows it, in a small copy of its own: the same picture in two cells, or at two
    sizes on a phone turned, is less than a level of colour apart on average, two pictures tens of levels. Two
    count as the same when their copies are less than 3 levels apart on average."""

    def __init__(self, image):
        self.image = image.resize((24, 24), Image.BOX)

    def __eq__(self, other):
        return max(ImageStat.Stat(ImageChops.difference(self.image, other.image)).mean) < 3

    def __hash__(self):
        return 0


def play_and_finish(browser, work, player=None):
    """A whole game to FERTIG!!, by looking at the page unless another player is given."""
    player = player or PageOnScreen(browser, work)
    attempts = desktop.play(player, None)
    wait_until(lambda: browser.visible("lbl_ferdisch"), "FERTIG!! was not shown")
    if browser.text("lbl_Count") != str(attempts):
        fail(f"the attempt count shows {browser.text('lbl_Count')}, not {attempts}")
    print(f"all {player.board.pairs} pairs found in {attempts} attempts; FERTIG!! shown")
    return player, attempts


def save(browser, player, name):
    player.click(184 + 100, 232 + 10)  # into the name entry
    browser.driver.switch_to.active_element.send_keys(name)
    player.click(248 + 56, 272 + 12)   # Save


def error_box(browser):
    """The error box's title and message, once it has come."""
    wait_until(lambda: browser.script("return document.getElementById('ErrorBox').open"), "no error box came")
    return browser.text("ErrorCaption"), browser.node("ErrorBox").find_element(By.CLASS_NAME, "message").text


def close_error_box(browser):
    browser.node("ErrorBox").find_element(By.TAG_NAME, "button").click()
    wait_until(lambda: not browser.script("return document.getElementById('ErrorBox').open"),
               "the error box did not close")


def highscore_menu(browser, names=("Erster", "Zweiter", "Dritter")):
    browser.node("Highscore1-title").click()
    wait_until(lambda: browser.visible("Highscore1"), "the Highscore menu did not open")
    lines = [browser.text(name) for name in names]
    browser.node("Highscore1-title").click()
    return lines


def choose_board(browser, board):
    """The board chosen from the Ansicht menu's Spielfeld submenu, pressed where each shows."""
    for name in ("Ansicht1-title", "Spielfeld-title", f"Feld{board.number}"):
        wait_until(lambda: browser.visible(name), f"{name} did not show")
        browser.node(name).click()
    wait_until(lambda: browser.script("return document.documentElement.dataset.board") == str(board.pairs),
               f"choosing {board.caption} did not lay its cards out")


def hand_edit(browser, text):
    """The highscore key's item as a player may edit it in the browser's tools, then the page reloaded."""
    browser.script("localStorage.setItem(arguments[0], arguments[1]); location.reload()", ITEM, text)
    time.sleep(SETTLE)
    wait_until(lambda: browser.script("return document.readyState === 'complete' && "
                                      "document.body.classList.contains('ready')"), "the page did not reload")


def scenario_served(browser, work, page):
    server = served(page, SlowScript)
    # The first deal shows before the game's script arrives; two cards tapped then are played once it has.
    address = f"http://127.0.0.1:{server.server_port}/index.html"
    browser.driver.get(address)
    if browser.script("return document.body.classList.contains('ready')"):
        fail("the game was ready before its script could have come")
    player = PageOnScreen(browser, work)
    player.click_cell(0)
    player.click_cell(1)
    wait_until(lambda: browser.script("return document.body.classList.contains('ready')"),
               "the game's script did not take over")
    labels = browser.script("return [1, 2].map((k) => document.getElementById('Image' + k).getAttribute('aria-label'))")
    if browser.text("lbl_Count") != "1" or any(label.endswith("verdeckt") for label in labels):
        fail(f"two cards tapped before the game was ready came to {labels}, count {browser.text('lbl_Count')}")
    print("two cards tapped before the game's script arrived were played once it had: " + "; ".join(labels))
    # A stored name is shown as text and nothing of it runs; a table of three better results makes a whole
    # game end with the loser's label alone.
    hand_edit(browser, stored_table([(HOSTILE, 1), ("Bo", 2), ("Cy", 3)]))
    expected = [f"1. {HOSTILE} mit 1 Versuchen", "2. Bo mit 2 Versuchen", "3. Cy mit 3 Versuchen"]
    if highscore_menu(browser) != expected:
        fail(f"the Highscore menu reads {highscore_menu(browser)}, not {expected}")
    if browser.script("return window.ran || document.querySelectorAll('img[src=x]').length"):
        fail("the stored name ran as markup")
    print(f"the Highscore menu reads the stored name {HOSTILE} as text")
    # Only the outcome matters here: the game is played at the page's own speed.
    play_and_finish(browser, work, QuickPlayer(browser, work))
    if not browser.visible("lbl_Looser") or browser.visible("edt_Name") or browser.visible("btn_Save"):
        fail("a result worse than three stored ones did not end with the loser's label alone")
    print(f"with a full table of better results: {browser.text('lbl_Looser')}")
    # The policy itself: a script put into the page by anything but the page's own file does not run.
    browser.script("const s = document.createElement('script'); s.textContent = 'window.ran = 2';"
                   "document.body.appendChild(s)")
    if browser.script("return window.ran"):
        fail("an inline script ran in spite of the page's policy")
    if not any("script-src" in r for r in browser.script("return window.refused")):
        fail("the page's policy did not refuse an inline script")
    print("the page's policy refuses an inline script")
    return ["script-src", "inline"]


def stored_table(entries):
    """The key as a save writes it, places left empty as a save leaves them."""
    entries = entries + [(" ", -1)] * (3 - len(entries))
    quoted = lambda text: text.replace("\\", "\\\\").replace('"', '\\"')  # noqa: E731
    values = "".join(f'"s{p}"="{quoted(n)}"\n' for p, (n, _) in zip(("Erster", "Zweiter", "Dritter"), entries))
    values += "".join(f'"i{p}"=dword:{c & 0xffffffff:08x}\n'
                      for p, (_, c) in zip(("Erster", "Zweiter", "Dritter"), entries))
    return f"Windows Registry Editor Version 5.00\n\n[{ITEM}]\n{values}"


def scenario_wrong_kind(browser, work, page):
    browser.open((page / "index.html").as_uri())
    hand_edit(browser, stored_table([("Ada", 41), ("Bo", 50), ("Cy", 60)]).replace("dword:00000029", '"7"'))
    if error_box(browser) != ("Pairfinder", "Invalid data type for 'iErster'"):
        fail(f"a count stored as text showed {error_box(browser)}")
    close_error_box(browser)
    player = PageOnScreen(browser, work)
    back = player.picture(player.drawn(), 0)
    player.click_cell(0)
    player.turned(0, back)
    print("a count stored as text: the error box reads Invalid data type for 'iErster'; then a card turns over")
    # The keyboard as on the desktop: a button's letter alone presses it, Alt and a menu's letter opens it.
    browser.driver.switch_to.active_element.send_keys("m")
    # The new deal reads the store again, which still holds the count as text.
    if error_box(browser) != ("Pairfinder", "Invalid data type for 'iErster'"):
        fail(f"the letter m gave {error_box(browser)}, not MIX IT's reading of the store")
    close_error_box(browser)
    wait_until(lambda: player.picture(player.shot(), 0) == back, "the letter m did not deal anew")
    webdriver.ActionChains(browser.driver).key_down(Keys.ALT).send_keys("h").key_up(Keys.ALT).perform()
    wait_until(lambda: browser.visible("Highscore1"), "Alt+H did not open the Highscore menu")
    webdriver.ActionChains(browser.driver).send_keys(Keys.ESCAPE).perform()
    print("m pressed MIX IT and dealt anew; Alt+H opened the Highscore menu")
    # A page cannot close its tab: END IT ends the game on a plain screen, whose button, focused, deals anew.
    browser.node("btn_End").click()
    wait_until(lambda: browser.visible("Ended") and not browser.visible("Form1"), "END IT did not end the game")
    if browser.script("return document.activeElement.id") != "Restart":
        fail("the ended screen's button does not have the keyboard focus")
    browser.node("Restart").click()
    wait_until(lambda: browser.script("return document.body.classList.contains('ready') && "
                                      "!document.getElementById('Form1').hidden"),
               "the ended screen's button did not deal anew")
    print("END IT ends the game; the ended screen's button, which has the focus, deals a new one")
    # A stored board the page cannot take starts the full board, says so once and writes nothing; one it can take
    # is the board the game starts on.
    table = stored_table([("Ada", 41)])
    for value, message in (('"8"', "Invalid data type for 'iPaare'"), ("dword:00000007", "Invalid value 7 for 'iPaare'"),
                           ("dword:00000008", None)):
        stored = f'{table}"iPaare"={value}\n'
        hand_edit(browser, stored)
        if message and error_box(browser) != ("Pairfinder", message):
            fail(f"a stored board {value} showed {error_box(browser)}")
        if message:
            close_error_box(browser)
            player.click_cell(0)
        time.sleep(SETTLE)
        board = desktop.FULL if message else desktop.BOARDS[1]
        shown = browser.script("return [document.documentElement.dataset.board, [...document.querySelectorAll('.cell')]"
                               ".filter((c) => c.checkVisibility()).length, document.getElementById('ErrorBox').open,"
                               "document.getElementById('Feld' + arguments[0]).getAttribute('aria-checked')]",
                               board.number)
        if shown != [str(board.pairs), board.cells, False, "true"]:
            fail(f"with a stored board {value} the page shows [board, cards, error box, checked] {shown}")
        if browser.script("return localStorage.getItem(arguments[0])", ITEM) != stored:
            fail(f"a stored board {value} was written over")
    print("a stored board of the wrong kind or an unknown number: the full board, the error box once, nothing "
          "written; 8 stored: the game starts on 8 pairs")


class QuickPlayer(PageOnScreen):
    """The desktop tests' player at the page's own speed: it presses a card through its element and reads what
    every card says in the same step, for scenarios that need many finished games rather than a look at them."""

    PRESS = ("if (arguments[0]) document.getElementById(arguments[0]).click();"
             "return [...document.querySelectorAll('#Cards .cell')].map((c) => c.getAttribute('aria-label'))")

    def __init__(self, browser, work):
        super().__init__(browser, work)
        self.cards = None

    def press(self, cell):
        self.cards = [label.split(": ", 1)[1] for label in self.browser.script(self.PRESS, cell)]
        return self.cards

    def drawn(self):
        return self.press(None)

    def picture(self, cards, p):
        return cards[p]

    def click_cell(self, p):
        self.press(f"Image{p + 1}")
        self.keep_emptied()

    def turned(self, p, back):
        return self.cards


# How many times two tabs save at one instant: a lost result shows within a few.
ROUNDS = 20


def scenario_two_tabs(browser, work, page):
    address = (page / "index.html").as_uri()
    browser.open(address)
    tabs = [browser.driver.current_window_handle]
    browser.driver.switch_to.new_window("tab")
    browser.prepare()
    browser.open(address)
    tabs.append(browser.driver.current_window_handle)
    for round_ in range(ROUNDS):
        results = {}
        for tab, name in zip(tabs, (f"Ada {round_}", f"Bo {round_}")):
            browser.switch_to(tab)
            results[name] = desktop.play(QuickPlayer(browser, work), None)
            browser.node("edt_Name").clear()
            browser.node("edt_Name").send_keys(name)
        # The second tab stores a table that any count makes: the first reads it the moment it is stored.
        browser.script("localStorage.setItem(arguments[0], arguments[1])", ITEM,
                       stored_table([("Cy", 9000), ("Di", 9001)]))
        # Both tabs press Save at one instant.
        target = int(time.time() * 1000) + 300
        for tab in tabs:
            browser.switch_to(tab)
            browser.script("setTimeout(() => document.getElementById('btn_Save').click(), arguments[0] - Date.now())",
                           target)
        # Each save ranks into the table as stored when it holds the lock: both results are kept, every time.
        expected = {f"{name} mit {count} Versuchen" for name, count in results.items()}
        for tab in tabs:
            browser.switch_to(tab)
            wait_until(lambda: not browser.visible("edt_Name"), f"round {round_}: the save did not deal anew")
        # Both saves are done; each tab's copy of the storage learns the last of them a little later.
        for tab in tabs:
            browser.switch_to(tab)
            stored = lambda: browser.script("return localStorage.getItem(arguments[0])", ITEM)
            wait_until(lambda: all(f'"{name}"' in stored() for name in results),
                       lambda: f"round {round_}: two tabs saving at once stored {stored()!r}", 5)
            places = "return ['Erster', 'Zweiter', 'Dritter'].map((id) => document.getElementById(id).textContent)"
            lines = wait_until(lambda: (lambda m: m if expected <= {line.split(". ", 1)[-1] for line in m} else None)(
                browser.script(places)),
                lambda: f"round {round_}: a tab's menu reads {browser.script(places)}, not both")
    print(f"two tabs saved at one instant {ROUNDS} times; both results were kept every time, the last: {lines[:2]}")
    # Another tab stores a damaged table: it is said in the error box, once, also when it comes while the box is
    # open; nothing stored is overwritten, and the game goes on.
    damaged = stored_table([("Ada", 41)]).replace("dword:00000029", '"7"')
    for text in (damaged, damaged.replace('"7"', '"8"')):
        browser.switch_to(tabs[1])
        browser.script("localStorage.setItem(arguments[0], arguments[1])", ITEM, text)
        browser.switch_to(tabs[0])
        if error_box(browser) != ("Pairfinder", "Invalid data type for 'iErster'"):
            fail(f"a damaged table stored in another tab showed {error_box(browser)}")
    # The second came while the box was open: it is said once the first has been read.
    browser.node("ErrorBox").find_element(By.TAG_NAME, "button").click()
    if error_box(browser) != ("Pairfinder", "Invalid data type for 'iErster'"):
        fail(f"a damaged table stored while the error box was open showed {error_box(browser)}")
    close_error_box(browser)
    time.sleep(SETTLE)
    if browser.script("return document.getElementById('ErrorBox').open"):
        fail("the damaged table was said twice")
    if browser.script("return localStorage.getItem(arguments[0])", ITEM) != damaged.replace('"7"', '"8"'):
        fail("the damaged table was overwritten")
    player = QuickPlayer(browser, work)
    if player.drawn()[0] != "verdeckt" or (player.click_cell(0), player.cards[0])[1] == "verdeckt":
        fail("after a damaged table from another tab the cards do not turn")
    print("a damaged table stored in another tab, twice: said in the error box once each time, kept as it was; "
          "the game goes on")


# --- Keys alone, and what a screen reader is told ---------------------------------------------------------------

AXE = pathlib.Path(__file__).resolve().parent / "node_modules/axe-core/axe.min.js"
# The keys the scenario presses, with what a browser reports for each.
KEY_CODES = {"ArrowLeft": ("ArrowLeft", 37), "ArrowUp": ("ArrowUp", 38), "ArrowRight": ("ArrowRight", 39),
             "ArrowDown": ("ArrowDown", 40), "Home": ("Home", 36), "End": ("End", 35), "Enter": ("Enter", 13),
             "Tab": ("Tab", 9), "Escape": ("Escape", 27), " ": ("Space", 32)}
ALT = 1


def press_key(browser, key, code=None, modifiers=0):
    """One key pressed and let go, as the keyboard sends it: a letter's key and code may differ (a Mac's Option
    key turns G into "©")."""
    if key in KEY_CODES:
        code, virtual = KEY_CODES[key]
    else:
        code = code or "Key" + key.upper()
        virtual = ord(code[-1])
    text = {"Enter": "\r", " ": " "}.get(key, key if len(key) == 1 and not modifiers else "")
    down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code, "windowsVirtualKeyCode": virtual,
            "modifiers": modifiers}
    if text:
        down["text"] = text
    browser.cdp("Input.dispatchKeyEvent", down)
    browser.cdp("Input.dispatchKeyEvent", {"type": "keyUp", "key": key, "code": code,
                                           "windowsVirtualKeyCode": virtual, "modifiers": modifiers})


def type_text(browser, text):
    for letter in text:
        browser.cdp("Input.insertText", {"text": letter})


class Spoken:
    """The page as its accessibility tree gives it to a screen reader: each node's role, name and states."""

    def __init__(self, browser, board=desktop.FULL):
        self.nodes = browser.cdp("Accessibility.getFullAXTree")["nodes"]
        self.board = board

    @staticmethod
    def name(node):
        return node.get("name", {}).get("value", "")

    @staticmethod
    def states(node):
        return {p["name"]: p["value"].get("value") for p in node.get("properties", [])}

    def focused(self):
        found = [n for n in self.nodes if self.states(n).get("focused") and not n.get("ignored")]
        return found[-1] if found else None

    def cards(self):
        """Position -> what the card says it shows ("verdeckt", "leer" or its picture's name)."""
        cards = {}
        for node in self.nodes:
            spoken = re.fullmatch(r"Reihe (\d+), Spalte (\d+): (.+)", self.name(node))
            if spoken and node.get("role", {}).get("value") == "button":
                cards[(int(spoken[1]) - 1) * self.board.columns + int(spoken[2]) - 1] = spoken[3]
        return cards

    def text(self, node):
        """The words inside a node, as a screen reader reads them out."""
        by_id = {n["nodeId"]: n for n in self.nodes}
        if node.get("role", {}).get("value") == "StaticText":
            return self.name(node)
        return " ".join(filter(None, (self.text(by_id[c]) for c in node.get("childIds", []) if c in by_id)))

    def status(self):
        """What the page's status says: the attempt count, under its label."""
        found = [n for n in self.nodes if n.get("role", {}).get("value") == "status"]
        return self.text(found[0]) if found else None

    def live(self, whole=False):
        """What the polite live region holds: the last announcement, whole with what makes the same words a
        change."""
        for node in self.nodes:
            if self.states(node).get("live") == "polite" and self.states(node).get("atomic") is not True:
                said = "".join(self.name(n) for n in self.nodes if n.get("parentId") == node["nodeId"])
                return said if whole else said.strip()
        return None


def next_cell(cells, start, key, board=desktop.FULL):
    """Where a player expects the focus to go, the grid keeping its shape and empty cells skipped: Left and Right
    the next card in reading order; Up and Down the next card straight along the column, else the card nearest to
    the column in the next row that holds one; Home and End the row's first and last card; nowhere when there is
    none."""
    columns, rows = board.columns, board.rows
    row, column = divmod(start, columns)
    holds = lambda p: cells[p] != "leer"  # noqa: E731
    ways = {"ArrowLeft": range(start - 1, -1, -1), "ArrowRight": range(start + 1, board.cells),
            "ArrowUp": range(start - columns, -1, -columns), "ArrowDown": range(start + columns, board.cells, columns),
            "Home": range(row * columns, row * columns + columns),
            "End": range(row * columns + columns - 1, row * columns - 1, -1)}
    found = next((p for p in ways[key] if holds(p)), None)
    if found is None and key in ("ArrowUp", "ArrowDown"):
        for r in (range(row - 1, -1, -1) if key == "ArrowUp" else range(row + 1, rows)):
            near = sorted((abs(c - column), c) for c in range(columns) if holds(r * columns + c))
            if near:
                return r * columns + near[0][1]
    return found


class KeyboardPlayer(PageOnScreen):
    """The desktop tests' player, told the cards by the accessibility tree and playing with keys alone: it moves
    the focus over the grid with the arrows, Home and End, turns the focused card with Enter (or Space), and
    checks after every key that the focus is where a player expects it and never on an empty cell, and after every
    card what the live region says: the first card's face, the turn's outcome with the count, which the player
    keeps itself, and at the finish the last pair and the count, then FERTIG!! and `finish`, the prompt."""

    def __init__(self, browser, finish, on_failed_pair=None, board=desktop.FULL, own=False):
        super().__init__(browser, None)
        self.board, self.own, self.seen = board, own, set()
        self.finish = finish
        self.on_failed_pair = on_failed_pair
        self.first = None  # the open turn's first card
        self.attempts = 0
        self.presses = 0
        self.tree = None  # the accessibility tree as the last key left it

    def read(self):
        self.tree = Spoken(self.browser, self.board)
        return self.tree

    def drawn(self):
        return self.read().cards()

    def picture(self, cards, p):
        return cards[p]

    def shot(self, keep=None):
        return self.drawn()

    @staticmethod
    def focus(tree):
        node = tree.focused()
        spoken = node and re.fullmatch(r"Reihe (\d+), Spalte (\d+): (.+)", Spoken.name(node))
        if not spoken:
            fail(f"the focus is not on a card but on {node and Spoken.name(node)!r}")
        return (int(spoken[1]) - 1) * tree.board.columns + int(spoken[2]) - 1

    def go_to(self, target):
        """The fewest keys from the focused card to target, each checked as it lands."""
        tree = self.tree or self.read()
        cells = tree.cards()
        start = self.focus(tree)
        paths = {start: []}
        queue = [start]
        while queue and target not in paths:
            at = queue.pop(0)
            for key in ("ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown", "Home", "End"):
                landing = next_cell(cells, at, key, self.board)
                if landing is not None and landing not in paths:
                    paths[landing] = paths[at] + [(key, landing)]
                    queue.append(landing)
        if target not in paths:
            fail(f"no keys lead from card {start} to card {target}")
        for key, landing in paths[target]:
            press_key(self.browser, key)
            tree = self.read()
            if self.focus(tree) != landing:
                fail(f"{key} from card {start} took the focus to card {self.focus(tree)}, not to card {landing}")
            if tree.cards()[landing] == "leer":
                fail(f"{key} took the focus onto the empty cell {landing}")
            start = landing

    def click_cell(self, p):
        self.go_to(p)
        # Wherever the keys have been on the cards, the grid stays one tab stop.
        if self.presses % 4 == 3:
            one_tab_stop(self.browser, self.board)
        # Enter and Space both turn a card, as a click does.
        self.presses += 1
        press_key(self.browser, "Enter" if self.presses % 2 else " ")
        self.keep_emptied()
        tree = self.read()
        cards, said = tree.cards(), tree.live()
        if self.first is None:
            self.first, self.first_name = p, cards[p]
            self.seen.add(cards[p])
            if said != cards[p]:
                fail(f"the first card of a turn, {cards[p]!r}, was announced as {said!r}")
            return
        first, self.first = self.first, None
        self.attempts += 1
        count = f"Versuche: {self.attempts}"
        if tree.status() != count:
            fail(f"the status reads {tree.status()!r}, not {count!r}")
        if cards[p] != "leer":
            expected = f"{cards[first]} und {cards[p]}: kein Paar. {count}"
            if said != expected:
                fail(f"a failed pair was announced as {said!r}, not {expected!r}")
            if self.on_failed_pair:
                self.on_failed_pair()
                self.on_failed_pair = None
            return
        ending = " FERTIG!! " + self.finish if set(cards.values()) == {"leer"} else ""
        # An own deck's picture has no plural: its pair is said by its name, twice.
        pair = f"Zweimal {re.escape(self.first_name)}" if self.own else "Zwei .+"
        if not re.fullmatch(f"{pair}: ein Paar\\. {count}\\.{re.escape(ending)}" if ending else
                            f"{pair}: ein Paar\\. {count}", said or ""):
            fail(f"a found pair was announced as {said!r}")
        if ending:
            return
        # The focus stays where the pair was; Enter there again turns nothing and counts nothing.
        if self.focus(tree) != p:
            fail(f"the focus left the cell of the pair that just left for card {self.focus(tree)}")
        press_key(self.browser, "Enter")
        tree = self.read()
        if tree.status() != count or tree.cards()[p] != "leer":
            fail("Enter on the cell of a pair that just left counted or turned something")

    def turned(self, p, back):
        return wait_until(lambda: (lambda c: c if c[p] != back else None)(self.drawn()), f"card {p} did not turn")


def audit(browser, state, sizes=((WIDTH, HEIGHT, 1, False), (390, 844, 2, True))):
    """axe-core over the page as it stands, at a desktop's size and at a phone's. It reads the style sheets the page
    has already applied (preload: false): fetching them again is a connection the page's policy refuses."""
    found = []
    for width, height, ratio, mobile in sizes:
        browser.cdp("Emulation.setDeviceMetricsOverride",
                    {"width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile})
        browser.script(AXE.read_text())
        result = browser.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document, {resultTypes: ['violations'], preload: false}).then((r) => done(r.violations.map("
            "(v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '))))")
        found += [f"{state} at {width} x {height}: {v}" for v in result]
    browser.prepare_screen()
    if found:
        fail("axe-core found: " + " | ".join(found))
    print(f"axe-core: no violation {state}, at {WIDTH} x {HEIGHT} and at 390 x 844")


def scenario_keyboard(browser, work, page):
    browser.cdp("Accessibility.enable")
    browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": HOLD})
    browser.open((page / "index.html").as_uri())
    audit(browser, "at the start")
    # Tab goes MIX IT, END IT, then the cards, the name entry and Save being hidden.
    stops = []
    for _ in range(3):
        press_key(browser, "Tab")
        stops.append(Spoken.name(Spoken(browser).focused()))
    if stops != ["MIX IT", "END IT", "Reihe 1, Spalte 1: verdeckt"]:
        fail(f"Tab reaches {stops}, not MIX IT, END IT and then the cards")
    prompt = "Namen f\u00fcr die Highsorce noch schnell eingeben:"
    player = KeyboardPlayer(browser, prompt, on_failed_pair=lambda: audit(browser, "with a failed pair open"))
    attempts = desktop.play(player, None)
    if browser.text("lbl_Count") != str(attempts) or not browser.visible("lbl_ferdisch"):
        fail(f"after {attempts} attempts by keys the count shows {browser.text('lbl_Count')}")
    if Spoken.name(Spoken(browser).focused()) != prompt:
        fail("the focus did not move from the emptied cards to the name entry")
    print(f"all 32 pairs found by keys in {attempts} attempts, every face read from the accessibility tree, every "
          f"turn heard with its count; the last pair, Versuche: {attempts}, then FERTIG!! and the prompt heard; "
          "the focus in the name entry")
    audit(browser, "at the finish with the name entry")
    name = "<b>Ada & Bo</b>"
    type_text(browser, name)
    browser.script("sessionStorage.setItem('full', 'yes')")
    press_key(browser, "s", modifiers=ALT)
    error_box(browser)
    if Spoken.name(Spoken(browser).focused()) != "OK":
        fail("the error box did not take the focus")
    dialog = [n for n in Spoken(browser).nodes if n.get("role", {}).get("value") == "alertdialog"]
    if not dialog or Spoken.name(dialog[0]) != "Pairfinder":
        fail("the error box is not an alert dialog named Pairfinder")
    audit(browser, "with the error box open")
    press_key(browser, "Enter")
    wait_until(lambda: not browser.script("return document.getElementById('ErrorBox').open"), "OK did not close the box")
    if browser.script("return document.activeElement.id") != "edt_Name":
        fail("after the error box the focus is not back in the name entry, where Alt+S left it")
    browser.script("sessionStorage.setItem('full', 'no')")
    press_key(browser, "Tab")
    if Spoken.name(Spoken(browser).focused()) != "Save":
        fail("Tab from the name entry does not reach Save")
    press_key(browser, "Enter")
    wait_until(lambda: not browser.visible("edt_Name"), "Enter on Save did not save and deal anew")
    print("a full storage: an alert dialog, the focus back in the name entry after OK; Tab, Enter on Save saved")
    # The Highscore menu by keys: Alt+H, then the arrows; what each line says, as text.
    press_key(browser, "h", modifiers=ALT)
    wait_until(lambda: browser.visible("Highscore1"), "Alt+H did not open the Highscore menu")
    if browser.node("Highscore1-title").get_attribute("aria-expanded") != "true":
        fail("the open Highscore menu's title does not say it is expanded")
    lines = []
    for _ in range(3):
        lines.append(Spoken.name(Spoken(browser).focused()))
        press_key(browser, "ArrowDown")
    # One result stands on the middle line; the empty lines are passed over.
    expected = f"1. {name} mit {attempts} Versuchen"
    if lines != [expected] * 3:
        fail(f"the Highscore menu reads {lines} by keys, not {expected!r} alone")
    press_key(browser, "Escape")
    wait_until(lambda: not browser.visible("Highscore1"), "Escape did not close the menu")
    print(f"the Highscore menu read by keys: {expected}")
    # A Mac's Option+G types "©": the key's place on the keyboard still opens the Game menu.
    press_key(browser, "\u00a9", code="KeyG", modifiers=ALT)
    wait_until(lambda: browser.visible("Game1"), "Option+G did not open the Game menu")
    press_key(browser, "Escape")
    # Forced colours (Windows' high contrast): the cards keep an outline and the focused one its ring.
    browser.cdp("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
    for _ in range(3):
        press_key(browser, "Tab")
    outlines = browser.script("const c = [...document.querySelectorAll('.cell')].map((n) => getComputedStyle(n));"
                              "return [c[1].outlineStyle, document.activeElement.id,"
                              "getComputedStyle(document.activeElement).outlineWidth]")
    if outlines[0] == "none" or not outlines[1].startswith("Image") or float(outlines[2][:-2]) < 2:
        fail(f"under forced colours the cards' outline and focus ring are {outlines}")
    browser.cdp("Emulation.setEmulatedMedia", {"features": []})
    print("forced colours keep the cards' outlines and a focus ring of at least 2 px")
    menus_give_focus_back(browser)
    choices_by_mouse(browser, work)
    tab_to_cards(browser)
    boards_by_keys(browser, work, prompt)
    press_key(browser, "e")
    wait_until(lambda: browser.visible("Ended"), "E did not end the game")
    if Spoken.name(Spoken(browser).focused()) != "MIX IT":
        fail("the ended screen's button, MIX IT, does not have the focus")
    audit(browser, "on the ended screen")
    if browser.script("return scrollX || scrollY"):
        fail("the keys scrolled the page")

CTRL = 2


def focused_name(browser):
    """What a screen reader says of the focused element; empty when the focus has left the page."""
    node = Spoken(browser).focused()
    return Spoken.name(node) if node else ""


def menus_give_focus_back(browser):
    """Every menu of the bar and every submenu, opened by keys from a card and left with Escape: the focus goes back
    one level at a time, to the submenu's item and then to the card."""
    card = focused_name(browser)
    for letter, menu in (("g", "Game1"), ("a", "Ansicht1"), ("h", "Highscore1")):
        press_key(browser, letter, modifiers=ALT)
        wait_until(lambda: browser.visible(menu), f"Alt+{letter.upper()} did not open {menu}")
        press_key(browser, "Escape")
        if browser.visible(menu) or focused_name(browser) != card:
            fail(f"Escape from {menu} left the focus on {focused_name(browser)!r}, not on {card!r}")
    for down, submenu in enumerate(("Deckblatt", "Spieldeck", "Spielfeld")):
        press_key(browser, "a", modifiers=ALT)
        for _ in range(down):
            press_key(browser, "ArrowDown")
        press_key(browser, "ArrowRight")
        wait_until(lambda: browser.visible(submenu), f"ArrowRight did not open {submenu}")
        press_key(browser, "Escape")
        if browser.visible(submenu) or focused_name(browser) != submenu:
            fail(f"Escape from the {submenu} submenu left the focus on {focused_name(browser)!r}")
        press_key(browser, "Escape")
        if browser.visible("Ansicht1") or focused_name(browser) != card:
            fail(f"Escape from Ansicht after {submenu} left the focus on {focused_name(browser)!r}, not on {card!r}")
    print(f"Escape from every menu and submenu gives the focus back, level by level, to {card!r}")


def choose_board_by_keys(browser, board):
    """Ansicht, Spielfeld (from its last item up) and the board's item, by keys alone."""
    press_key(browser, "a", modifiers=ALT)
    wait_until(lambda: browser.visible("Ansicht1"), "Alt+A did not open the Ansicht menu")
    press_key(browser, "End")
    for _ in range(3):
        if focused_name(browser) != "Spielfeld":
            press_key(browser, "ArrowUp")
    press_key(browser, "ArrowRight")
    for _ in range(board.number - 1):
        press_key(browser, "ArrowDown")
    if focused_name(browser) != board.caption:
        fail(f"the Spielfeld submenu's item {board.number} reads {focused_name(browser)!r}")
    press_key(browser, "Enter")
    wait_until(lambda: not browser.visible("Ansicht1"), f"choosing {board.caption} did not close the menu")


def check_board_by_ear(browser, board):
    """The grid a screen reader finds: the board's rows, each of its columns' cards named by row and column, and
    one tab stop, which Tab leaves in one press and Shift+Tab comes back to."""
    tree = Spoken(browser, board)
    by_id = {n["nodeId"]: n for n in tree.nodes}

    def names_under(node):
        named = re.fullmatch(r"Reihe (\d+), Spalte (\d+): .+", Spoken.name(node))
        below = [names_under(by_id[c]) for c in node.get("childIds", []) if c in by_id]
        return ([(int(named[1]), int(named[2]))] if named and node["role"]["value"] == "button" else []) + \
            [cell for cells in below for cell in cells]
    rows = [sorted(names_under(n)) for n in tree.nodes if n.get("role", {}).get("value") == "row" and
            not n.get("ignored")]
    expected = [[(r, c) for c in range(1, board.columns + 1)] for r in range(1, board.rows + 1)]
    counts = browser.script("const g = document.getElementById('Cards');"
                            "return [g.getAttribute('aria-rowcount'), g.getAttribute('aria-colcount')]")
    if rows != expected or counts != [str(board.rows), str(board.columns)]:
        fail(f"on {board.caption} the grid's rows hold {rows}, its counts {counts}")
    if not re.fullmatch(r"Reihe \d+, Spalte \d+: .+", focused_name(browser)):
        fail(f"after {board.caption} was chosen the focus is on {focused_name(browser)!r}, not on a card")
    one_tab_stop(browser, board)


def one_tab_stop(browser, board):
    """The cards are one tab stop: Tab leaves them in one press, and Tab round the page comes back to the card."""
    card = focused_name(browser)
    press_key(browser, "Tab")
    if re.fullmatch(r"Reihe .+", focused_name(browser)):
        fail(f"on {board.caption} Tab from {card!r} stayed on the cards: {focused_name(browser)!r}")
    tab_to_cards(browser)
    if focused_name(browser) != card:
        fail(f"on {board.caption} Tab round the page came back to {focused_name(browser)!r}, not to {card!r}")


def tab_to_cards(browser):
    for _ in range(5):
        if re.fullmatch(r"Reihe .+", focused_name(browser)):
            return
        press_key(browser, "Tab")
    fail(f"Tab does not reach the cards; the focus is on {focused_name(browser)!r}")


def stored_values(browser, key):
    """The values of a key as the page stored it, but the chosen board."""
    text = browser.script("return localStorage.getItem(arguments[0])", key) or ""
    return [line for line in text.splitlines() if line.startswith('"') and not line.startswith('"iPaare"')]


def boards_by_keys(browser, work, prompt):
    """Every board chosen by keys, each laid out for a screen reader, its choice heard, also when the same board is
    chosen twice in a row, and checked alone in the Spielfeld menu; 4 and 18 pairs (the second time) played whole by
    keys, saved by keys and read in the Highscore menu by keys under its heading; 8 pairs, before its choice by keys,
    chosen by mouse and played whole by clicks where the window has its cards, saved by mouse and read in the menu by
    mouse, its one result on the middle line. Each result in its board's own table, the full board's untouched."""
    full = stored_values(browser, ITEM)
    for board in desktop.BOARDS[:3] + (desktop.BOARDS[2], desktop.FULL):
        if board.pairs == 8:
            choose_board(browser, board)
            if checked(browser, "Feld") != [k == board.number for k in range(1, 5)]:
                fail(f"after {board.caption} were chosen by mouse the Spielfeld menu's marks are "
                     f"{checked(browser, 'Feld')}")
            player = PageOnScreen(browser, work)
            player.board = board
            _, attempts = play_and_finish(browser, work, player)
            name = f"Ada {board.pairs}"
            browser.node("edt_Name").clear()
            save(browser, player, name)
            wait_until(lambda: not browser.visible("edt_Name"), f"Save on {board.caption} did not save")
            # A table of one result shows it on the middle line, the others empty.
            lines = highscore_menu(browser, ("Tabelle1", "Erster", "Zweiter", "Dritter"))
            saved_into_own_table(browser, board, name, attempts, full, lines, ["", "1.", ""], "by clicks")
            tab_to_cards(browser)
        before = Spoken(browser).live(whole=True)
        choose_board_by_keys(browser, board)
        # The accessibility tree follows the page a moment later on a loaded machine.
        deadline = time.monotonic() + DEADLINE
        while (said := Spoken(browser).live(whole=True)) == before and time.monotonic() < deadline:
            time.sleep(SETTLE)
        if said.strip() != f"Neues Spiel: {board.caption}" or said == before or browser.text("lbl_Count") != "0" or \
                checked(browser, "Feld") != [k == board.number for k in range(1, 5)]:
            fail(f"choosing {board.caption} after {before!r} was heard as {said!r}, with "
                 f"{browser.text('lbl_Count')} attempts, the Spielfeld menu's marks {checked(browser, 'Feld')}")
        check_board_by_ear(browser, board)
        # The small board, and the one chosen twice once it is heard the second time, are played.
        if board.pairs != 4 and not (board.pairs == 18 and said.strip() == before.strip()):
            continue
        attempts = desktop.play(KeyboardPlayer(browser, prompt, board=board), None)
        # The name entry keeps the last name typed, which the new one replaces.
        name = f"Eve {board.pairs}"
        press_key(browser, "a", modifiers=CTRL)
        type_text(browser, name)
        press_key(browser, "s", modifiers=ALT)
        wait_until(lambda: not browser.visible("edt_Name"), "Alt+S did not save")
        press_key(browser, "h", modifiers=ALT)
        lines = [focused_name(browser), press_key(browser, "ArrowDown") or focused_name(browser)]
        press_key(browser, "Escape")
        saved_into_own_table(browser, board, name, attempts, full, lines, ["1."], "by keys")
        tab_to_cards(browser)
    print("every board chosen by keys is heard, the same one twice heard twice, checked alone in the Spielfeld menu, "
          "laid out in its rows and columns for a screen reader, one tab stop")


def saved_into_own_table(browser, board, name, attempts, full, lines, places, how):
    """The result saved on the board in play is the first of its own table, the full board's table is as it was,
    and the Highscore menu's `lines` read the board's heading above `places`, the first place's the result."""
    own = stored_values(browser, f"{ITEM}\\{board.caption}")
    if own[:3] != [f'"sErster"="{name}"', '"sZweiter"=" "', '"sDritter"=" "'] or \
            own[3:] != [f'"iErster"=dword:{attempts:08x}', '"iZweiter"=dword:ffffffff', '"iDritter"=dword:ffffffff'] \
            or stored_values(browser, ITEM) != full:
        fail(f"the result on {board.caption} was stored as {own}, the full board's table became "
             f"{stored_values(browser, ITEM)} from {full}")
    expected = [f"Spielfeld: {board.caption}"] + [f"1. {name} mit {attempts} Versuchen" if p else "" for p in places]
    if lines != expected:
        fail(f"the Highscore menu on {board.caption} reads {lines}, not {expected}")
    print(f"{board.caption} played whole {how} in {attempts} attempts, the result stored in its own table and read "
          f"under the menu's heading: {lines}; the full board's table untouched")


def checked(browser, stem):
    """Which of the four items of a menu whose items' ids are stem1 to stem4 are checked."""
    return [browser.node(f"{stem}{k}").get_attribute("aria-checked") == "true" for k in range(1, 5)]


# Decodes of the pictures whose addresses hold one of window.holdPictures wait until the test releases them.
HOLD = """
window.held = [];
const decode = HTMLImageElement.prototype.decode;
HTMLImageElement.prototype.decode = function () {
    if ((window.holdPictures || []).some((part) => this.src.includes(part)))
        return new Promise((resolve) => window.held.push({ src: this.src, resolve }));
    return decode.call(this);
};
"""


def choices_by_mouse(browser, work):
    """A back and a face set chosen by mouse: each menu checks its chosen item alone; and of two pictures asked for
    in a row the later stays, however late the earlier one's decoding ends."""
    def choose(menu, submenu, item):
        browser.node(f"{menu}-title").click()
        browser.node(f"{submenu}-title").click()
        browser.node(item).click()
        wait_until(lambda: not browser.visible(menu), f"choosing {item} did not close the menu")

    # Each choice checks its item and clears the others of its own menu, and leaves the other menu alone.
    for chosen, stem, other, expected_other in (("Blatt3", "Blatt", "Deck", [True, False, False, False]),
                                                 ("Deck2", "Deck", "Blatt", [False, False, True, False]),
                                                 ("Blatt1", "Blatt", "Deck", [False, True, False, False])):
        choose("Ansicht1", "Deckblatt" if stem == "Blatt" else "Spieldeck", chosen)
        number = int(chosen[len(stem):])
        if checked(browser, stem) != [k == number for k in range(1, 5)] or checked(browser, other) != expected_other:
            fail(f"after choosing {chosen} the check marks are {checked(browser, 'Blatt')} and "
                 f"{checked(browser, 'Deck')}")
    print("a chosen back or face set is checked alone in its menu; the other menu keeps its mark")

    # The faces of set 3, decoded only when the test says so: a face asked for, then turned back before its
    # decoding ends, must stay turned back once the decoding does end.
    browser.script("window.holdPictures = ['/faces3/' ]")
    choose("Ansicht1", "Spieldeck", "Deck3")
    player = PageOnScreen(browser, work)

    def label(p):
        return browser.script(f"return document.getElementById('Image{p + 1}').getAttribute('aria-label')")

    # Two cards that do not pair, so that both stay open until a third card turns them back.
    positions = iter(range(desktop.CELLS))
    while True:
        first, second = next(positions), next(positions)
        back = browser.script(f"return document.querySelector('#Image{first + 1} img').getAttribute('src')")
        player.click_cell(first)
        player.click_cell(second)
        if not label(first).endswith("leer"):
            break
    third = next(positions)
    player.click_cell(third)
    wait_until(lambda: label(first).endswith("verdeckt"), "the third card did not turn the first two back")
    held = browser.script("return window.held.length")
    if held < 3:
        fail(f"only {held} decodes were held; the test holds nothing")
    browser.script("window.holdPictures = []; window.held.forEach((h) => h.resolve()); window.held = []")
    time.sleep(SETTLE)
    shown = browser.script(f"return document.querySelector('#Image{first + 1} img').getAttribute('src')")
    if shown != back:
        fail(f"the first card shows {shown} after its late decode ended, not its back {back}")
    if "/faces3/" not in browser.script(f"return document.querySelector('#Image{third + 1} img').src"):
        fail("the third card does not show its face once the decodes ended")
    print("a face whose decoding ended after the card was turned back stays hidden; the later picture wins")


def fonts_come(browser):
    """The fonts' style sheet applied: it is asked for once the game's script is in, and may come after the game
    is ready."""
    wait_until(lambda: browser.script("return [...document.styleSheets].some((s) => s.href && "
                                      "s.href.endsWith('fonts.css'))"), "the fonts' style sheet did not come")


def scenario_desktop(browser, work, page, program):
    browser.open((page / "index.html").as_uri())
    fonts_come(browser)
    faked = browser.script(FACES_SHOWN)
    if faked:
        fail("these texts are drawn in a face the page does not carry: " + "; ".join(faked))
    print("every text is drawn in a face the page carries")
    # The full board as a player who never chose sees it, then two smaller boards, chosen in the page and, by keys,
    # in the one run of the program.
    (work / "window").mkdir()
    screen, player = desktop.Screen(), None
    try:
        player = desktop.Player(desktop.Linux(program, work / "window"), screen).open()
        for board in (desktop.FULL, desktop.BOARDS[0], desktop.BOARDS[2]):
            if board != desktop.FULL:
                choose_board(browser, board)
                player.choose_by_keys(board)
            shown = browser.screenshot().crop((0, 0, WIDTH, HEIGHT))
            player.shows_board(player.drawn())
            player.shot(keep=work / "desktop.png")
            compare(shown, Image.open(work / "desktop.png").convert("RGB"), work, board)
    finally:
        if player:
            player.close()
        screen.close()


def compare(shown, window, work, board):
    """Every control of the page where the desktop window has it, within two pixels: the panels, the buttons,
    the menu bar's titles and the board's cards at its corners and in its middle."""
    shown.save(work / "page.png")
    cells = {f"Image{p + 1}": _cell_region(board, p) for p in
             sorted({0, board.columns - 1, board.rows // 2 * board.columns + board.columns // 2 - 1,
                     board.cells - board.columns, board.cells - 1})}
    wrong = []
    for name, region in {**cells, **REGIONS}.items():
        mine, theirs = extent(shown, region), extent(window, region)
        if mine is None or theirs is None or max(abs(a - b) for a, b in zip(mine, theirs)) > 2:
            wrong.append(f"{name}: page {mine}, desktop {theirs}")
    if wrong:
        kept = pathlib.Path(os.environ.get("PAIRFINDER_TEST_OUTPUT", tempfile.gettempdir()))
        for picture in ("desktop.png", "page.png"):
            shutil.copyfile(work / picture, kept / f"window-{picture}")
        fail(f"on {board.caption} the page's controls are not where the desktop's are: " + "; ".join(wrong) +
             f" (the two pictures are in {kept}, window-desktop.png and window-page.png)")
    print(f"{board.caption}: all {len(cells) + len(REGIONS)} controls lie where the desktop window has them, "
          "within two pixels")


# Where the window's controls show, as window coordinates (the menu bar included) with room round each: what
# the page and the desktop draw inside must begin and end at the same pixels.
def _cell_region(board, p):
    x, y = board.origin(p)
    return (x - 4, y + 18 - 4, x + board.side + 4, y + 18 + board.side + 4)


REGIONS = {
    "Panel2 with Versuche: and 0": (588, 166, 725, 255),
    "Panel1 with the buttons and the logo": (588, 342, 725, 591), "btn_Mix": (604, 366, 714, 408),
    "Image65": (604, 430, 714, 520), "btn_End": (604, 526, 714, 568), "Versuche:": (604, 172, 710, 204),
    "0": (660, 208, 700, 240), "the menu bar's titles": (0, 0, 200, 16),
}


def extent(picture, region):
    """The box of what is drawn inside region on the window's background colour: left, top, right, bottom."""
    part = picture.crop(region)
    background = Image.new("RGB", part.size, (239, 239, 239))
    difference = ImageChops.difference(part, background).convert("L").point(lambda v: 255 if v > 24 else 0)
    box = difference.getbbox()
    return None if box is None else (box[0] + region[0], box[1] + region[1], box[2] + region[0], box[3] + region[1])


# Every text of the page with the face it is drawn in, hidden ones too (the outcome, the menus, the error box):
# the first family of its list that the page carries must be there in its weight and style, or the browser
# fakes it.
FACES_SHOWN = """
const carried = new Map();
for (const face of document.fonts) carried.set(face.family.replace(/"/g, ''), (carried.get(face.family.replace(/"/g, '')) || []).concat([face]));
const wrong = new Set();
for (const node of document.querySelectorAll('body *')) {
    if (![...node.childNodes].some((child) => child.nodeType === 3 && child.textContent.trim())) continue;
    const style = getComputedStyle(node);
    const family = style.fontFamily.split(',').map((f) => f.trim().replace(/"/g, '')).find((f) => carried.has(f));
    const weight = Number(style.fontWeight) >= 600 ? '700' : '400';
    const faces = family ? carried.get(family) : [];
    if (!faces.some((face) => face.weight === weight && face.style === style.fontStyle))
        wrong.add((node.id || node.className) + ': ' + style.fontFamily + ' ' + weight + ' ' + style.fontStyle);
}
return [...wrong];
"""

def own_photos(folder):
    """The player's photos, each a picture of its own: a camera's name that offers none, one stored on its side with
    EXIF orientation 6 (upright, red above blue), a copy of another, a JPEG cut off and a file that is no picture."""
    folder.mkdir()
    for number, (name, colour) in enumerate((("Oma im Garten.jpg", (200, 160, 40)), ("IMG_4711.jpg", (40, 160, 200)),
                                             ("Hund Bello.png", (60, 180, 60)), ("Haus am See.jpg", (150, 60, 160)))):
        picture = Image.new("RGB", (320, 200), colour)
        picture.paste((255, 255, 255), (20 + 40 * number, 20, 80 + 40 * number, 80))
        picture.save(folder / name)
    upright = Image.new("RGB", (300, 400), (220, 0, 0))
    upright.paste((0, 0, 220), (0, 200, 300, 400))
    exif = Image.Exif()
    exif[0x0112] = 6
    upright.rotate(90, expand=True).save(folder / "Opa am Meer.jpg", exif=exif)
    shutil.copy(folder / "Oma im Garten.jpg", folder / "Oma Kopie.jpg")
    whole = (folder / "Haus am See.jpg").read_bytes()
    (folder / "abgeschnitten.jpg").write_bytes(whole[:len(whole) // 2])
    (folder / "Notizen.jpg").write_text("Einkaufen: Milch, Brot\n")
    return [folder / name for name in ("Oma im Garten.jpg", "IMG_4711.jpg", "abgeschnitten.jpg", "Opa am Meer.jpg",
                                       "Notizen.jpg", "Hund Bello.png", "Oma Kopie.jpg", "Haus am See.jpg")]


def choose_photos(browser, photos):
    """The photos chosen in the page's file chooser, once the form has read them all. The browser is on this machine:
    the paths are its own."""
    browser.driver.file_detector = UselessFileDetector()
    browser.node("DeckFiles").send_keys("\n".join(str(photo) for photo in photos))
    wait_until(lambda: browser.script("const d = document.getElementById('Composer');"
                                      "return d.open && document.getElementById('ComposerProgress').hidden"),
               "the form did not read the photos")


def form_fields(browser):
    """Each field of the form as a screen reader finds it: its name, what it holds, what describes it and whether it
    is marked wrong."""
    fields = [n for n in Spoken(browser).nodes if n.get("role", {}).get("value") == "textbox"
              and Spoken.name(n).startswith("Name für Bild")]
    return [(Spoken.name(n), n.get("value", {}).get("value", ""), n.get("description", {}).get("value", ""),
             Spoken.states(n).get("invalid") not in (None, "false")) for n in fields]


# The kept deck in the page's database: its names file, its pictures' keys and their bytes in base64; with
# arguments[0], the first picture deleted.
KEPT = """const done = arguments[arguments.length - 1];
const damage = arguments[0];
const request = indexedDB.open('pairfinder');
const base64 = (buffer) => {
    const bytes = new Uint8Array(buffer);
    let text = '';
    for (let i = 0; i < bytes.length; i += 4096) text += String.fromCharCode(...bytes.subarray(i, i + 4096));
    return btoa(text);
};
request.onsuccess = () => {
    const reading = request.result.transaction(['deck', 'pictures'], damage ? 'readwrite' : 'readonly');
    const names = reading.objectStore('deck').get('names');
    const keys = reading.objectStore('pictures').getAllKeys();
    const pictures = reading.objectStore('pictures').getAll();
    keys.onsuccess = () => { if (damage) reading.objectStore('pictures').delete(keys.result[0]); };
    reading.oncomplete = () => {
        request.result.close();
        done([names.result || '', keys.result, pictures.result.map(base64)]);
    };
};"""


def kept_deck(browser):
    """The kept deck: its name, its pictures' names in order and each one's bytes, found by the names file."""
    names, keys, pictures = browser.driver.execute_async_script(KEPT, False)
    deck = json.loads(names)
    by_key = dict(zip(keys, (base64.b64decode(p) for p in pictures)))
    return deck["name"], [p["name"] for p in deck["pictures"]], [by_key.get(p["file"]) for p in deck["pictures"]]


def pick_item(browser, *path):
    """A menu item pressed with the mouse where it shows, through the menus that lead to it."""
    for name in path:
        wait_until(lambda: browser.visible(name), f"{name} did not show")
        browser.node(name).click()


def deck_file(path, deck_name, pictures):
    """A deck file as another player's program writes one: the names file, then each picture (name, JPEG bytes)."""
    entries = [{"file": f"bild{i + 1}.jpg", "name": name} for i, (name, _) in enumerate(pictures)]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("names.json", json.dumps({"format": 1, "name": deck_name, "pictures": entries},
                                                  ensure_ascii=False))
        for entry, (_, jpeg) in zip(entries, pictures):
            archive.writestr(entry["file"], jpeg)


def jpeg_of(colour, side=240):
    picture = Image.new("RGB", (side, side), colour)
    picture.paste((255, 255, 255), (side // 4, side // 4, side // 2, side // 2))
    out = io.BytesIO()
    picture.save(out, "JPEG", quality=85)
    return out.getvalue()


def drop_file(browser, path):
    """A file dragged from the desktop and dropped onto the middle of the cards."""
    for kind in ("dragEnter", "dragOver", "drop"):
        browser.cdp("Input.dispatchDragEvent", {"type": kind, "x": 200, "y": 200, "data": {
            "items": [], "files": [str(path)], "dragOperationsMask": 1}})


def scenario_own_deck(browser, work, page):
    browser.cdp("Accessibility.enable")
    browser.open((page / "index.html").as_uri())
    photos = own_photos(work / "photos")
    # Chosen with no deck kept, Eigenes Deck opens the chooser; the test hands it the photos.
    browser.cdp("Page.setInterceptFileChooserDialog", {"enabled": True})
    if browser.script("return document.getElementById('Speichern1').getAttribute('aria-disabled')") != "true":
        fail("with no deck kept, the item that saves it can be chosen")
    tab_to_cards(browser)
    card = focused_name(browser)
    press_key(browser, "a", modifiers=ALT)
    press_key(browser, "ArrowDown")
    press_key(browser, "ArrowRight")
    while focused_name(browser) != "Eigenes Deck":
        press_key(browser, "ArrowDown")
    press_key(browser, "Enter")
    choose_photos(browser, photos)
    refused = browser.script("return [...document.querySelectorAll('#ComposerRefused li')].map((l) => l.textContent)")
    expected = ["abgeschnitten.jpg: Das Bild ist beschädigt oder unvollständig.",
                "Notizen.jpg: Kein Bild, das Pairfinder lesen kann.", "Oma Kopie.jpg: Dieses Bild ist schon im Deck."]
    if refused != expected:
        fail(f"the form refused {refused}, not {expected}")
    offered = [(name, value) for name, value, _, _ in form_fields(browser)]
    expected = [("Name für Bild 1", "Oma im Garten"), ("Name für Bild 2", ""), ("Name für Bild 3", "Opa am Meer"),
                ("Name für Bild 4", "Hund Bello"), ("Name für Bild 5", "Haus am See")]
    if offered != expected or focused_name(browser) != "Name für Bild 1":
        fail(f"the form offers {offered}, the focus on {focused_name(browser)!r}")
    # Upright, the turned photo is red above blue across its whole width.
    corners = browser.script("const c = document.createElement('canvas'); c.width = c.height = 240;"
                             "const x = c.getContext('2d');"
                             "x.drawImage(document.querySelectorAll('#ComposerPictures img')[2], 0, 0);"
                             "return [[20, 20], [220, 20], [20, 220], [220, 220]].map(([a, b]) =>"
                             "[...x.getImageData(a, b, 1, 1).data.slice(0, 3)])")
    if not all(r > 150 and b < 80 for r, _, b in corners[:2]) or \
            not all(b > 150 and r < 80 for r, _, b in corners[2:]):
        fail(f"the photo turned by its EXIF orientation is kept with the corners {corners}, not red above blue")
    print("the form names each refused photo with its reason and offers the names the files give, none for a "
          "camera's; the photo stored on its side is kept upright")
    # The second photo named as the first: both fields say so, and nothing is kept.
    press_key(browser, "Tab")
    type_text(browser, "oma im  Garten")
    press_key(browser, "Enter")
    duplicate = "Diesen Namen trägt schon ein anderes Bild."
    fields = form_fields(browser)
    if [f[2:] for f in fields[:3]] != [(duplicate, True), (duplicate, True), ("", False)] or \
            focused_name(browser) != "Name für Bild 1":
        fail(f"a name given twice left the fields {fields}, the focus on {focused_name(browser)!r}")
    press_key(browser, "Tab")
    press_key(browser, "a", modifiers=CTRL)
    type_text(browser, "Katze Mimi")
    press_key(browser, "Enter")
    wait_until(lambda: not browser.script("return document.getElementById('Composer').open"),
               "Übernehmen did not keep the deck")
    print(f"a name given twice is said beside both fields ({duplicate}); renamed, the deck is kept")
    names = {"Oma im Garten", "Katze Mimi", "Opa am Meer", "Hund Bello", "Haus am See"}
    board = desktop.BOARDS[0]
    check_own_deck_in_play(browser, board, card)
    player = KeyboardPlayer(browser, "Namen f\u00fcr die Highsorce noch schnell eingeben:", board=board, own=True)
    attempts = desktop.play(player, None)
    if len(player.seen) != 4 or not player.seen <= names:
        fail(f"the own deck's game showed the faces {player.seen}, not four of {names}")
    print(f"the own deck played whole by keys on 4 Paare in {attempts} attempts, its faces heard: {sorted(player.seen)}")
    # Reloaded with no network, the own deck is still in play, its pictures from the page's database.
    browser.cdp("Network.enable")
    offline = {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
    browser.cdp("Network.emulateNetworkConditions", offline)
    browser.driver.refresh()
    wait_until(lambda: browser.script("return document.body.classList.contains('ready')"), "the page did not reload")
    check_own_deck_in_play(browser, board, None)
    tab_to_cards(browser)
    press_key(browser, "Enter")
    shown = browser.script("const c = document.getElementById('Image1'); return [c.getAttribute('aria-label'),"
                           "c.querySelector('img').src.slice(0, 5), c.querySelector('img').naturalWidth]")
    if shown[0].split(": ")[1] not in names or shown[1:] != ["blob:", 240]:
        fail(f"a card of the own deck after reloading offline shows {shown}")
    print(f"reloaded offline, the own deck is in play: {shown[0]}, drawn from a 240-pixel picture")
    browser.cdp("Network.emulateNetworkConditions", {**offline, "offline": False})
    deck_file_saved_and_opened(browser, work)
    own_deck_on_phone_and_damaged(browser, photos)


def deck_file_saved_and_opened(browser, work):
    """The kept deck saved as a deck file and read back; another player's deck file opened, renamed and kept; a
    file that is no deck and a deck with too large a picture refused."""
    downloads = work / "downloads"
    downloads.mkdir()
    browser.cdp("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(downloads)})
    name, names, pictures = kept_deck(browser)
    pick_item(browser, "Ansicht1-title", "Spieldeck-title", "Speichern1")
    saved = downloads / "Eigenes Deck.pfdeck"
    wait_until(lambda: saved.is_file() and not list(downloads.glob("*.crdownload")), "the deck file was not saved")
    with zipfile.ZipFile(saved) as archive:
        carried = json.loads(archive.read("names.json"))
        carried_pictures = [archive.read(p["file"]) for p in carried["pictures"]]
    if (carried["name"], [p["name"] for p in carried["pictures"]]) != (name, names) or carried_pictures != pictures:
        fail(f"the saved deck file carries {carried}, not the kept {name!r} {names}, or other pictures' bytes")
    if os.environ.get("PAIRFINDER_PAGE_DECK"):
        shutil.copyfile(saved, os.environ["PAIRFINDER_PAGE_DECK"])
    print(f"saved as {saved.name}: {names}, each picture the kept bytes")
    deck_travels(browser, work, saved, (name, names, pictures))

    opened = [("Möwe", jpeg_of((230, 230, 240))), ("Strandkörbe", jpeg_of((200, 60, 60))),
              ("Düne", jpeg_of((220, 190, 120))), ("Fähre", jpeg_of((40, 80, 160)))]
    deck_file(work / "Urlaub.pfdeck", "Urlaub an der Küste", opened)
    pick_item(browser, "Ansicht1-title", "Spieldeck-title", "Oeffnen1")
    browser.driver.file_detector = UselessFileDetector()
    browser.node("DeckFile").send_keys(str(work / "Urlaub.pfdeck"))
    wait_until(lambda: browser.script("return document.getElementById('Composer').open"), "the deck file's form did "
               "not open")
    offered = [value for _, value, _, _ in form_fields(browser)]
    if offered != [n for n, _ in opened] or focused_name(browser) != "Name für Bild 1":
        fail(f"the opened deck's form offers {offered}, the focus on {focused_name(browser)!r}")
    press_key(browser, "a", modifiers=CTRL)
    type_text(browser, "Möwen")
    press_key(browser, "Enter")
    wait_until(lambda: not browser.script("return document.getElementById('Composer').open"),
               "Übernehmen did not keep the opened deck")
    check_own_deck_in_play(browser, desktop.BOARDS[0], None)
    expected = ("Urlaub an der Küste", ["Möwen", "Strandkörbe", "Düne", "Fähre"], [j for _, j in opened])
    if kept_deck(browser) != expected:
        fail(f"the opened deck is kept as {kept_deck(browser)[:2]}, not {expected[:2]}, or with other bytes")
    print(f"a deck file opened, one picture renamed by keys, kept under its name, byte for byte: {expected[1]}")

    (work / "kaputt.pfdeck").write_text("Einkaufen: Milch, Brot\n")
    deck_file(work / "zu gross.pfdeck", "Zu groß", opened[:3] + [("Riesig", jpeg_of((0, 0, 0), side=241))])
    for bad, said in (("kaputt.pfdeck", "Die Datei ist kein Pairfinder-Deck."),
                      ("zu gross.pfdeck", "Ein Bild des Decks ist beschädigt oder kein JPEG.")):
        if bad.startswith("kaputt"):
            drop_file(browser, work / bad)
        else:
            pick_item(browser, "Ansicht1-title", "Spieldeck-title", "Oeffnen1")
            browser.node("DeckFile").send_keys(str(work / bad))
        shown = error_box(browser)
        close_error_box(browser)
        time.sleep(SETTLE)
        if shown[1] != said or browser.script("return document.getElementById('ErrorBox').open || "
                                              "document.getElementById('Composer').open"):
            fail(f"{bad} was answered with {shown}, not once with {said!r}")
        if kept_deck(browser) != expected:
            fail(f"after {bad} the kept deck is {kept_deck(browser)[:2]}")
    # Saved again, the opened deck's file is named by the deck.
    pick_item(browser, "Ansicht1-title", "Spieldeck-title", "Speichern1")
    wait_until(lambda: (downloads / "Urlaub an der Küste.pfdeck").is_file(), "the opened deck was not saved under "
               f"its name: {sorted(p.name for p in downloads.iterdir())}")
    print("a file that is no deck dropped and a deck whose picture is too large opened: each said once, the kept "
          "deck unchanged; saved again under its name")


def deck_travels(browser, work, saved, kept):
    """The deck file the page saved goes to the desktop programs there are: the Linux window (the program the page
    is compared with) and, when PAIRFINDER_WINDOWS_PROGRAM names it, the Windows program under Wine. Each is started
    with the file, keeps it, and saves it anew; the last one's file, opened in the page again, gives the deck the
    page saved, name, names and pictures byte for byte."""
    programs = [(sys.argv[3], [])] if len(sys.argv) > 3 else []
    if os.environ.get("PAIRFINDER_WINDOWS_PROGRAM"):
        programs.append((os.environ["PAIRFINDER_WINDOWS_PROGRAM"], ["--wine"]))
    travelled = saved
    for program, wine in programs:
        out = work / f"{'windows' if wine else 'linux'}.pfdeck"
        done = subprocess.run([sys.executable, str(pathlib.Path(desktop.__file__)), *wine, "--deck-file",
                               str(travelled), str(out), program], capture_output=True, text=True,
                              timeout=5 * DEADLINE)
        if done.returncode != 0:
            fail(f"the desktop program {program} did not carry the deck: {done.stdout[-800:]} {done.stderr[-800:]}")
        print(f"{'under Wine' if wine else 'in the Linux window'}: {done.stdout.strip().splitlines()[-1]}")
        travelled = out
    if travelled == saved:
        return
    pick_item(browser, "Ansicht1-title", "Spieldeck-title", "Oeffnen1")
    browser.driver.file_detector = UselessFileDetector()
    browser.node("DeckFile").send_keys(str(travelled))
    wait_until(lambda: browser.script("return document.getElementById('Composer').open"), "the travelled deck's "
               "form did not open")
    press_key(browser, "Enter")
    wait_until(lambda: not browser.script("return document.getElementById('Composer').open"),
               "Übernehmen did not keep the travelled deck")
    if kept_deck(browser) != kept:
        fail(f"the deck back from the desktop is kept as {kept_deck(browser)[:2]}, not {kept[:2]}, or other bytes")
    print("back in the page from the desktop, the deck is the one the page saved, byte for byte")


def check_own_deck_in_play(browser, board, card):
    """The own deck checked in place of the face sets, on the board it fills, the larger boards disabled, and it can
    be saved."""
    wait_until(lambda: browser.script("return document.documentElement.dataset.board") == str(board.pairs),
               "the own deck did not lay out 4 Paare")
    states = browser.script("return ['EigenesDeck1', 'Deck1', 'Deck2', 'Feld1', 'Feld2', 'Feld3', 'Feld4',"
                            "'Speichern1'].map((n) => [document.getElementById(n).getAttribute('aria-checked'),"
                            "document.getElementById(n).getAttribute('aria-disabled')])")
    expected = [["true", None], ["false", None], ["false", None], ["true", None]] + [["false", "true"]] * 3 + \
        [[None, None]]
    if states != expected:
        fail(f"with the own deck in play the menu's items are {states}, not {expected}")
    if card and focused_name(browser) != card:
        fail(f"the focus went to {focused_name(browser)!r}, not back to {card!r}")


def own_deck_on_phone_and_damaged(browser, photos):
    """On a phone, the form fits the screen with a finger's targets, and a deck of two pictures is too small; then a
    picture of the kept deck deleted: said once at the next start, Deck 1 played, the deck left as it is."""
    browser.cdp("Emulation.setDeviceMetricsOverride", {"width": 390, "height": 844, "deviceScaleFactor": 2,
                                                      "mobile": True})
    browser.script("document.getElementById('Zusammenstellen1').click()")
    choose_photos(browser, photos[:3])
    sizes = browser.script("const d = document.getElementById('Composer');"
                           "return [d.getBoundingClientRect().right, document.documentElement.scrollWidth,"
                           "...[...d.querySelectorAll('input, button')].map((n) => n.getBoundingClientRect().height)]")
    if sizes[0] > 390 or sizes[1] > 390 or min(sizes[2:]) < 44:
        fail(f"on a phone the form reaches {sizes[0]} px of 390, the page {sizes[1]}, its targets {sizes[2:]} px high")
    press_key(browser, "Enter")
    fault = browser.text("ComposerFault")
    if fault != "Ein Deck braucht mindestens 4 Bilder, hier sind nur 2 brauchbare." or \
            not browser.script("return document.getElementById('Composer').open"):
        fail(f"a deck of two pictures was answered with {fault!r}")
    press_key(browser, "Escape")
    browser.prepare_screen()
    print(f"on a phone the form fits 390 px, its targets at least {min(sizes[2:]):.0f} px high; two pictures: {fault}")
    names, kept, _ = browser.driver.execute_async_script(KEPT, True)
    browser.driver.refresh()
    title, said = error_box(browser)
    expected = f"Das eigene Deck ist beschädigt: Das Bild „{kept[0]}“ fehlt."
    if said != expected:
        fail(f"a deck with a picture deleted was said as {said!r}, not {expected!r}")
    close_error_box(browser)
    time.sleep(SETTLE)
    states = browser.script("return ['EigenesDeck1', 'Deck1', 'Feld2'].map((n) =>"
                            "document.getElementById(n).getAttribute('aria-checked') + ' ' +"
                            "document.getElementById(n).getAttribute('aria-disabled'))")
    after = browser.driver.execute_async_script(KEPT, False)[:2]
    if browser.script("return document.getElementById('ErrorBox').open") or \
            states != ["false null", "true null", "false null"] or after != [names, kept[1:]]:
        fail(f"after the damaged deck was said the menu is {states}, the kept deck {after}")
    print(f"a picture deleted from the kept deck: {said!r} once, Deck 1 played, the rest of the deck kept")


SCENARIOS = {"served": scenario_served, "keyboard": scenario_keyboard, "own-deck": scenario_own_deck,
             "wrong-kind": scenario_wrong_kind, "two-tabs": scenario_two_tabs, "desktop": scenario_desktop}


def main():
    import devices  # the device scenarios use this module's browser and helpers
    SCENARIOS.update(devices.SCENARIOS)
    if len(sys.argv) < 3 or sys.argv[2] not in SCENARIOS:
        sys.exit(__doc__ + devices.__doc__)
    page, name = pathlib.Path(sys.argv[1]).resolve(), sys.argv[2]
    if not (page / "index.html").is_file():
        sys.exit(f"no page in {page}: build it (make web, or cmake --install of a web build)")
    signal.signal(signal.SIGTERM, lambda signum, frame: fail("stopped from outside"))
    with tempfile.TemporaryDirectory() as folder:
        work = pathlib.Path(folder)
        phone = name in ("phone", "shapes")
        browser = Browser(work, *((390, 844, 2, True) if phone else (WIDTH, HEIGHT, 1, False)))
        try:
            if name == "desktop":
                if len(sys.argv) < 4:
                    sys.exit("the desktop scenario needs the desktop program")
                expected = scenario_desktop(browser, work, page, os.path.abspath(sys.argv[3]))
            else:
                expected = SCENARIOS[name](browser, work, page)
            problems = browser.problems(expected or ())
            if problems:
                fail("the console or the page's policy reported: " + " | ".join(problems))
            print("no error on the console, no violation of the page's policy")
        finally:
            browser.close()
            for server in SERVERS:
                stop_serving(server)


if __name__ == "__main__":
    main()
