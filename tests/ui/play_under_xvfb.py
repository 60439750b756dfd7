#!/usr/bin/env python3
"""Plays the real program on its own Xvfb, by looking at the screen and clicking like a player.

Usage: play_under_xvfb.py [--board PAIRS]... [--own-deck] PROGRAM [SCREENSHOT_FOLDER]
       play_under_xvfb.py --wine [--uia FOLDER] [--board PAIRS]... PROGRAM.exe [SCREENSHOT_FOLDER]

With --wine the Windows program runs under Wine, in a Wine prefix of its own, against Wine's registry. With --uia,
the folder of the stand-in for uiautomationcore.dll and the first contact (tests/windows), the stand-in takes
UI Automation's place in the prefix and writes down what the program tells it.

1. One run of the program, a round on each board: the full one it starts on (under Wine the keyboard's, 5.), then
   each smaller board (4, 8 and 18 pairs, or those given with --board) chosen with the mouse from Ansicht >
   Spielfeld, whose four captions are read off the screen. Each board's cards must lie where that board's lie and
   nowhere else; a whole game, in which the player remembers every face it has seen and takes a known pair whenever
   it has one; the result saved under a name and found in the board's own key with the six values, every other
   table untouched, iPaare holding the board, and the Highscore menu read off the screen, "Spielfeld: 8 Paare"
   above the result on a smaller board. Then a card turned, MIX IT turns it back, and END IT ends the program with 0.
2. Started again with the last board's table broken (iErster held as text): the error box shows the registry's
   message under the program's title, the board chosen last is dealt, and its cards still turn over.
3. iPaare stored as text: the error box says so once, the full board is dealt, and nothing is written.
4. Under Wine: started maximised (`wine start /max`), the window is maximised with the layout in its top-left
   corner, and it carries the icon from the program file's resources.
5. Under Wine, in one run: a whole game on the full board by keys alone, watched by the focus outline on the
   screen: Tab to the cards, the arrow keys to each card, Enter to turn it; the keyboard is in the name entry at
   the end, Tab and Space save; then the first smaller board chosen by keys, played and saved so; Alt+E ends.
   With --uia, a client's first contact starts Qt's bridge before the first Tab, and UI Automation must have been
   told: each card the keyboard reached, by its name, in the order the outline went, never an emptied one; each
   first card's face and each turn's outcome with its count as notifications, once each, the last with "FERTIG!!";
   the board chosen, once, as "Neues Spiel: 4 Paare", before its first turn.

With --own-deck, instead: Ansicht > Spieldeck > Eigenes Deck by keys opens the file dialog, in which eight photos
drawn by the test (portrait and landscape, three with EXIF orientations 3, 6 and 8) and four bad files are chosen
by their names; the naming form keeps the names offered and takes those typed for the cameras'; the deck is dealt
on the 8-pair board it fills and played to its end, every face its photo's upright centred square. Composing anew,
the program is killed with the form open; started again, it deals the deck kept before.
With a folder it also writes screenshot-playing.png (a failed pair open), screenshot-finished.png (the banner
and the name entry), highscore-menu.png, and screenshot-boards.png, the smaller boards side by side, each with a
failed pair open where a game leaves one (`play_under_xvfb.py build/app/pairfinder docs`).
"""
import argparse
import collections
import ctypes
import hashlib
import json
import zipfile
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

LAYOUT_WIDTH, LAYOUT_HEIGHT = 739, 645
SOURCE = pathlib.Path(__file__).resolve().parents[2]


def card_metrics():
    """Card and menu sizes as the build wrote them out, in the file PAIRFINDER_CARD_METRICS names."""
    path = os.environ.get("PAIRFINDER_CARD_METRICS")
    if not path:
        sys.exit("set PAIRFINDER_CARD_METRICS to card_metrics.env in the build folder")
    pairs = (line.split("=", 1) for line in pathlib.Path(path).read_text().splitlines() if "=" in line)
    return {name.strip(): int(value) for name, value in pairs}


METRICS = card_metrics()


class Board(collections.namedtuple("Board", "pairs rows columns left top side pitch")):
    """A board as the window must show it, in layout pixels from the client area's top-left corner: its first
    card's corner, a card's side, and the pitch from one card to the next across and down."""

    @property
    def cells(self):
        return self.rows * self.columns

    @property
    def caption(self):
        return f"{self.pairs} Paare"

    @property
    def number(self):
        """Its place in the Spielfeld menu, from 1."""
        return BOARDS.index(self) + 1

    def origin(self, p):
        return self.left + self.pitch * (p % self.columns), self.top + self.pitch * (p // self.columns)

    def last(self):
        """Where the cards end, right and bottom."""
        return self.origin(self.cells - 1)[0] + self.side, self.origin(self.cells - 1)[1] + self.side


# In the menu's order. Written out as a player measures them, not taken from the build: each board fills the 8 x 8
# board's card area, centred, with the largest cards that fit on whole pixels.
BOARDS = (Board(4, 2, 4, 14, 158, 120, 144), Board(8, 4, 4, 14, 14, 120, 144), Board(18, 6, 6, 10, 10, 80, 96),
          Board(32, 8, 8, 8, 8, 60, 72))
FULL = BOARDS[-1]
CARD_AREA = 576
# The full board, which a player who never chose plays, and which the page shows too.
CELLS, COLUMNS = FULL.cells, FULL.columns
NAME = "Xdotool"
VALUES = ("sErster", "sZweiter", "sDritter", "iErster", "iZweiter", "iDritter")
# Every wait ends, but late enough for a machine whose cores are all busy.
DEADLINE = 60
# Two reads this far apart that agree show a picture the program has finished drawing.
SETTLE = 0.15


def fail(message):
    raise SystemExit("FAIL: " + message)


def end_with_this_test():
    """Run in a child before it starts: the kernel kills it when the test's process goes, however that goes."""
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def wait_until(condition, what, seconds=DEADLINE):
    """condition()'s first true result; `what` failed, or what a callable says then, after `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            fail(f"{what() if callable(what) else what} within {seconds} s")
        time.sleep(SETTLE)


def program_environment(work, **settings):
    """What a started program gets: a home, folders and a display of this test's, and nothing of the caller's
    (no QT_QPA_PLATFORM, DISPLAY or WINEPREFIX) but the search path and the sanitizers' settings."""
    environment = {"PATH": os.environ["PATH"], "HOME": str(work / "home"), "LANG": "C.UTF-8",
                   "XDG_RUNTIME_DIR": str(work / "runtime")}
    for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
        if name in os.environ:
            environment[name] = os.environ[name]
    for folder in ("home", "runtime"):
        (work / folder).mkdir(mode=0o700, exist_ok=True)
    environment.update(settings)
    return environment


HIGHSCORES = "HKEY_CURRENT_USER\\Software\\Pairfinder"
WINE_KEY = "HKCU\\Software\\Pairfinder"  # as `wine reg` takes it


def table_of(keys, board):
    """The board's highscore table among the stored keys: the six values as (kind, data), the full board's in the
    highscores' own key, every other board's in a key of its own below it, named by its caption."""
    key = HIGHSCORES if board == FULL else f"{HIGHSCORES}\\{board.caption}"
    return {name: value for name, value in keys.get(key, {}).items() if name in VALUES}


def signed(number):
    return number - (1 << 32) if number >= 1 << 31 else number


class Linux:
    """The Linux program, with its registry file in a configuration folder of its own."""

    def __init__(self, program, work):
        self.program = program
        self.work = work
        self.file = work / "config/pairfinder/registry.reg"

    def environment(self, display):
        return program_environment(self.work, DISPLAY=display, XDG_CONFIG_HOME=str(self.work / "config"))

    def command(self):
        return [self.program]

    def keys(self):
        """Every key of the file the store writes as regedit exports, with its values as {name: (kind, data)}."""
        if not self.file.exists():
            return {}
        keys, values = {}, None
        for line in self.file.read_text(encoding="utf-16").splitlines():
            key = re.fullmatch(r"\[(.*)\]", line)
            text = re.fullmatch(r'"(\w+)"="(.*)"', line)
            number = re.fullmatch(r'"(\w+)"=dword:([0-9a-f]{8})', line)
            if key:
                values = keys.setdefault(key[1], {})
            elif values is None:
                continue
            elif text:
                values[text[1]] = ("REG_SZ", text[2])
            elif number:
                values[number[1]] = ("REG_DWORD", signed(int(number[2], 16)))
        return keys

    def registry(self, board=FULL):
        return table_of(self.keys(), board)

    def stored_board(self):
        return self.keys().get(HIGHSCORES, {}).get("iPaare")

    def break_board(self):
        text = self.file.read_text(encoding="utf-16")
        self.file.write_text(re.sub(r'"iPaare"=dword:[0-9a-f]{8}', '"iPaare"="8"', text), encoding="utf-16")

    def break_store(self, board=FULL):
        """The board's iErster held as text, every other value and key left as it is."""
        section = "[" + (HIGHSCORES if board == FULL else f"{HIGHSCORES}\\{board.caption}") + "]"
        lines = self.file.read_text(encoding="utf-16").splitlines()
        start = lines.index(section) + 1
        end = next((i for i in range(start, len(lines)) if lines[i].startswith("[")), len(lines))
        lines[start:end] = ['"iErster"="7"'] + [line for line in lines[start:end] if not line.startswith('"iErster"=')]
        self.file.write_text("\r\n".join(lines) + "\r\n", encoding="utf-16")

    def stop(self):
        pass


class Wine:
    """The Windows program under Wine, in a prefix of its own whose registry is Wine's real one; with a stand-in
    for UI Automation (an Automation), the stand-in in UI Automation's place."""

    def __init__(self, program, work, display, automation=None):
        self.program = program
        self.work = work
        self.prefix = work / "wine"
        self.automation = automation
        # Every Wine process of the test sees the test's display: the first one starts Wine's desktop process,
        # and one started without a display would leave every later window without one.
        self.display = display
        subprocess.run(["wineboot", "-i"], env=self.environment(display), check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=300)
        if automation:
            automation.install(self.prefix)

    def environment(self, display):
        overrides = "mscoree,mshtml=;winemenubuilder.exe=d"
        settings = {}
        if self.automation:
            # Wine's own library comes first unless told otherwise.
            overrides += ";uiautomationcore=n"
            settings = self.automation.environment()
        return program_environment(self.work, DISPLAY=display, WINEPREFIX=str(self.prefix), WINEDEBUG="-all",
                                   WINEARCH="win64", WINEDLLOVERRIDES=overrides, **settings)

    def command(self, maximised=False):
        if maximised:
            return ["wine", "start", "/wait", "/max", "/unix", self.program]
        return ["wine", self.program]

    def reg(self, *arguments):
        return subprocess.run(["wine", "reg", *arguments], env=self.environment(self.display), capture_output=True,
                              text=True, timeout=DEADLINE)

    def query(self, key):
        """Every key under key with its values as {name: (kind, data)}, as `wine reg query /s` lists them."""
        keys, values = {}, None
        for line in self.reg("query", key, "/s").stdout.splitlines():
            line = line.rstrip("\r\n")
            entry = re.fullmatch(r" {4}(.*?) {4}(REG_\w+)(?: {4}(.*))?", line)
            if line.startswith("HKEY_"):
                values = keys.setdefault(line, {})
            elif entry and values is not None:
                kind, data = entry[2], entry[3] or ""
                values[entry[1]] = (kind, signed(int(data, 16)) if kind == "REG_DWORD" else data)
        return keys

    def keys(self):
        return self.query(WINE_KEY)

    def registry(self, board=FULL):
        return table_of(self.keys(), board)

    def stored_board(self):
        return self.keys().get(HIGHSCORES, {}).get("iPaare")

    def break_board(self):
        added = self.reg("add", WINE_KEY, "/v", "iPaare", "/t", "REG_SZ", "/d", "8", "/f")
        if added.returncode != 0:
            fail(f"wine reg add failed: {added.stderr}")

    def break_store(self, board=FULL):
        key = WINE_KEY if board == FULL else f"{WINE_KEY}\\{board.caption}"
        added = self.reg("add", key, "/v", "iErster", "/t", "REG_SZ", "/d", "7", "/f")
        if added.returncode != 0:
            fail(f"wine reg add failed: {added.stderr}")

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.environment(self.display), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)


