#!/usr/bin/env python3
"""Plays the real program on its own Xvfb, by looking at the screen and clicking like a player.

Usage: play_under_xvfb.py PROGRAM [SCREENSHOT_FOLDER]
       play_under_xvfb.py --wine PROGRAM.exe [--uia FOLDER] [SCREENSHOT_FOLDER]

With --wine the Windows program runs under Wine, in a Wine prefix of its own, against Wine's registry. With --uia,
the folder of the stand-in for uiautomationcore.dll and the first contact (tests/windows), the stand-in takes
UI Automation's place in the prefix and writes down what the program tells it.

1. A whole game: it remembers every face it has seen, takes a known pair whenever it has one, saves the result
   under a name, reads the Highscore menu off the screen and the six values out of the registry, then MIX IT
   deals again and END IT ends the program with 0.
2. A broken store (iErster held as text): the error box shows the registry's message under the program's
   title, and once it is closed the cards still turn over.
3. Under Wine: started maximised (`wine start /max`), the window is maximised with the layout in its
   top-left corner, and it carries the icon from the program file's resources.
4. Under Wine: a whole game by keys alone, watched by the focus outline on the screen: Tab to the cards, the arrow
   keys to each card, Enter to turn it; the keyboard is in the name entry at the end, Tab and Space save, Alt+E ends.
   With --uia, a client's first contact starts Qt's bridge before the first Tab, and UI Automation must have been
   told: each card the keyboard reached, by its name, in the order the outline went, never an emptied one; each
   first card's face and each turn's outcome with its count as notifications, once each, the last with "FERTIG!!".

With a folder it also writes screenshot-playing.png (a failed pair open), screenshot-finished.png (the banner
and the name entry) and highscore-menu.png.
"""
import ctypes
import hashlib
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


def card_metrics():
    """Card and menu sizes as the build wrote them out, in the file PAIRFINDER_CARD_METRICS names."""
    path = os.environ.get("PAIRFINDER_CARD_METRICS")
    if not path:
        sys.exit("set PAIRFINDER_CARD_METRICS to card_metrics.env in the build folder")
    pairs = (line.split("=", 1) for line in pathlib.Path(path).read_text().splitlines() if "=" in line)
    return {name.strip(): int(value) for name, value in pairs}


