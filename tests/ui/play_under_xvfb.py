#!/usr/bin/env python3
"""Plays one whole game of the real program on its own Xvfb, by looking at the cards like a player.

Usage: play_under_xvfb.py PROGRAM [SCREENSHOT_FOLDER]

It remembers every face it has seen, takes a known pair whenever it has one, saves the result under a name,
and checks that the highscore menu and the registry file then hold it. With a folder it also writes
screenshot-playing.png (a failed pair open) and screenshot-finished.png (the banner and the name entry).
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

WIDTH, HEIGHT = 739, 645


def card_metrics():
    """Card and menu sizes as the build wrote them out, in the file PAIRFINDER_CARD_METRICS names."""
    path = os.environ.get("PAIRFINDER_CARD_METRICS")
    if not path:
        sys.exit("set PAIRFINDER_CARD_METRICS to card_metrics.env in the build folder")
    pairs = (line.split("=", 1) for line in pathlib.Path(path).read_text().splitlines() if "=" in line)
    return {name.strip(): int(value) for name, value in pairs}


METRICS = card_metrics()
# The client area starts below the menu bar.
MENU = METRICS["MenuBarHeight"]
CELLS = 64
COLUMNS, CELL, PITCH, MARGIN = (METRICS[k] for k in ("CardColumns", "CardSize", "CardPitch", "CardMargin"))
NAME = "Xdotool"
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


class Player:
    def __init__(self, program, work):
        self.work = pathlib.Path(work)
        self.game = None
        # Xvfb picks a free display itself and reports it, so parallel runs never collide.
        read_end, write_end = os.pipe()
        # Its output goes nowhere: a server left holding the test runner's pipe would keep the runner waiting.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=end_with_this_test)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            self.close()
            fail("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + display, XDG_CONFIG_HOME=str(self.work / "config"))
        (self.work / "config").mkdir()
        self.game = subprocess.Popen([program], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     preexec_fn=end_with_this_test)
        try:
            self.window = self.run("timeout", str(DEADLINE), "xdotool", "search", "--sync", "--onlyvisible",
                                   "--name", "^Pairfinder$").split()[0]
        except BaseException:
            self.close()
            raise

    def close(self):
        for process in (self.game, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                process.wait(DEADLINE)

    def run(self, *command):
        # A program that has gone fails the test at once instead of after every wait's deadline.
        if self.game and self.game.poll() is not None:
            fail(f"the program ended unexpectedly with {self.game.returncode}")
        return subprocess.run(command, env=self.env, check=True, capture_output=True, text=True).stdout

    def click_window(self, x, y):
        self.run("xdotool", "mousemove", "--window", self.window, str(x), str(y), "click", "1")
        time.sleep(0.05)

    # Layout coordinates, in the client area.
    def click(self, x, y):
        self.click_window(x, y + MENU)

    def shot(self, keep=None):
        path = self.work / "shot.png"
        self.run("import", "-window", self.window, str(path))
        if keep:
            shutil.copyfile(path, keep)
        pixels = subprocess.run(["convert", str(path), "-depth", "8", "rgb:-"], check=True,
                                capture_output=True).stdout
        if len(pixels) != WIDTH * HEIGHT * 3:
            fail(f"the window is not {WIDTH} x {HEIGHT}")
        return pixels

    @staticmethod
    def cell_origin(p):
        return MARGIN + PITCH * (p % COLUMNS), MARGIN + PITCH * (p // COLUMNS)

    def picture(self, pixels, p):
        x, y = self.cell_origin(p)
        digest = hashlib.sha1()
        for row in range(y + MENU, y + MENU + CELL):
            start = (row * WIDTH + x) * 3
            digest.update(pixels[start:start + CELL * 3])
        return digest.hexdigest()

    def settled(self, accept, what):
        """A screenshot once the window has stopped changing and accept(pixels) holds.

        On a loaded machine a read can catch a card half painted, so a picture counts only once two reads a
        short time apart agree.
        """
        deadline = time.monotonic() + DEADLINE
        previous = self.shot()
        while True:
            time.sleep(SETTLE)
            pixels = self.shot()
            if pixels == previous and accept(pixels):
                return pixels
            if time.monotonic() > deadline:
                fail(f"{what} within {DEADLINE} s")
            previous = pixels

    def turned(self, p, back):
        """A settled screenshot once card p no longer shows its back."""
        return self.settled(lambda pixels: self.picture(pixels, p) != back, f"card {p} did not turn over")

    def click_cell(self, p):
        x, y = self.cell_origin(p)
        self.click(x + CELL // 2, y + CELL // 2)


def play(player, shots):
    # A window not yet painted is one flat colour where the first card goes.
    start = player.settled(lambda pixels: len(set(pixels[(MENU + MARGIN) * WIDTH * 3:][:WIDTH * 3 * CELL])) > 8,
                           "the cards were not drawn")
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


def wait_for_registry(path, attempts):
    """The registry file once it holds the saved result as the first place; the save is one rename."""
    deadline = time.monotonic() + DEADLINE
    registry = ""
    while time.monotonic() < deadline:
        if path.exists():
            # Written as regedit writes an export: UTF-16LE after its byte order mark.
            registry = path.read_text(encoding="utf-16")
            if f'"sErster"="{NAME}"' in registry and f'"iErster"=dword:{attempts:08x}' in registry:
                return registry
        time.sleep(SETTLE)
    fail(f"the result is not the first place within {DEADLINE} s:\n{registry}")


def main():
    program = sys.argv[1]
    shots = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else None
    with tempfile.TemporaryDirectory() as work:
        player = Player(program, work)
        try:
            attempts = play(player, shots)
            player.shot(keep=shots / "screenshot-finished.png" if shots else None)
            print(f"all 32 pairs found in {attempts} attempts")

            player.click(184 + 100, 232 + 10)  # into the name entry
            player.run("xdotool", "type", "--delay", "20", NAME)
            player.click(248 + 56, 272 + 12)   # Save
            registry = wait_for_registry(pathlib.Path(work) / "config/pairfinder/registry.reg", attempts)
            for value in ("sErster", "sZweiter", "sDritter", "iErster", "iZweiter", "iDritter"):
                if f'"{value}"' not in registry:
                    fail(f"{value} is missing from the registry file:\n{registry}")

            player.click_window(135, 9)  # the Highscore menu's title in the menu bar
            player.settled(lambda pixels: True, "the window did not settle with the menu open")
            if shots:
                player.run("import", "-window", "root", "-crop", "739x200+188+70", str(shots / "highscore-menu.png"))
            player.run("xdotool", "key", "Escape")

            player.click(592 + 16 + 48, 328 + 24 + 16)  # MIX IT
            if player.game.poll() is not None:
                fail("the program ended before END IT")
            player.click(592 + 16 + 48, 328 + 184 + 16)  # END IT
            if player.game.wait(DEADLINE) != 0:
                fail(f"exit code {player.game.returncode}")
            print(f"saved as {NAME}, registry file holds the six values, END IT ended the program with 0")
        finally:
            player.close()


if __name__ == "__main__":
    # A test runner that gives up on the test stops it with SIGTERM: end through the same cleanup as a failure.
    signal.signal(signal.SIGTERM, lambda signum, frame: fail("stopped from outside"))
    main()