class Automation:
    """What the program tells UI Automation, as the stand-in for uiautomationcore.dll (tests/windows) writes it
    down: one record a call, (call, number, control type, name, text). Wine's own UI Automation cannot stand in:
    it says that no client listens, and its walk over Qt's tree hangs."""

    FOCUS_CHANGED, BUTTON, WINDOW = 20005, 50000, 50032  # UI Automation's ids
    CARD = re.compile(r"Reihe (\d+), Spalte (\d+): (.+)")
    COUNT = re.compile(r"Versuche: (\d+)(?!\d)")

    def __init__(self, folder, work):
        self.library = folder / "uiautomationcore.dll"
        self.client = folder / "first_contact.exe"
        self.log = work / "uia.log"
        self.mark = 0
        for built in (self.library, self.client):
            if not built.is_file():
                fail(f"{built} is missing: tests/runners/windows-layers builds it")

    def install(self, prefix):
        # Qt loads it from the system folder only; the 64-bit one is system32.
        shutil.copyfile(self.library, prefix / "drive_c/windows/system32/uiautomationcore.dll")

    def environment(self):
        # The stand-in is a Windows program: it reaches the test's folder through the drive Wine maps to /.
        return {"PAIRFINDER_UIA_LOG": "Z:" + str(self.log)}

    def records(self):
        if not self.log.exists():
            return []
        lines = self.log.read_text(encoding="utf-8").splitlines()
        return [(call, int(number), int(kind) if kind else None, name, text)
                for call, number, kind, name, text in (line.split("\t") for line in lines)]

    def first_contact(self, player):
        """Asks the window for its root element, as a client does first, until Qt's bridge hands it over; what
        the stand-in hears from then on is this run's."""
        def answered():
            asked = subprocess.run(["wine", str(self.client)], env=player.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, timeout=DEADLINE)
            if asked.returncode != 0:
                fail(f"the first contact found no window called Pairfinder ({asked.returncode})")
            records = self.records()
            return next((i + 1 for i in range(self.mark, len(records)) if records[i][0] == "contact"), None)
        self.mark = wait_until(answered, "Qt's bridge did not answer UI Automation")
        call, number, kind, name, text = self.records()[self.mark - 1]
        if (kind, name) != (self.WINDOW, "Pairfinder"):
            fail(f"the window's root element is a {kind} called {name!r}")

    def heard_game(self, attempts, visited, board=FULL):
        """Checks what UI Automation was told during a game by keys of `attempts` turns on `board` in which the
        keyboard went over the cards `visited`, and returns it. On any board but the full one, the game began with
        that board chosen, which was told once before the first turn."""
        heard = self.records()[self.mark:]
        focused = [r for r in heard if r[:2] == ("event", self.FOCUS_CHANGED)]
        if any(not name for call, number, kind, name, text in focused):
            fail(f"a focused element has no name: {focused}")
        cards = []
        for call, number, kind, name, text in focused:
            card = self.CARD.fullmatch(name)
            if not card:
                continue
            if kind != self.BUTTON or card[3] == "leer":
                fail(f"the focus went onto {name!r}, a control of type {kind}")
            p = (int(card[1]) - 1) * board.columns + int(card[2]) - 1
            # The grid's own focus and its card's are the same card: it is heard once.
            if not cards or cards[-1] != p:
                cards.append(p)
        reached = [p for i, p in enumerate(visited) if i == 0 or visited[i - 1] != p]
        if cards != reached:
            fail(f"the cards focused for UI Automation, {cards[:8]}..., are not those the outline went over, "
                 f"{reached[:8]}...")

        said = [text for call, number, kind, name, text in heard if call == "notification"]
        chosen = [f"Neues Spiel: {board.caption}"] if board != FULL else []
        if said[:len(chosen)] != chosen:
            fail(f"choosing {board.caption} was told as {said[:1]}")
        turns = said[len(chosen):]
        if len(turns) != 2 * attempts:
            fail(f"{len(turns)} notifications for {attempts} turns: {turns[:4]}")
        for n in range(1, attempts + 1):
            face, outcome = turns[2 * n - 2], turns[2 * n - 1]
            count = self.COUNT.search(outcome)
            missed = outcome.startswith(f"{face} und ") and ": kein Paar. " in outcome
            paired = outcome.startswith("Zwei ") and ": ein Paar. " in outcome
            if not face or "Paar" in face or not (missed or paired) or not count or int(count[1]) != n:
                fail(f"turn {n} was told as {face!r} and {outcome!r}")
        if "FERTIG!!" not in turns[-1]:
            fail(f"the last turn was told as {turns[-1]!r}")
        # Nothing is told twice: each announcement is one call, and no other carries its words.
        for text in set(said):
            told = [r for r in heard if text in (r[3], r[4])]
            if len(told) != said.count(text):
                fail(f"{text!r} was told {len(told)} times: {told}")
        return heard