METRICS = card_metrics()
CELLS = 64
COLUMNS, CELL, PITCH, MARGIN = (METRICS[k] for k in ("CardColumns", "CardSize", "CardPitch", "CardMargin"))
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

    def registry(self):
        """The six values as (kind, data), read from the file the store writes as regedit exports."""
        if not self.file.exists():
            return {}
        values = {}
        for line in self.file.read_text(encoding="utf-16").splitlines():
            text = re.fullmatch(r'"(\w+)"="(.*)"', line)
            number = re.fullmatch(r'"(\w+)"=dword:([0-9a-f]{8})', line)
            if text:
                values[text[1]] = ("REG_SZ", text[2])
            elif number:
                values[number[1]] = ("REG_DWORD", signed(int(number[2], 16)))
        return values

    def break_store(self):
        self.file.parent.mkdir(parents=True, exist_ok=True)
        self.file.write_text('Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\r\n'
                             '"iErster"="7"\r\n\r\n', encoding="utf-16")

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
            entry = re.fullmatch(r" {4}(\S*) {4}(REG_\w+) {4}(.*)", line)
            if line.startswith("HKEY_"):
                values = keys.setdefault(line, {})
            elif entry and values is not None:
                kind, data = entry[2], entry[3]
                values[entry[1]] = (kind, signed(int(data, 16)) if kind == "REG_DWORD" else data)
        return keys

    def registry(self):
        """The six values as (kind, data), as `wine reg query` lists them."""
        return self.query("HKCU\\Software\\Pairfinder").get("HKEY_CURRENT_USER\\Software\\Pairfinder", {})

    def break_store(self):
        added = self.reg("add", "HKCU\\Software\\Pairfinder", "/v", "iErster", "/t", "REG_SZ", "/d", "7", "/f")
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

    def heard_game(self, attempts, visited):
        """Checks what UI Automation was told during a game by keys of `attempts` turns in which the keyboard
        went over the cards `visited`, and returns it."""
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
            p = (int(card[1]) - 1) * COLUMNS + int(card[2]) - 1
            # The grid's own focus and its card's are the same card: it is heard once.
            if not cards or cards[-1] != p:
                cards.append(p)
        reached = [p for i, p in enumerate(visited) if i == 0 or visited[i - 1] != p]
        if cards != reached:
            fail(f"the cards focused for UI Automation, {cards[:8]}..., are not those the outline went over, "
                 f"{reached[:8]}...")

        said = [text for call, number, kind, name, text in heard if call == "notification"]
        if len(said) != 2 * attempts:
            fail(f"{len(said)} notifications for {attempts} turns: {said[:4]}")
        for n in range(1, attempts + 1):
            face, outcome = said[2 * n - 2], said[2 * n - 1]
            count = self.COUNT.search(outcome)
            missed = outcome.startswith(f"{face} und ") and ": kein Paar. " in outcome
            paired = outcome.startswith("Zwei ") and ": ein Paar. " in outcome
            if not face or "Paar" in face or not (missed or paired) or not count or int(count[1]) != n:
                fail(f"turn {n} was told as {face!r} and {outcome!r}")
        if "FERTIG!!" not in said[-1]:
            fail(f"the last turn was told as {said[-1]!r}")
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

    def read(self, path):
        """The text a reader sees in the picture, without its blanks."""
        large = self.work / "large.png"
        self.run("convert", str(path), "-resize", "300%", "-colorspace", "Gray", str(large))
        text = subprocess.run(["tesseract", str(large), "-", "--psm", "6"], capture_output=True, text=True).stdout
        # Blanks and quotation marks are what a reader of small type gets wrong most; neither counts.
        return re.sub("[\\s'\u2018\u2019`\u00b4]+", "", text)

    def read_new(self, before):
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
        return self.read(part)

    def picture(self, pixels, p):
        x, y = cell_origin(p)
        y += self.menu
        digest = hashlib.sha1()
        for row in range(y, y + CELL):
            start = (row * self.width + x) * 3
            digest.update(pixels[start:start + CELL * 3])
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
        style and fonts: it is where the last card of the first row begins, less the margin above the cards."""
        column = MARGIN + PITCH * (COLUMNS - 1) + CELL // 2

        def card_top(pixels):
            for y in range(min(self.height, 80)):
                start = (y * self.width + column) * 3
                if sum(pixels[start:start + 3]) < 200:  # the dark edge of a card's back
                    return y
            return None

        pixels = self.settled(lambda pixels: card_top(pixels) is not None, "the cards were not drawn")
        self.menu = card_top(pixels) - MARGIN
        return pixels

    def turned(self, p, back):
        """A settled screenshot once card p no longer shows its back."""
        return self.settled(lambda pixels: self.picture(pixels, p) != back, f"card {p} did not turn over")

    def click_cell(self, p):
        x, y = cell_origin(p)
        self.click(x + CELL // 2, y + CELL // 2)

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
        for p in range(CELLS):
            x, y = cell_origin(p)
            row = (y + self.menu + CELL // 2) * self.width
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
        x, y = cell_origin(p)
        y += self.menu
        digest = hashlib.sha1()
        for row in range(y, y + CELL - 8):
            start = (row * self.width + x) * 3
            digest.update(pixels[start:start + CELL * 3])
        return digest.hexdigest()

    def click_cell(self, p):
        def step(key, here):
            self.run("xdotool", "key", key)
            return self.outline_moved(f"{key} from card {here} moved the outline nowhere")
        self.here = walk(self.here, p, step)
        self.run("xdotool", "key", "Return")

    def end(self):
        self.key("alt+e")
        return self.game.wait(DEADLINE)


def walk(here, p, step):
    """Takes the keyboard from card `here` to card p with the arrow keys: step(key, here) presses one and returns
    the card the keyboard is on then. Down and Up go row by row; where one passes the row over empty cells, the
    cards are walked in reading order with Right and Left instead."""
    by_rows = True
    while here != p:
        row, target = here // COLUMNS, p // COLUMNS
        if by_rows and row != target:
            key = "Down" if row < target else "Up"
        else:
            key = "Right" if here < p else "Left"
        moved = step(key, here)
        if by_rows and row != target and (moved // COLUMNS - target) * (row - target) < 0:
            by_rows = False
        here = moved
    return here


def cell_origin(p):
    return MARGIN + PITCH * (p % COLUMNS), MARGIN + PITCH * (p // COLUMNS)


def play(player, shots):
    """Plays a whole game to its end; returns the number of attempts."""
    start = player.drawn()
    back = player.picture(start, 0)
    faces = {}        # position -> face picture, for cards seen but still in play
    removed = set()
    open_pair = set()  # the two faces a failed turn left open
    attempts = 0
    screenshot_taken = False

    while len(removed) < CELLS:
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

        unknown = [p for p in range(CELLS) if p not in removed and p not in faces and p not in open_pair]
        first = unknown[0]
        player.click_cell(first)
        face = player.picture(player.turned(first, back), first)
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
            faces[first] = face
            faces[second] = player.picture(pixels, second)
            open_pair = {first, second}
            if shots and not screenshot_taken and len(removed) >= 16:
                player.shot(keep=shots / "screenshot-playing.png")
                screenshot_taken = True
    return attempts


def whole_game(platform, screen, shots):
    player = Player(platform, screen).open()
    try:
        if isinstance(platform, Linux) and (player.width, player.height) != (LAYOUT_WIDTH, LAYOUT_HEIGHT):
            # With no window manager there is no frame: the window is the layout's outer size.
            fail(f"the window is {player.width} x {player.height}, not {LAYOUT_WIDTH} x {LAYOUT_HEIGHT}")
        attempts = play(player, shots)
        player.shot(keep=shots / "screenshot-finished.png" if shots else None)
        print(f"all 32 pairs found in {attempts} attempts")

        player.click(184 + 100, 232 + 10)  # into the name entry
        player.run("xdotool", "type", "--delay", "20", NAME)
        player.click(248 + 56, 272 + 12)   # Save
        expected = {"sErster": ("REG_SZ", NAME), "sZweiter": ("REG_SZ", " "), "sDritter": ("REG_SZ", " "),
                    "iErster": ("REG_DWORD", attempts), "iZweiter": ("REG_DWORD", -1),
                    "iDritter": ("REG_DWORD", -1)}
        values = wait_until(lambda: platform.registry() == expected and expected, "the registry did not hold "
                            f"the saved result: {platform.registry()} instead of {expected}")
        print("registry: " + ", ".join(f"{name} {values[name][0]} {values[name][1]!r}" for name in VALUES))

        area = (player.x, player.y, LAYOUT_WIDTH, 200)
        before = (*area, player.grab(*area, "before.png"))
        player.key("alt+h")  # the Highscore menu
        line = f"1.{NAME}mit{attempts}Versuchen"
        wait_until(lambda: line in player.read_new(before), f"the Highscore menu did not read '{line}'")
        if shots:
            player.grab(*area, "menu.png").replace(shots / "highscore-menu.png")
        print(f"the Highscore menu reads 1. {NAME} mit {attempts} Versuchen")
        player.key("Escape")

        player.click(592 + 16 + 48, 328 + 24 + 16)  # MIX IT
        player.drawn()
        player.check_running()
        if player.end() != 0:
            fail(f"END IT ended the program with {player.game.returncode}")
        print("MIX IT dealt anew, END IT ended the program with 0")
    finally:
        player.close()


def broken_store(platform, screen):
    platform.break_store()
    player = Player(platform, screen)
    try:
        # Reading the highscores fails while the window is made: the box comes before the window.
        box = player.find_window(lambda g: g[2] < LAYOUT_WIDTH // 2 and g[3] < LAYOUT_HEIGHT // 2,
                                 "no error box called Pairfinder")
        x, y, width, height = player.geometry(box)
        message = "InvaliddatatypeforiErster"
        wait_until(lambda: message in player.read(player.grab(x, y, width, height, "box.png")),
                   "the error box did not read \"Invalid data type for 'iErster'\"")
        print("the error box, titled Pairfinder, reads: Invalid data type for 'iErster'")
        player.window = box
        player.key("Return")
        player.open()
        back = player.picture(player.drawn(), 0)
        player.click_cell(0)
        player.turned(0, back)
        print("once it is closed, the first card turns over")
        player.end()
    finally:
        player.close()


def started_maximised(platform, screen):
    # Without the broken store's error box, which would come before the window.
    platform.reg("delete", "HKCU\\Software\\Pairfinder", "/f")
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


def keyboard_game(platform, screen):
    player = KeyboardPlayer(platform, screen).open()
    automation = platform.automation
    try:
        if automation:
            automation.first_contact(player)
        attempts = play(player, None)
        print(f"all 32 pairs found in {attempts} attempts by keys alone")
        # The keyboard went on to the name entry with the last pair.
        player.run("xdotool", "type", "--delay", "20", NAME)
        player.run("xdotool", "key", "Tab", "space")
        wait_until(lambda: platform.registry().get("iErster") == ("REG_DWORD", attempts),
                   f"the registry did not hold the result saved by keys: {platform.registry()}")
        print(f"the keyboard was in the name entry; Tab and Space saved {NAME} with {attempts} attempts")
        if automation:
            # The save came after the last turn's keys, so everything the game said is in the record by now.
            heard = automation.heard_game(attempts, player.visited)
            print(f"UI Automation was told of the cards in the outline's order and of {2 * attempts} notifications;"
                  " from the first contact to the first turn's outcome:")
            for call, number, kind, name, text in heard:
                print(f"  {call} {number}, a {kind} called {name!r}" + (f": {text!r}" if text else ""))
                if "Versuche" in text:
                    break
            print(f"  ... the last notification: {next(r[4] for r in reversed(heard) if r[0] == 'notification')!r}")
        if player.end() != 0:
            fail(f"Alt+E ended the program with {player.game.returncode}")
        print("Alt+E ended the program with 0")
    finally:
        player.close()


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
    arguments = sys.argv[1:]
    wine = arguments[:1] == ["--wine"]
    if wine:
        arguments = arguments[1:]
    program = os.path.abspath(arguments[0])
    stand_in = None
    if wine and arguments[1:2] == ["--uia"]:
        stand_in = pathlib.Path(arguments[2]).resolve()
        arguments = arguments[:1] + arguments[3:]
    shots = pathlib.Path(arguments[1]) if len(arguments) > 1 else None

    def scenarios(platform, screen):
        whole_game(platform, screen, shots)
        broken_store(platform, screen)
        if wine:
            started_maximised(platform, screen)
            keyboard_game(platform, screen)

    def platform(work, screen):
        if not wine:
            return Linux(program, work)
        return Wine(program, work, screen.display, Automation(stand_in, work) if stand_in else None)
    on_own_screen(platform, scenarios)


if __name__ == "__main__":
    main()