class Screen:
    """An Xvfb of this test's; Xvfb picks a free display itself and reports it, so parallel runs never collide."""

    def __init__(self):
        read_end, write_end = os.pipe()
        # Its output goes nowhere: a server left holding the test runner's pipe would keep the runner waiting.
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=end_with_this_test)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.display = ":" + pipe.readline().strip()
        if self.display == ":":
            self.close()
            fail("Xvfb did not start")

    def close(self):
        if self.server.poll() is None:
            self.server.terminate()
            self.server.wait(DEADLINE)


class Player:
    """One run of the program on the screen, and what a player does with it."""

    board = FULL  # the board the player expects on the screen

    def __init__(self, platform, screen, command=None):
        self.platform = platform
        self.work = platform.work
        self.env = platform.environment(screen.display)
        self.game = subprocess.Popen(command or platform.command(), env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL, preexec_fn=end_with_this_test)
        self.window = None
        self.menu = METRICS["MenuBarHeight"]

    def find_window(self, accept=lambda geometry: True, what="no window called Pairfinder"):
        """The visible window called Pairfinder whose (x, y, width, height) accept() takes."""
        def found():
            self.check_running()
            listing = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Pairfinder$"],
                                     env=self.env, capture_output=True, text=True).stdout.split()
            return next((w for w in listing if accept(self.geometry(w))), None)
        return wait_until(found, what)

    def open(self):
        # The main window, not a message box of the same title.
        self.window = self.find_window(lambda g: g[2] >= LAYOUT_WIDTH // 2 and g[3] >= LAYOUT_HEIGHT // 2)
        self.x, self.y, self.width, self.height = self.geometry(self.window)
        return self

    def geometry(self, window):
        shell = self.run("xdotool", "getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in shell.split())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def check_running(self):
        # A program that has gone fails the test at once instead of after every wait's deadline.
        if self.game.poll() is not None:
            fail(f"the program ended unexpectedly with {self.game.returncode}")

    def close(self):
        if self.game.poll() is None:
            self.game.terminate()
            self.game.wait(DEADLINE)

    def run(self, *command):
        return subprocess.run(command, env=self.env, check=True, capture_output=True, text=True,
                              timeout=DEADLINE).stdout

    def click_window(self, x, y):
        self.check_running()
        self.run("xdotool", "mousemove", "--window", self.window, str(x), str(y), "click", "1")
        time.sleep(0.05)

    # Layout coordinates, in the client area below the menu bar.
    def click(self, x, y):
        self.click_window(x, y + self.menu)

    def key(self, keys):
        """Keys typed into the window, which takes the keyboard first, as a click would give it."""
        self.check_running()
        self.run("xdotool", "windowfocus", self.window)
        time.sleep(SETTLE)
        self.run("xdotool", "key", keys)

    def shot(self, keep=None):
        # The window's pixels straight from the grab, with no picture file between: a third of the time.
        pixels = subprocess.run(["import", "-window", self.window, "-depth", "8", "rgb:-"], env=self.env,
                                check=True, capture_output=True, timeout=DEADLINE).stdout
        if len(pixels) != self.width * self.height * 3:
            fail(f"the window is no longer {self.width} x {self.height}")
        if keep:
            subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8", "rgb:-", str(keep)],
                           input=pixels, check=True, timeout=DEADLINE)
        return pixels

    def grab(self, x, y, width, height, name):
        """That part of the screen as a picture file in the work folder."""
        path = self.work / name
        self.run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", str(path))
        return path

    def read(self, path, dim=False):
        """The text a reader sees in the picture, without its blanks; `dim`: the text of the lines that are
        unavailable, light grey, made black first (what is white on a dark ground is lost then)."""
        large = self.work / "large.png"
        darker = ["-negate", "-threshold", "10%", "-negate"] if dim else []
        self.run("convert", str(path), "-resize", "300%", "-colorspace", "Gray", *darker, str(large))
        text = subprocess.run(["tesseract", str(large), "-", "--psm", "6"], capture_output=True, text=True).stdout
        # Blanks and quotation marks are what a reader of small type gets wrong most; neither counts.
        return re.sub("[\\s'\u2018\u2019`\u00b4]+", "", text)

    def read_new(self, before, dim=False):
        """The text of what has appeared on the screen since `before` (x, y, width, height, picture) was
        grabbed, such as an open menu: read alone, it is not mistaken for the cards around it."""
        x, y, width, height, old = before
        now = self.grab(x, y, width, height, "now.png")
        box = self.run("convert", str(old), str(now), "-compose", "difference", "-composite", "-colorspace",
                       "Gray", "-threshold", "5%", "-format", "%@", "info:").strip()
        if box.startswith("0x0"):
            return ""
        part = self.work / "part.png"
        self.run("convert", str(now), "-crop", box, "+repage", str(part))
        return self.read(part, dim)

    def picture(self, pixels, p):
        x, y = self.board.origin(p)
        y += self.menu
        side = self.board.side
        digest = hashlib.sha1()
        for row in range(y, y + side):
            start = (row * self.width + x) * 3
            digest.update(pixels[start:start + side * 3])
        return digest.hexdigest()

    def settled(self, accept, what):
        """A screenshot once the window has stopped changing and accept(pixels) holds.

        On a loaded machine a read can catch a card half painted, so a picture counts only once two reads a
        short time apart agree.
        """
        previous = [self.shot()]

        def agreed():
            time.sleep(SETTLE)
            pixels = self.shot()
            stable = pixels == previous[0] and accept(pixels)
            previous[0] = pixels
            return pixels if stable else None
        return wait_until(agreed, what)

    def drawn(self):
        """A settled screenshot once the cards are painted. The menu bar's height depends on the platform's
        style and fonts: it is where the last card of the first row begins, less the space above the cards."""
        board = self.board
        column = board.origin(board.columns - 1)[0] + board.side // 2

        def colour(pixels, y):
            start = (y * self.width + column) * 3
            return pixels[start:start + 3]

        def card_top(pixels):
            for y in range(min(self.height, board.top + 80)):
                if sum(colour(pixels, y)) < 200:  # the dark edge of a card's back
                    # Its first row may be blended with the background, which lies a few rows above.
                    while colour(pixels, y - 1) != colour(pixels, y - 6):
                        y -= 1
                    return y
            return None

        pixels = self.settled(lambda pixels: card_top(pixels) is not None, "the cards were not drawn")
        self.menu = card_top(pixels) - board.top
        return pixels

    def shows_board(self, pixels):
        """Checks that the screenshot shows the expected board dealt: every card's back alike, and nothing else
        drawn on the cards' area, so that a card of another board's size or place shows up."""
        back = self.picture(pixels, 0)
        if any(self.picture(pixels, p) != back for p in range(self.board.cells)):
            fail(f"the {self.board.caption} do not all show the same back")
        # What is drawn on the cards' area, as ImageMagick trims the background away: WIDTHxHEIGHT+X+Y.
        drawn = subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8", "rgb:-", "-crop",
                                f"{CARD_AREA}x{CARD_AREA}+0+{self.menu}", "+repage", "-format", "%@", "info:"],
                               input=pixels, check=True, capture_output=True, timeout=DEADLINE).stdout.decode()
        right, bottom = self.board.last()
        expected = f"{right - self.board.left}x{bottom - self.board.top}+{self.board.left}+{self.board.top}"
        if drawn != expected:
            fail(f"the cards cover {drawn} of the cards' area, not {expected} as {self.board.caption} do")

    def turned(self, p, back):
        """A settled screenshot once card p no longer shows its back."""
        return self.settled(lambda pixels: self.picture(pixels, p) != back, f"card {p} did not turn over")

    def click_cell(self, p):
        x, y = self.board.origin(p)
        self.click(x + self.board.side // 2, y + self.board.side // 2)

    def words(self, before, sparse=False):
        """The words that have appeared on the screen since `before` (x, y, width, height, picture) was grabbed, or
        all there with no picture, as (text, x, y) with the screen coordinates of each word's middle, in reading
        order; `sparse` reads them word by word rather than as a block of lines."""
        x, y, width, height, old = before
        now = self.grab(x, y, width, height, "now.png")
        box = f"{width}x{height}+0+0"
        if old:
            box = self.run("convert", str(old), str(now), "-compose", "difference", "-composite", "-colorspace",
                           "Gray", "-threshold", "5%", "-format", "%@", "info:").strip()
        if box.startswith("0x0"):
            return []
        size, left, top = re.fullmatch(r"(\d+x\d+)\+(\d+)\+(\d+)", box).groups()
        large = self.work / "large.png"
        self.run("convert", str(now), "-crop", box, "+repage", "-resize", "300%", "-colorspace", "Gray", str(large))
        table = subprocess.run(["tesseract", str(large), "-", "--psm", "11" if sparse else "6", "tsv"], capture_output=True,
                               text=True).stdout.splitlines()
        found = []
        for row in table[1:]:
            cells = row.split("\t")
            if len(cells) == 12 and cells[11].strip():
                word_left, word_top, word_width, word_height = (int(c) for c in cells[6:10])
                found.append((cells[11].strip(), x + int(left) + (word_left + word_width // 2) // 3,
                              y + int(top) + (word_top + word_height // 2) // 3))
        return found

    def choose_board(self, board):
        """Ansicht, Spielfeld and the board's caption, each clicked where the menus show them, read off the screen;
        the Spielfeld menu must list the four boards in order."""
        def word(text, words):
            return next((w for w in words if w[0] == text), None)

        def captions(words):
            """The lines read as a number and the word Paare, or a word a letter off it, from the top down: each as
            its line's height, the number and the word as read."""
            found = sorted((w[2], previous[0], w) for previous, w in zip(words, words[1:])
                           if len(w[0]) == 5 and sum(a != b for a, b in zip(w[0], "Paare")) <= 1)
            return found if len(found) == len(BOARDS) else None

        def click(found):
            self.run("xdotool", "mousemove", str(found[1]), str(found[2]), "click", "1")

        bar = (self.x, self.y, LAYOUT_WIDTH, self.menu, None)
        window = (self.x, self.y, LAYOUT_WIDTH, LAYOUT_HEIGHT)
        self.check_running()
        before = (*window, self.grab(*window, "before.png"))
        click(wait_until(lambda: word("Ansicht", self.words(bar)), "the menu bar read no Ansicht"))
        spielfeld = wait_until(lambda: word("Spielfeld", self.words(before)), "the Ansicht menu read no Spielfeld")
        before = (*window, self.grab(*window, "before.png"))
        click(spielfeld)
        # Read as a block of lines, and failing that word by word: where the submenu's first line stands beside the
        # highlighted Spielfeld (Windows' style under Wine), the block reading loses it.
        shown = wait_until(lambda: captions(self.words(before)) or captions(self.words(before, sparse=True)),
                           "the Spielfeld menu read no four boards")
        read = [f"{number} {found[0]}" for y, number, found in shown]
        # Windows' style draws the check mark so close to the number of the board in play that the two may read as
        # one sign, or its word a letter off; that line is known by its place, the others by their words.
        checked = self.board.number - 1
        if [r for i, r in enumerate(read) if i != checked] != [b.caption for i, b in enumerate(BOARDS) if i != checked]:
            fail(f"the Spielfeld menu reads {read}")
        click(shown[board.number - 1][2])
        self.board = board

    def choose_by_keys(self, board):
        """Alt+A opens Ansicht on its first item; Spielfeld is the third, and its first item the smallest board."""
        self.key("alt+a")
        for key in ["Down", "Down", "Right"] + ["Down"] * (board.number - 1) + ["Return"]:
            time.sleep(SETTLE)
            self.run("xdotool", "key", key)
        self.board = board

    def end(self):
        """END IT, and the exit code the program ends with."""
        self.click(592 + 16 + 48, 328 + 184 + 16)
        return self.game.wait(DEADLINE)


class KeyboardPlayer(Player):
    """A player who reaches the cards with Tab, moves over them with the arrow keys and turns them with Enter,
    finding the card the keyboard is on by the outline round it."""

    def __init__(self, platform, screen):
        super().__init__(platform, screen)
        self.here = None
        self.visited = []  # every card the outline went to, in order

    def outlined(self, pixels):
        """The card with the focus outline, black outside white, in the gap to its left; None for none."""
        for p in range(self.board.cells):
            x, y = self.board.origin(p)
            row = (y + self.menu + self.board.side // 2) * self.width
            black, white = pixels[(row + x - 4) * 3:(row + x - 3) * 3], pixels[(row + x - 2) * 3:(row + x - 1) * 3]
            if black == bytes(3) and white == bytes((255, 255, 255)):
                return p
        return None

    def outline_moved(self, what):
        """The card the outline went to. One read suffices: an arrow key draws only the new outline and erases the
        old, so a read half painted shows no new outline, or the old one beside it, and is read again."""
        before = self.here
        moved = wait_until(lambda: (lambda p: [p] if p not in (None, before) else None)(self.outlined(self.shot())),
                           what)
        self.here = moved[0]
        self.visited.append(self.here)
        return self.here

    def drawn(self):
        pixels = super().drawn()
        for _ in range(6):
            self.key("Tab")
            time.sleep(SETTLE)
            self.here = self.outlined(self.shot())
            if self.here is not None:
                self.visited.append(self.here)
                return pixels
        fail("Tab never reached the cards")

    def picture(self, pixels, p):
        # Below the last row the outline lies on the card's edge: a card is known by what lies above it, with room
        # for a menu bar measured a pixel short.
        x, y = self.board.origin(p)
        y += self.menu
        side = self.board.side
        digest = hashlib.sha1()
        for row in range(y, y + side - 8):
            start = (row * self.width + x) * 3
            digest.update(pixels[start:start + side * 3])
        return digest.hexdigest()

    def click_cell(self, p):
        def step(key, here):
            self.run("xdotool", "key", key)
            return self.outline_moved(f"{key} from card {here} moved the outline nowhere")
        self.here = walk(self.here, p, step, self.board.columns)
        self.run("xdotool", "key", "Return")

    def end(self):
        self.key("alt+e")
        return self.game.wait(DEADLINE)


def walk(here, p, step, columns=COLUMNS):
    """Takes the keyboard from card `here` to card p with the arrow keys: step(key, here) presses one and returns
    the card the keyboard is on then. Down and Up go row by row; where one passes the row over empty cells, the
    cards are walked in reading order with Right and Left instead."""
    by_rows = True
    while here != p:
        row, target = here // columns, p // columns
        if by_rows and row != target:
            key = "Down" if row < target else "Up"
        else:
            key = "Right" if here < p else "Left"
        moved = step(key, here)
        if by_rows and row != target and (moved // columns - target) * (row - target) < 0:
            by_rows = False
        here = moved
    return here


def play(player, shots, gone=None, seen=None):
    """Plays a whole game to its end; returns the number of attempts. With a file name in `shots`, a screenshot
    taken as a failed pair lies open once `gone` cards (a quarter of them unless told) have gone is kept in it.
    `seen(pixels, p)` is shown every face as it is turned."""
    start = player.drawn()
    back = player.picture(start, 0)
    faces = {}        # position -> face picture, for cards seen but still in play
    removed = set()
    open_pair = set()  # the two faces a failed turn left open
    attempts = 0
    screenshot_taken = False

    cells = getattr(player, "board", FULL).cells
    gone = cells // 4 if gone is None else gone
    while len(removed) < cells:
        by_face = {}
        for p, face in faces.items():
            by_face.setdefault(face, []).append(p)
        known = next((ps for ps in by_face.values() if len(ps) == 2), None)
        if known:
            # A face still open from the failed turn takes no click, so the turn starts with the other card.
            first, second = sorted(known, key=lambda p: p in open_pair)
            player.click_cell(first)
            player.click_cell(second)
            attempts += 1
            removed.update(known)
            for p in known:
                del faces[p]
            open_pair = set()
            continue

        unknown = [p for p in range(cells) if p not in removed and p not in faces and p not in open_pair]
        first = unknown[0]
        player.click_cell(first)
        pixels = player.turned(first, back)
        face = player.picture(pixels, first)
        if seen:
            seen(pixels, first)
        match = next((p for p, f in faces.items() if f == face), None)
        second = match if match is not None else unknown[1]
        player.click_cell(second)
        attempts += 1
        pixels = player.turned(second, back)
        if match is not None or player.picture(pixels, second) == player.picture(pixels, first) != face:
            # A found pair leaves the board at once; its second face is never shown.
            removed.update({first, second})
            faces.pop(match, None)
            open_pair = set()
        else:
            if seen:
                seen(pixels, second)
            faces[first] = face
            faces[second] = player.picture(pixels, second)
            open_pair = {first, second}
            if shots and not screenshot_taken and len(removed) >= gone:
                player.shot(keep=shots)
                screenshot_taken = True
    return attempts


def rounds_game(platform, screen, rounds, shots):
    """One run of the program, a round on each board of `rounds`: the full one it starts on as a player who never
    chose plays it, each other chosen from the menu by mouse, its cards where that board's lie; each played to its end
    and saved into its own table, iPaare holding it. Then a card turned, MIX IT deals anew; END IT ends with 0."""
    player = Player(platform, screen).open()
    kept = []
    try:
        if isinstance(platform, Linux) and (player.width, player.height) != (LAYOUT_WIDTH, LAYOUT_HEIGHT):
            # With no window manager there is no frame: the window is the layout's outer size.
            fail(f"the window is {player.width} x {player.height}, not {LAYOUT_WIDTH} x {LAYOUT_HEIGHT}")
        player.shows_board(player.drawn())
        for board in rounds:
            if board != player.board:
                player.choose_board(board)
                # Dealt, until the game's first failed pair takes its place.
                player.shows_board(player.drawn())
            if board == FULL:
                attempts = play(player, shots / "screenshot-playing.png" if shots else None)
                player.shot(keep=shots / "screenshot-finished.png" if shots else None)
            else:
                shot = shots / f"board-{board.pairs}.png" if shots else None
                if shot:
                    player.shot(keep=shot)
                attempts = play(player, shot, gone=0)
                kept.append(shot)
            print(f"{board.caption}: all found in {attempts} attempts")
            save_and_read_back(player, platform, attempts, shots if board == FULL else None)
            if board != FULL and platform.stored_board() != ("REG_DWORD", board.pairs):
                fail(f"iPaare holds {platform.stored_board()} after {board.caption} were chosen")
        back = player.picture(player.drawn(), 0)
        player.click_cell(0)
        player.turned(0, back)
        player.click(592 + 16 + 48, 328 + 24 + 16)  # MIX IT
        player.settled(lambda pixels: player.picture(pixels, 0) == back, "MIX IT did not turn the card back")
        if player.end() != 0:
            fail(f"END IT ended the program with {player.game.returncode}")
        print("MIX IT dealt anew, the card turned shows its back again; END IT ended the program with 0")
    finally:
        player.close()
    if shots and kept:
        subprocess.run(["convert", *map(str, kept), "+append", str(shots / "screenshot-boards.png")], check=True,
                       timeout=DEADLINE)
        for shot in kept:
            shot.unlink()


def save_and_read_back(player, platform, attempts, shots=None, by_keys=None):
    """Saves the result of a game just won on the player's board under a name, and finds it in that board's table
    in the registry and in the Highscore menu; every other table stays as it was. With `by_keys`, the keyboard,
    in the name entry after the last pair, types the name, goes to Save with Tab and presses it with Space; then
    by_keys() is called once the result is stored, before the menu opens."""
    board = player.board
    stored = platform.keys()
    if by_keys:
        player.run("xdotool", "key", "ctrl+a")  # over what an earlier game left there
        player.run("xdotool", "type", "--delay", "20", NAME)
        player.run("xdotool", "key", "Tab", "space")
    else:
        player.click(184 + 100, 232 + 10)  # into the name entry, over what an earlier game left there
        player.run("xdotool", "key", "ctrl+a")
        player.run("xdotool", "type", "--delay", "20", NAME)
        player.click(248 + 56, 272 + 12)   # Save
    expected = {"sErster": ("REG_SZ", NAME), "sZweiter": ("REG_SZ", " "), "sDritter": ("REG_SZ", " "),
                "iErster": ("REG_DWORD", attempts), "iZweiter": ("REG_DWORD", -1),
                "iDritter": ("REG_DWORD", -1)}
    values = wait_until(lambda: platform.registry(board) == expected and expected, lambda: "the registry did not "
                        f"hold the saved result: {platform.registry(board)} instead of {expected}")
    where = "" if board == FULL else f" under {board.caption}"
    how = f"; the keyboard was in the name entry, Tab and Space saved {NAME}" if by_keys else ""
    print(f"registry{where}: " + ", ".join(f"{name} {values[name][0]} {values[name][1]!r}" for name in VALUES) + how)
    after = platform.keys()
    changed = [b.caption for b in BOARDS if b != board and table_of(after, b) != table_of(stored, b)]
    if changed:
        fail(f"saving on {board.caption} changed the table of {changed}")
    if by_keys:
        by_keys()

    area = (player.x, player.y, LAYOUT_WIDTH, 200)
    before = (*area, player.grab(*area, "before.png"))
    player.key("alt+h")  # the Highscore menu
    line = f"1.{NAME}mit{attempts}Versuchen"
    heading = "" if board == FULL else f"Spielfeld:{board.pairs}Paare"
    read = [""]

    def shows_table():
        # The heading is unavailable, the result's line in a menu opened by keys highlighted.
        read[0] = player.read_new(before) + " / " + player.read_new(before, dim=True)
        return line in read[0] and heading in read[0] and (heading or "Spielfeld" not in read[0])
    wait_until(shows_table, lambda: f"the Highscore menu read {read[0]!r}, not {heading!r} above {line!r}")
    if shots:
        player.grab(*area, "menu.png").replace(shots / "highscore-menu.png")
    print("the Highscore menu reads " + (f"Spielfeld: {board.caption}, " if heading else "")
          + f"1. {NAME} mit {attempts} Versuchen")
    player.key("Escape")


# The photos of an own deck, drawn by ImageMagick: upright, each shows red, green and blue in its top-left, top-right
# and bottom-left quarters and a colour of its own in the bottom-right one, so that a card tells which photo it shows
# and whether it is upright. Each is given by its file name, its upright width and height, and the EXIF orientation
# a phone would store it with (0: none): stored turned the other way, it is upright only once that is applied.
PHOTOS = (("Oma im Garten.jpg", 400, 300, 0, (255, 255, 255)), ("IMG_4711.jpg", 300, 400, 0, (0, 0, 0)),
          ("Hund_Bello.jpg", 300, 400, 6, (255, 255, 0)), ("PXL_20260614_101502123.jpg", 400, 300, 8, (0, 255, 255)),
          ("Haus.jpg", 400, 300, 3, (255, 0, 255)), ("See.png", 400, 300, 0, (255, 128, 0)),
          ("Katze.jpg", 300, 400, 0, (128, 128, 128)), ("Garten 2.jpg", 400, 300, 0, (128, 0, 255)))
# As the form must keep them: the names the files offer, and one typed for each camera's.
OWN_NAMES = ["Oma im Garten", "Opa", "Hund Bello", "Kuchen", "Haus", "See", "Katze", "Garten 2"]
QUARTERS = ((255, 0, 0), (0, 255, 0), (0, 0, 255))
# How a stored photo is turned so that its orientation turns it back upright.
STORED_TURN = {0: [], 6: ["-rotate", "-90"], 8: ["-rotate", "90"], 3: ["-rotate", "180"]}


def with_orientation(jpeg, orientation):
    """The JPEG with an EXIF block right after its start that holds nothing but the orientation, as a phone writes
    it: a little-endian TIFF header and one IFD entry (0x0112, SHORT, 1)."""
    tiff = b"II*\x00" + (8).to_bytes(4, "little") + (1).to_bytes(2, "little") + \
        (0x0112).to_bytes(2, "little") + (3).to_bytes(2, "little") + (1).to_bytes(4, "little") + \
        orientation.to_bytes(2, "little") + b"\x00\x00" + (0).to_bytes(4, "little")
    block = b"Exif\x00\x00" + tiff
    return jpeg[:2] + b"\xff\xe1" + (len(block) + 2).to_bytes(2, "big") + block + jpeg[2:]


def write_photos(folder):
    """The deck's photos, and beside them what must be refused: the same photo again, a text, a JPEG cut off half
    way, an empty file."""
    folder.mkdir()
    hexed = lambda colour: "#%02x%02x%02x" % colour  # noqa: E731
    for name, width, height, orientation, own in PHOTOS:
        half_w, half_h = width // 2, height // 2
        subprocess.run(["convert", "-size", f"{width}x{height}", f"xc:{hexed(QUARTERS[0])}",
                        "-fill", hexed(QUARTERS[1]), "-draw", f"rectangle {half_w},0 {width - 1},{half_h - 1}",
                        "-fill", hexed(QUARTERS[2]), "-draw", f"rectangle 0,{half_h} {half_w - 1},{height - 1}",
                        "-fill", hexed(own), "-draw", f"rectangle {half_w},{half_h} {width - 1},{height - 1}",
                        *STORED_TURN[orientation], "-quality", "92", str(folder / name)], check=True,
                       timeout=DEADLINE)
        if orientation:
            (folder / name).write_bytes(with_orientation((folder / name).read_bytes(), orientation))
    whole = (folder / PHOTOS[0][0]).read_bytes()
    (folder / "Kopie.jpg").write_bytes(whole)
    (folder / "Liste.jpg").write_text("Einkaufsliste: Mehl, Zucker\n")
    subprocess.run(["convert", "-size", "400x300", "plasma:", "-quality", "92", str(folder / "Halb.jpg")], check=True,
                   timeout=DEADLINE)
    noisy = (folder / "Halb.jpg").read_bytes()
    (folder / "Halb.jpg").write_bytes(noisy[:len(noisy) * 3 // 5])
    (folder / "Leer.jpg").write_bytes(b"")
    return [name for name, *_ in PHOTOS] + ["Kopie.jpg", "Liste.jpg", "Halb.jpg", "Leer.jpg"]


def own_face(player, pixels, p):
    """Which photo card p shows, upright and centred: the index in PHOTOS whose four quarters it shows where they
    belong; None for a card that shows no photo so."""
    left, top = player.board.origin(p)
    top += player.menu
    side = player.board.side

    def colour(x, y):
        start = ((top + y) * player.width + left + x) * 3
        return tuple(pixels[start:start + 3])
    near = lambda a, b: all(abs(x - y) <= 48 for x, y in zip(a, b))  # noqa: E731
    quarter, three = side // 4, 3 * side // 4
    seen = [colour(quarter, quarter), colour(three, quarter), colour(quarter, three), colour(three, three)]
    if not all(near(a, b) for a, b in zip(seen, QUARTERS)):
        return None
    return next((i for i, photo in enumerate(PHOTOS) if near(seen[3], photo[4])), None)


def windows_named(env, pattern, visible=True):
    """The windows on the display of `env` whose names match `pattern`; none when there is none (xdotool then ends
    with 1)."""
    return subprocess.run(["xdotool", "search", *(["--onlyvisible"] if visible else []), "--name", pattern],
                          env=env, capture_output=True, text=True, timeout=DEADLINE).stdout.split()


def deck_file(path, photos, names):
    """A deck file as any ZIP tool makes one: the names file and the photos, each a square the deck's size."""
    pictures = []
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for i, (photo, name) in enumerate(zip(photos, names)):
            square = path.parent / f"square-{i}.jpg"
            subprocess.run(["convert", str(photo), "-auto-orient", "-resize", "240x240^", "-gravity", "center",
                            "-extent", "240x240", "-strip", "-quality", "90", str(square)], check=True,
                           timeout=DEADLINE)
            pictures.append({"file": f"foto-{i + 1}.jpg", "name": name})
            archive.write(square, f"foto-{i + 1}.jpg")
        archive.writestr("names.json", json.dumps({"format": 1, "name": "Von weit her", "pictures": pictures},
                                                  ensure_ascii=False))


def opened_from_desktop(platform, screen, program, photos):
    """The desktop opens a deck file with the program, as a double-click does: the desktop entry and the deck's
    type installed for the test's user, xdg-open as a GNOME desktop runs it; the naming form shows the deck's
    names, and Enter takes it."""
    share = platform.work / "home/.local/share"
    (share / "applications").mkdir(parents=True, exist_ok=True)
    (share / "mime/packages").mkdir(parents=True, exist_ok=True)
    entry = (SOURCE / "app/io.github.pairfinder.Pairfinder.desktop").read_text()
    (share / "applications/io.github.pairfinder.Pairfinder.desktop").write_text(
        entry.replace("Exec=pairfinder ", f"Exec={program} "))
    shutil.copy(SOURCE / "app/io.github.pairfinder.Pairfinder.mime.xml",
                share / "mime/packages/io.github.pairfinder.Pairfinder.xml")
    env = platform.environment(screen.display)
    env.update(XDG_DATA_HOME=str(share), XDG_DATA_DIRS="/usr/share", XDG_CURRENT_DESKTOP="GNOME")
    subprocess.run(["update-mime-database", str(share / "mime")], env=env, check=True, capture_output=True,
                   timeout=DEADLINE)
    subprocess.run(["xdg-mime", "default", "io.github.pairfinder.Pairfinder.desktop",
                    "application/x-pairfinder-deck"], env=env, check=True, timeout=DEADLINE)
    names = ["Sonne", "Mond", "Sterne", "Wolke"]
    path = platform.work / "Von weit her.pfdeck"
    deck_file(path, [photos / name for name, *_ in PHOTOS[:4]], names)
    opener = subprocess.Popen(["xdg-open", str(path)], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              preexec_fn=end_with_this_test)
    xdotool = lambda *arguments: subprocess.run(["xdotool", *arguments], env=env, timeout=DEADLINE,  # noqa: E731
                                                capture_output=True, text=True).stdout.split()
    try:
        form = wait_until(lambda: windows_named(env, "^Eigenes Deck zusammenstellen$"),
                          "xdg-open brought no naming form")[0]
        xdotool("windowfocus", form)
        time.sleep(SETTLE)
        xdotool("key", "Return")
        wait_until(lambda: kept_deck(platform) and [name for name, _ in kept_deck(platform)[1]] == names,
                   lambda: f"the deck opened was kept as {kept_deck(platform)}")
        print("xdg-open started the program with the deck file, whose names the form showed and took")
    finally:
        # The desktop started the program, not the test: it is found by its windows on the test's own display.
        for window in windows_named(env, "^(Pairfinder|Eigenes Deck zusammenstellen)$", visible=False):
            for pid in xdotool("getwindowpid", window):
                try:
                    os.kill(int(pid), signal.SIGTERM)
                except ProcessLookupError:
                    pass
        opener.wait(DEADLINE)


def deck_carried(path):
    """What a deck file carries, as Python's zipfile reads it: its deck's name, and each picture's name and bytes in
    the deck's order."""
    with zipfile.ZipFile(path) as archive:
        names = json.loads(archive.read("names.json").decode("utf-8"))
        return names["name"], [(p["name"], archive.read(p["file"])) for p in names["pictures"]]


def kept_deck(platform):
    """The own deck the program keeps in the player's data folder, as deck_carried gives a file's."""
    kept = list(platform.work.rglob("decks/own/names.json"))
    if len(kept) != 1:
        return None
    names = json.loads(kept[0].read_text(encoding="utf-8"))
    return names["name"], [(p["name"], (kept[0].parent / p["file"]).read_bytes()) for p in names["pictures"]]


def deck_travels(platform, screen, opened, saved):
    """A deck file made elsewhere, given to the program as it starts, as the desktop opens one: the naming form
    shows it, Enter takes it, and the deck kept holds its names and its pictures byte for byte; then Spieldeck >
    Eigenes Deck speichern writes it through the save dialog to `saved`, which carries the same again."""
    carried = deck_carried(opened)
    argument = "Z:" + str(opened).replace("/", "\\") if isinstance(platform, Wine) else str(opened)
    player = Player(platform, screen, [*platform.command(), argument])
    dialogs = lambda title: windows_named(player.env, f"^Eigenes Deck {title}$")  # noqa: E731
    try:
        form = wait_until(lambda: dialogs("zusammenstellen"), "the program started with a deck file shows no form")[0]
        player.run("xdotool", "windowfocus", form)
        time.sleep(SETTLE)
        player.run("xdotool", "key", "Return")
        wait_until(lambda: kept_deck(platform) == carried and not dialogs("zusammenstellen"),
                   lambda: f"the deck kept is {kept_deck(platform)}")
        print(f"started with {opened.name}, the program kept its {len(carried[1])} pictures byte for byte with "
              "their names")
        player.open()
        player.key("alt+a")
        time.sleep(SETTLE)
        for key in ("Down", "Right", *["Down"] * 6, "Return"):  # Eigenes Deck speichern
            player.run("xdotool", "key", key)
            time.sleep(SETTLE)
        chooser = wait_until(lambda: dialogs("speichern"), "the save dialog did not open")[0]
        player.run("xdotool", "windowfocus", chooser)
        time.sleep(SETTLE)
        target = "Z:" + str(saved).replace("/", "\\") if isinstance(platform, Wine) else str(saved)
        # The dialog offers a name of its own, which the path typed replaces.
        player.run("xdotool", "key", "End", "shift+Home", "BackSpace")
        player.run("xdotool", "type", "--delay", "10", target)
        player.run("xdotool", "key", "Return")
        wait_until(lambda: saved.exists() and deck_carried(saved) == carried, f"{saved.name} was not written whole")
        print(f"saved again as {saved.name}: the same names and pictures")
        player.end()
    finally:
        player.close()


def own_deck_game(platform, screen, shots):
    """The own deck: Ansicht > Spieldeck > Eigenes Deck by keys opens the file dialog, in which eight photos and four
    files that must be refused are chosen by their names; the naming form keeps the names the files offer and takes
    one typed for each camera's; eight photos fill the 8-pair board, which is dealt and played to its end, every
    face its photo's upright centred square; iEigenesDeck and iPaare are kept. Composing anew, the program is killed
    with the form open; started again, it deals the deck kept before on its board."""
    photos = platform.work / "photos"
    chosen = write_photos(photos)
    eight = BOARDS[1]
    player = Player(platform, screen).open()
    dialogs = lambda: windows_named(player.env, "^Eigenes Deck zusammenstellen$")  # noqa: E731

    def compose(item):
        """The photos chosen in the file dialog, opened by the Spieldeck menu's item `item` lines below Deck 1; the
        naming form once it is ready."""
        player.key("alt+a")
        time.sleep(SETTLE)
        for key in ("Down", "Right", *["Down"] * item, "Return"):
            player.run("xdotool", "key", key)
            time.sleep(SETTLE)
        chooser = wait_until(dialogs, "the file dialog did not open")[0]
        player.run("xdotool", "windowfocus", chooser)
        time.sleep(SETTLE)
        # Wine's file dialog takes the folder by its drive letter.
        folder = "Z:" + str(photos).replace("/", "\\") if isinstance(platform, Wine) else str(photos)
        player.run("xdotool", "type", "--delay", "10", folder)
        player.run("xdotool", "key", "Return")
        time.sleep(SETTLE)
        player.run("xdotool", "type", "--delay", "10", " ".join(f'"{name}"' for name in chosen))
        player.run("xdotool", "key", "Return")
        form = wait_until(lambda: [w for w in dialogs() if w != chooser], "the naming form did not open")[0]
        # The photos are imported one a turn of the program's event loop; the form is ready once it stops changing.
        x, y, width, height = player.geometry(form)
        last = [b""]

        def still():
            now = player.grab(x, y, width, height, "form.png").read_bytes()
            ready, last[0] = now == last[0], now
            return ready
        wait_until(still, "the naming form kept changing")
        return form

    def kept_names():
        kept = [json.loads(f.read_text(encoding="utf-8")) for f in platform.work.rglob("names.json")]
        return [picture["name"] for picture in kept[0]["pictures"]] if len(kept) == 1 else kept

    try:
        player.drawn()
        # Without an own deck, its choice opens the file dialog.
        form = compose(4)
        if shots:
            shutil.copy(player.work / "form.png", shots / "own-deck-form.png")
        player.run("xdotool", "windowfocus", form)
        time.sleep(SETTLE)
        for keys in (["Tab"], ["type", "Opa"], ["Tab", "Tab"], ["type", "Kuchen"], ["Return"]):
            if keys[0] == "type":
                player.run("xdotool", "type", "--delay", "10", keys[1])
            else:
                player.run("xdotool", "key", *keys)
        wait_until(lambda: not dialogs(), "the naming form did not take the deck")
        if kept_names() != OWN_NAMES:
            fail(f"the deck kept the names {kept_names()}")
        print("the file dialog took eight photos and four bad files by their names; the form kept the eight photos "
              "with the names their files offer and those typed for the cameras'")

        player.board = eight
        player.shows_board(player.drawn())
        faces = {}

        def seen(pixels, p):
            photo = own_face(player, pixels, p)
            if photo is None:
                fail(f"card {p} shows none of the photos upright and centred")
            faces.setdefault(photo, set()).add(p)
        attempts = play(player, shots / "own-deck-playing.png" if shots else None, gone=0, seen=seen)
        if sorted(faces) != list(range(len(PHOTOS))):
            fail(f"the cards showed the photos {sorted(faces)}")
        stored = platform.keys().get(HIGHSCORES, {})
        if stored.get("iEigenesDeck") != ("REG_DWORD", 1) or stored.get("iPaare") != ("REG_DWORD", 8):
            fail(f"the store keeps {stored}")
        print(f"the own deck dealt on 8 Paare and played in {attempts} attempts, every photo upright and centred, "
              "those with EXIF orientations 3, 6 and 8 among them; iEigenesDeck 1 and iPaare 8 kept")

        # Composing anew, cut off with the form open: the program killed.
        chosen = [name for name, *_ in PHOTOS[4:]]
        compose(5)  # Eigenes Deck zusammenstellen, below the separator
        player.game.kill()
        player.game.wait(DEADLINE)
    finally:
        player.close()

    player = Player(platform, screen).open()
    try:
        player.board = eight
        player.shows_board(player.drawn())
        if kept_names() != OWN_NAMES:
            fail(f"after the kill the deck keeps the names {kept_names()}")
        back = player.picture(player.drawn(), 0)
        player.click_cell(0)
        if own_face(player, player.turned(0, back), 0) is None:
            fail("started again, the first card shows none of the deck's photos")
        print("killed while composing anew, then started again: the deck kept before is dealt on 8 Paare")
        player.end()
    finally:
        player.close()
    if isinstance(platform, Linux):
        opened_from_desktop(platform, screen, platform.program, photos)


def closed_error_box(player, value):
    """Reading the store fails while the window is made, so the box comes before the window: it must say that the
    value has the wrong type; Enter closes it, and the player turns to the window."""
    box = player.find_window(lambda g: g[2] < LAYOUT_WIDTH // 2 and g[3] < LAYOUT_HEIGHT // 2,
                             "no error box called Pairfinder")
    x, y, width, height = player.geometry(box)
    wait_until(lambda: f"Invaliddatatypefor{value}" in player.read(player.grab(x, y, width, height, "box.png")),
               f"the error box did not read \"Invalid data type for '{value}'\"")
    print(f"the error box, titled Pairfinder, reads: Invalid data type for '{value}'")
    player.window = box
    player.key("Return")
    player.open()


def broken_board(platform, screen):
    """A stored board of the wrong type: the error box says so once, the full board is dealt, and nothing is
    written until a board is chosen."""
    platform.break_board()
    stored = platform.keys()
    player = Player(platform, screen)
    try:
        closed_error_box(player, "iPaare")
        player.shows_board(player.drawn())
        listing = player.run("xdotool", "search", "--onlyvisible", "--name", "^Pairfinder$").split()
        if listing != [player.window]:
            fail(f"{len(listing) - 1} more windows called Pairfinder came after the box")
        print("iPaare stored as text: the error box says so once, and the 32 pairs are dealt")
        player.end()
        if platform.keys() != stored:
            fail(f"the store was written without a board chosen: {platform.keys()} instead of {stored}")
        print("nothing was written to the store")
    finally:
        player.close()


def started_again(platform, screen, board):
    """Started again with the table of the board chosen last damaged (iErster held as text): reading it fails while
    the window is made, so the error box shows the registry's message under the program's title first; once it is
    closed, that board is dealt, and its first card turns over."""
    platform.break_store(board)
    player = Player(platform, screen)
    try:
        closed_error_box(player, "iErster")
        player.board = board
        pixels = player.drawn()
        player.shows_board(pixels)
        back = player.picture(pixels, 0)
        player.click_cell(0)
        player.turned(0, back)
        print(f"iPaare holds {board.pairs}: started again, the program deals {board.caption}; once the box is closed, "
              "the first card turns over")
        player.end()
    finally:
        player.close()


def started_maximised(platform, screen):
    player = Player(platform, screen, platform.command(maximised=True))
    try:
        player.open()
        # Without a window manager to act on it, the window says it is maximised; its size is the manager's.
        wait_until(lambda: all(f"_NET_WM_STATE_MAXIMIZED_{way}" in player.run("xprop", "-id", player.window,
                                                                                "_NET_WM_STATE")
                               for way in ("VERT", "HORZ")), "wine start /max did not maximise the window")
        # The layout stays where it is: the cards are drawn at the top left as before.
        player.drawn()
        print("wine start /max: the window is maximised, the cards at the top left")
        icon_matches_resource(player)
        # With no window manager to move it, the maximised window is not where Wine places its clicks: END IT
        # is pressed with its key.
        player.key("alt+e")
        if player.game.wait(DEADLINE) != 0:
            fail(f"wine start ended with {player.game.returncode}")
    finally:
        player.close()


def icon_matches_resource(player):
    """The window's icon, as a task bar reads it, is the program file's own icon at that size."""
    words = player.run("xprop", "-id", player.window, "-notype", "32c", "_NET_WM_ICON").split("=", 1)[-1]
    numbers = [int(n) for n in words.replace(",", " ").split()]
    if len(numbers) < 2:
        fail("the window carries no icon")
    width, height = numbers[0], numbers[1]
    argb = numbers[2:2 + width * height]
    resource = pathlib.Path(__file__).resolve().parents[2] / "app/pairfinder.ico"
    sizes = player.run("identify", "-format", "%w %h\n", str(resource)).split("\n")
    index = next((i for i, s in enumerate(sizes) if s == f"{width} {height}"), None)
    if index is None:
        fail(f"the window's {width} x {height} icon is no size of the program's icon ({sizes})")
    rgba = subprocess.run(["convert", f"{resource}[{index}]", "-depth", "8", "rgba:-"], check=True,
                          capture_output=True).stdout
    difference = 0
    for i, pixel in enumerate(argb):
        alpha = pixel >> 24 & 255
        ours = [pixel >> 16 & 255, pixel >> 8 & 255, pixel & 255]
        theirs = rgba[4 * i:4 * i + 3]
        difference += abs(alpha - rgba[4 * i + 3]) + sum(abs(a - b) for a, b in zip(ours, theirs)) * alpha // 255
    mean = difference / (width * height)
    if mean > 8:
        fail(f"the window's {width} x {height} icon is not the program's (mean difference {mean:.1f})")
    print(f"the window carries the program file's {width} x {height} icon")


def keyboard_game(platform, screen, rounds):
    """The keyboard plays a round on each board of `rounds`, the first the board the program starts on, each other
    chosen by keys, and saves each; Alt+E ends the program with 0."""
    player = KeyboardPlayer(platform, screen).open()
    automation = platform.automation
    try:
        if automation:
            automation.first_contact(player)
        for board in rounds:
            if automation and board != rounds[0]:
                automation.mark = len(automation.records())
            if board != player.board:
                player.choose_by_keys(board)
            player.visited = []
            attempts = play(player, None)
            print(f"all {board.pairs} pairs found in {attempts} attempts by keys alone")
            # The keyboard went on to the name entry with the last pair; the save comes after the last turn's
            # keys, so everything the game said is in the record once it is stored.
            save_and_read_back(player, platform, attempts, by_keys=lambda: automation and heard(
                automation.heard_game(attempts, player.visited, board), attempts))
        if player.end() != 0:
            fail(f"Alt+E ended the program with {player.game.returncode}")
        print("Alt+E ended the program with 0")
    finally:
        player.close()


def heard(records, attempts):
    print(f"UI Automation was told of the cards in the outline's order and of {2 * attempts} notifications; from "
          "the first contact or the choice to the first turn's outcome:")
    for call, number, kind, name, text in records:
        print(f"  {call} {number}, a {kind} called {name!r}" + (f": {text!r}" if text else ""))
        if "Versuche" in text:
            break
    print(f"  ... the last notification: {next(r[4] for r in reversed(records) if r[0] == 'notification')!r}")


def on_own_screen(make_platform, scenario):
    """Runs scenario(platform, screen) on an Xvfb of its own with a work folder of its own, and ends the program,
    Wine and Xvfb however it ends, also when a test runner that gives up on it stops it with SIGTERM."""
    signal.signal(signal.SIGTERM, lambda signum, frame: fail("stopped from outside"))
    with tempfile.TemporaryDirectory() as folder:
        screen = Screen()
        platform = None
        try:
            platform = make_platform(pathlib.Path(folder), screen)
            scenario(platform, screen)
        finally:
            if platform:
                platform.stop()
            screen.close()


def main():
    parser = argparse.ArgumentParser(description="Plays the real program on its own Xvfb.")
    parser.add_argument("--wine", action="store_true", help="the program is a Windows program, run under Wine")
    parser.add_argument("--uia", type=pathlib.Path, help="the folder of the stand-in for uiautomationcore.dll")
    parser.add_argument("--board", type=int, action="append", choices=[b.pairs for b in BOARDS[:-1]],
                        help="pairs of a smaller board to choose from the menu and play after the full one; may be "
                        "given again; 4, 8 and 18 unless given")
    parser.add_argument("--own-deck", action="store_true", help="compose an own deck from photos and play it")
    parser.add_argument("--deck-file", nargs=2, type=pathlib.Path, metavar=("OPENED", "SAVED"),
                        help="start the program with the deck file OPENED, take it, and save it as SAVED")
    parser.add_argument("program")
    parser.add_argument("shots", nargs="?", type=pathlib.Path, help="the folder to write the screenshots into")
    arguments = parser.parse_intermixed_args()
    program = os.path.abspath(arguments.program)
    boards = [next(b for b in BOARDS if b.pairs == pairs) for pairs in arguments.board or []] or list(BOARDS[:-1])

    def scenarios(platform, screen):
        if arguments.own_deck:
            own_deck_game(platform, screen, arguments.shots)
            return
        if arguments.deck_file:
            deck_travels(platform, screen, *(path.resolve() for path in arguments.deck_file))
            return
        # Under Wine the full board's whole game is the keyboard's, which UI Automation hears.
        rounds_game(platform, screen, ([] if arguments.wine else [FULL]) + boards, arguments.shots)
        started_again(platform, screen, boards[-1])
        broken_board(platform, screen)
        if arguments.wine:
            # Afresh: without the broken choice's error box, which would come before the window, and each result of
            # the keyboard's the first of its board's table.
            platform.reg("delete", WINE_KEY, "/f")
            started_maximised(platform, screen)
            keyboard_game(platform, screen, [FULL, boards[0]])

    def platform(work, screen):
        if not arguments.wine:
            return Linux(program, work)
        stand_in = Automation(arguments.uia.resolve(), work) if arguments.uia else None
        return Wine(program, work, screen.display, stand_in)
    on_own_screen(platform, scenarios)


if __name__ == "__main__":
    main()
