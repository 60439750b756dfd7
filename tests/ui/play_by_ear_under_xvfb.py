#!/usr/bin/python3
"""Plays the real program as a blind player would: keys alone, and what AT-SPI says, never a pixel or a click.

Usage: play_by_ear_under_xvfb.py PROGRAM [--board PAIRS]...

The program runs on an Xvfb of the test's own under openbox, with a D-Bus session bus of the test's own, on which
AT-SPI's bus launcher and registry start as they would on a desktop. The test:
1. Tabs to the cards' grid, moves over it with the arrow keys and turns cards with Enter, learning every face from
   the focused card's accessible name, and plays `play()` of play_under_xvfb.py to the end of the game; every
   turn must have been announced as a notification with its count, and the last with "FERTIG!!".
2. Finds the keyboard in the name entry, types a name, presses Save with Tab and Space, and reads the result back
   from the registry file and from the Highscore menu's items, opened with Alt+H.
3. With --board, chooses that board by keys (Alt+A, the arrow keys to Ansicht > Spielfeld, where only the board in
   play is checked, and to its caption, Enter), which must be announced once as "Neues Spiel: 8 Paare"; the grid
   has the board's rows and columns and names each card for them; End and Home go to its row's ends; then plays
   and saves as above, into that board's own table, and reads it under the Highscore menu's line
   "Spielfeld: 8 Paare".
4. Breaks the store of the board in play, deals anew with the letter m from the cards: the error box is an alert,
   and after Enter the keyboard is on the cards again.
5. Ends the program with Alt+E.

It prints what a screen reader is told for the first turn. Xvfb, openbox, the D-Bus daemons, AT-SPI's and the
program end with the test, however it ends.
"""
import argparse
import os
import re
import pathlib
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import play_under_xvfb as xvfb  # noqa: E402

NAME = "Ohrenspiel"
# A key that moves the focus is answered within this time even on busy cores.
STEP = 10


class Session:
    """A D-Bus session bus of the test's own, in a process group of its own, so that the bus and everything it
    starts (AT-SPI's bus launcher, its bus and its registry) end together."""

    def __init__(self, work, display):
        environment = xvfb.program_environment(work, DISPLAY=display)
        self.daemon = subprocess.Popen(["dbus-daemon", "--session", "--print-address", "--nofork"],
                                       env=environment, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                       text=True, start_new_session=True, preexec_fn=xvfb.end_with_this_test)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            self.close()
            xvfb.fail("dbus-daemon did not start")

    def close(self):
        try:
            os.killpg(self.daemon.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        self.daemon.wait(xvfb.DEADLINE)
        # What the bus started and that left its group would outlive it: end it by its address.
        for status in pathlib.Path("/proc").glob("[0-9]*/environ"):
            try:
                if self.address.encode() in status.read_bytes():
                    os.kill(int(status.parent.name), signal.SIGKILL)
            except (OSError, ValueError):
                pass


class WindowManager:
    def __init__(self, work, display):
        self.process = subprocess.Popen(["openbox", "--sm-disable"], env=xvfb.program_environment(work, DISPLAY=display),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        preexec_fn=xvfb.end_with_this_test)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(xvfb.DEADLINE)


class Heard(xvfb.Linux):
    """The Linux program on the test's bus, with Qt's AT-SPI bridge on whatever the screen reader's state."""

    def __init__(self, program, work, bus):
        super().__init__(program, work)
        self.bus = bus

    def environment(self, display):
        environment = super().environment(display)
        environment.update(DBUS_SESSION_BUS_ADDRESS=self.bus, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        return environment


class Ears:
    """What AT-SPI tells a screen reader: the events it sends, kept in order, and the tree it answers from."""

    def __init__(self, bus, display):
        # libatspi finds the accessibility bus through the session bus and the display it is given here.
        os.environ.update(DBUS_SESSION_BUS_ADDRESS=bus, DISPLAY=display)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.events = []
        for kind in ("object:state-changed:focused", "object:property-change:accessible-name",
                     "object:state-changed:showing", "object:state-changed:sensitive"):
            pyatspi.Registry.registerEventListener(self.heard, kind)

    def heard(self, event):
        try:
            source = event.source
            self.events.append((event.type, source.getRoleName(), source.name, event.detail1,
                                source.getIndexInParent(), source, event.any_data))
        except Exception:  # an object gone before it was asked is nothing to remember
            pass

    def pump(self):
        while self.context.pending():
            self.context.iteration(False)

    def wait_for(self, condition, seconds):
        """What condition gives once it gives something within seconds, else None."""
        deadline = time.monotonic() + seconds
        while time.monotonic() <= deadline:
            self.pump()
            result = condition()
            if result:
                return result
            time.sleep(0.02)
        return None

    def wait(self, condition, what, seconds=xvfb.DEADLINE):
        deadline = time.monotonic() + seconds
        while True:
            self.pump()
            result = condition()
            if result:
                return result
            if time.monotonic() > deadline:
                xvfb.fail(f"{what} within {seconds} s")
            time.sleep(0.02)

    def application(self, pid):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        return None

    def find(self, root, role, name=None):
        """The first object under root of that role (and name)."""
        return self.pyatspi.findDescendant(
            root, lambda o: o.getRoleName() == role and (name is None or o.name == name))

    def since(self, mark, kind=None, role=None):
        return [e for e in self.events[mark:] if (kind is None or e[0] == kind) and (role is None or e[1] == role)]

    def fresh_name(self, accessible):
        accessible.clearCache()
        return accessible.name


class KeyPlayer(xvfb.Player):
    """A player who moves over the cards with the arrow keys, turns them with Enter and learns them by ear."""

    def __init__(self, platform, screen, ears):
        super().__init__(platform, screen)
        self.ears = ears
        self.app = self.grid = None
        self.focused = None

    def open(self):
        super().open()
        self.app = self.ears.wait(lambda: self.ears.application(self.game.pid), "the program on the AT-SPI bus")
        self.grid = self.ears.wait(lambda: self.ears.find(self.app, "table", "Spielfeld"), "the cards' grid")
        self.check_grid()
        return self

    def check_grid(self):
        """The grid has the board's rows and columns, and each card says where it lies on it, face down."""
        board = self.board
        table = self.grid.queryTable()
        shape = (self.grid.childCount, table.nRows, table.nColumns)
        if shape != (board.cells, board.rows, board.columns):
            xvfb.fail(f"the grid has {shape[0]} cells in {shape[1]} rows and {shape[2]} columns on {board.caption}")
        names = [self.ears.fresh_name(self.grid.getChildAtIndex(p)) for p in range(board.cells)]
        expected = [f"Reihe {p // board.columns + 1}, Spalte {p % board.columns + 1}: verdeckt"
                    for p in range(board.cells)]
        if names != expected:
            xvfb.fail(f"the cards of {board.caption} are called {names[:3]}...{names[-1:]}")

    def menu_item_in_focus(self, mark):
        """The name and the object of the menu item that last took the focus since mark, or None."""
        for kind, role, name, gained, index, source, data in reversed(self.ears.since(mark, "object:state-changed:focused")):
            if gained and "menu" in role:
                return name, source
        return None

    def choose_board(self, board):
        """Ansicht > Spielfeld > the board's caption by keys, hearing each item the keyboard reaches."""
        def press(key, what):
            mark = len(self.ears.events)
            self.key(key)
            return self.ears.wait(lambda: self.menu_item_in_focus(mark), f"{key} {what} reached no menu item", STEP)

        item = press("alt+a", "opening Ansicht")
        for _ in range(6):
            if item[0] == "Spielfeld":
                break
            item = press("Down", f"from {item[0]!r}")
        item = press("Right", "on Spielfeld")
        menu = item[1].parent
        checked = [(menu.getChildAtIndex(i).name,
                    menu.getChildAtIndex(i).getState().contains(self.ears.pyatspi.STATE_CHECKED))
                   for i in range(menu.childCount)]
        if checked != [(b.caption, b == self.board) for b in xvfb.BOARDS]:
            xvfb.fail(f"the Spielfeld menu reads {checked} while {self.board.caption} are in play")
        for _ in range(len(xvfb.BOARDS)):
            if item[0] == board.caption:
                break
            item = press("Down", f"from {item[0]!r}")
        mark = len(self.ears.events)
        self.key("Return")
        told = f"Neues Spiel: {board.caption}"
        self.ears.wait(lambda: told in announced(self.ears, mark), f"choosing {board.caption} was not told")
        self.board = board
        self.check_grid()
        return mark

    def key(self, keys):
        self.check_running()
        self.run("xdotool", "key", "--clearmodifiers", keys)

    def focus_on_cards(self):
        """Tab until the focus is on a card."""
        self.run("xdotool", "windowactivate", "--sync", self.window)
        for _ in range(6):
            mark = len(self.ears.events)
            self.key("Tab")
            # The grid takes the focus first, and hands it to its current card.
            self.ears.wait(lambda: self.last_focus(mark) not in (None, "table"), "Tab moved nothing", STEP)
            if self.cell_in_focus(mark) is not None:
                return
        focus = [(e[1], e[2]) for e in self.ears.events[-12:] if e[0] == "object:state-changed:focused" and e[3]]
        xvfb.fail(f"Tab never reached the cards: {focus}")

    def last_focus(self, mark):
        """The role of what last took the focus since mark."""
        gained = [e for e in self.ears.since(mark, "object:state-changed:focused") if e[3]]
        return gained[-1][1] if gained else None

    def cell_in_focus(self, mark=0):
        """The position of the card that last took the focus since mark, or None."""
        for kind, role, name, gained, index, source, data in reversed(self.ears.since(mark, "object:state-changed:focused")):
            if gained:
                return index if role == "push button" and source.parent == self.grid else None
        return None

    def move_to(self, p):
        def step(key, here):
            mark = len(self.ears.events)
            self.key(key)
            return self.ears.wait(lambda: self.cell_in_focus(mark) is not None and self.cell_in_focus(mark) + 1,
                                  f"{key} from card {here} moved nothing", STEP) - 1
        xvfb.walk(self.cell_in_focus(), p, step, self.board.columns)

    def click_cell(self, p):
        self.move_to(p)
        self.key("Return")

    def drawn(self):
        self.focus_on_cards()
        return None

    def picture(self, pixels, p):
        """What card p shows, from its accessible name: a face's name, "verdeckt" or "leer"."""
        name = self.ears.fresh_name(self.grid.getChildAtIndex(p))
        place = f"Reihe {p // self.board.columns + 1}, Spalte {p % self.board.columns + 1}: "
        if not name.startswith(place):
            xvfb.fail(f"card {p} is called {name!r}")
        return name[len(place):]

    def turned(self, p, back):
        if self.cell_in_focus() != p:
            xvfb.fail(f"card {p} was turned without the focus")
        self.ears.wait(lambda: self.picture(None, p) != back, f"card {p} did not turn over", STEP)
        return None

    def end(self):
        self.key("alt+e")
        return self.game.wait(xvfb.DEADLINE)


def announced(ears, mark):
    """What was announced since mark, in order."""
    return [e[2] for e in ears.since(mark, "object:state-changed:showing", "notification") if e[3]]


def first_turn(ears, mark):
    """What a screen reader is told from the first card's focus to the first announcement."""
    told = []
    for kind, role, name, detail, index, source, data in ears.events[mark:]:
        if kind == "object:state-changed:focused" and detail and role == "push button" and index >= 0 \
                and source.parent.getRoleName() == "table":
            told.append(f"focus: {name}")
        elif kind == "object:property-change:accessible-name" and role == "push button":
            told.append(f"name changed: {name} (the event carries {data!r})")
        elif kind == "object:state-changed:showing" and role == "notification":
            told.append(f"notification shown: {name}")
            if "Paar" in name:
                break
    return told


def game_by_ear(player, ears, platform):
    """A whole game on the board in play by keys alone, every turn heard, saved by keys into the board's table and
    read back from the registry and the Highscore menu."""
    board = player.board
    start = len(ears.events)
    attempts = xvfb.play(player, None)
    print(f"all {board.pairs} pairs found in {attempts} attempts, by keys alone")
    if board == xvfb.FULL:
        print("what a screen reader is told for the first turn:")
        for line in first_turn(ears, start)[:12]:
            print("  " + line)

    # Every turn is announced once, with its count, the last with the end of the game; and so is the first
    # card of each turn, by its face.
    said = [e[2] for e in ears.since(start, "object:state-changed:showing", "notification") if e[3]]
    faces = [text for text in said if "Paar" not in text]
    said = [text for text in said if "Paar" in text]
    if len(faces) != attempts or not all(faces):
        xvfb.fail(f"{len(faces)} first cards announced for {attempts} turns: {faces[:3]}")
    if len(said) != attempts:
        xvfb.fail(f"{len(said)} announcements for {attempts} attempts: {said[-3:]}")
    for n, text in enumerate(said, 1):
        if not (": ein Paar" in text or ": kein Paar" in text) or f"Versuche: {n}" not in text:
            xvfb.fail(f"announcement {n} reads {text!r}")
    # The last pair and the final count, then the finish and its prompt, in one announcement.
    finish = (f"Zwei .+: ein Paar\\. Versuche: {attempts}\\. "
              "FERTIG!! Namen f\u00fcr die Highsorce noch schnell eingeben:")
    if not re.fullmatch(finish, said[-1]):
        xvfb.fail(f"the last announcement reads {said[-1]!r}")
    print(f"each turn announced; the last: {said[-1]}")
    status = ears.find(player.app, "status bar")
    if ears.fresh_name(status) != f"Versuche: {attempts}":
        xvfb.fail(f"the status reads {status.name!r}")

    entry = ears.wait(lambda: next((e for e in reversed(ears.events)
                                    if e[0] == "object:state-changed:focused" and e[3]), None),
                      "no focus after the game")
    if entry[1] != "text":
        xvfb.fail(f"after the last pair the focus is on a {entry[1]} called {entry[2]!r}, not the name entry")
    # Over what an earlier game left there.
    player.key("ctrl+a")
    player.run("xdotool", "type", "--delay", "20", NAME)
    player.key("Tab")
    player.key("space")
    expected = {"sErster": ("REG_SZ", NAME), "iErster": ("REG_DWORD", attempts)}
    xvfb.wait_until(lambda: all(platform.registry(board).get(k) == v for k, v in expected.items()),
                    lambda: f"the registry did not hold the saved result: {platform.registry(board)}")
    print(f"saved under {NAME} with the keyboard" + ("" if board == xvfb.FULL else f" into {board.caption}"))

    player.key("alt+h")
    line = f"1. {NAME} mit {attempts} Versuchen"
    # The table's lines, under a line that names the board on any but the full one.
    heading = [] if board == xvfb.FULL else [f"Spielfeld: {board.caption}"]

    def highscore_lines():
        # The open menu is a window of its own, among the application's; its items are its children, those it
        # shows read in order.
        app = ears.application(player.game.pid)
        # Names read afresh: a line's name cached from an earlier game would hide the new one.
        menu = ears.pyatspi.findDescendant(app, lambda o: o.getRoleName() in ("menu", "popup menu") and any(
            ears.fresh_name(o.getChildAtIndex(i)) == line for i in range(o.childCount)))
        if not menu:
            return None
        items = [menu.getChildAtIndex(i) for i in range(menu.childCount)]
        return [(ears.fresh_name(item), item.getState().contains(ears.pyatspi.STATE_SENSITIVE)) for item in items
                if item.getState().contains(ears.pyatspi.STATE_VISIBLE)]
    # A key pressed while the saved game's new deal is still being drawn on a busy machine may open no menu: the
    # menu is asked for again, a few times, before the wait gives up.
    for _ in range(3):
        lines = ears.wait_for(highscore_lines, 15)
        if lines:
            break
        player.key("Escape")
        player.key("Escape")
        player.key("alt+h")
    else:
        lines = ears.wait(highscore_lines, f"no menu with the line {line!r}")
    if [name for name, sensitive in lines[:len(heading)]] != heading or \
            lines[len(heading):] != [("", False), (line, True), ("", False)]:
        xvfb.fail(f"the Highscore menu reads {lines}")
    print(f"the Highscore menu reads: {' / '.join(heading + [line])} (its empty lines unavailable)")
    # The first Escape closes the menu, the second leaves the menu bar.
    player.key("Escape")
    player.key("Escape")



def keyboard_game(program, work, screen, bus, boards):
    ears = Ears(bus, screen.display)
    platform = Heard(program, work, bus)
    player = KeyPlayer(platform, screen, ears).open()
    try:
        game_by_ear(player, ears, platform)
        for board in boards:
            chosen = player.choose_board(board)
            player.focus_on_cards()
            # End and Home go to the ends of the row of the board, not of the window.
            here = player.cell_in_focus()
            first = here - here % board.columns
            last = first + board.columns - 1
            for key, expected in (("Home", first), ("End", last)) if here == last else (("End", last), ("Home", first)):
                mark = len(ears.events)
                player.key(key)
                reached = ears.wait(lambda: player.cell_in_focus(mark) is not None and player.cell_in_focus(mark) + 1,
                                    f"{key} moved nothing on {board.caption}", STEP) - 1
                if reached != expected:
                    xvfb.fail(f"{key} went to card {reached}, not {expected}, on {board.caption}")
            print(f"{board.caption} chosen by keys, told once; the grid has {board.rows} rows and {board.columns} "
                  "columns, End and Home reach its row's ends")
            game_by_ear(player, ears, platform)
            told = announced(ears, chosen).count(f"Neues Spiel: {board.caption}")
            if told != 1:
                xvfb.fail(f"choosing {board.caption} was told {told} times")

        platform.break_store(player.board)
        player.focus_on_cards()
        mark = len(ears.events)
        player.key("m")
        box = ears.wait(lambda: ears.find(ears.application(player.game.pid) or player.app, "alert"),
                        "the error box as an alert")
        print(f"the error box is an alert called {box.name!r}")
        player.key("Return")
        ears.wait(lambda: player.cell_in_focus(mark) is not None, "the focus back on the cards after the error box")
        print("after OK the focus is on the cards again")

        if player.end() != 0:
            xvfb.fail(f"Alt+E ended the program with {player.game.returncode}")
        print("Alt+E ended the program with 0")
    finally:
        player.close()


def main():
    parser = argparse.ArgumentParser(description="Plays the real program by keys and by ear on its own Xvfb.")
    parser.add_argument("--board", type=int, action="append", choices=[b.pairs for b in xvfb.BOARDS],
                        help="pairs of a board to choose by keys and play after the full one; may be given again")
    parser.add_argument("program")
    arguments = parser.parse_intermixed_args()
    program = os.path.abspath(arguments.program)
    boards = [next(b for b in xvfb.BOARDS if b.pairs == pairs) for pairs in arguments.board or []]
    signal.signal(signal.SIGTERM, lambda signum, frame: xvfb.fail("stopped from outside"))
    with tempfile.TemporaryDirectory() as folder:
        work = pathlib.Path(folder)
        screen = xvfb.Screen()
        manager = session = None
        try:
            manager = WindowManager(work, screen.display)
            session = Session(work, screen.display)
            keyboard_game(program, work, screen, session.address, boards)
        finally:
            for started in (session, manager, screen):
                if started:
                    started.close()


if __name__ == "__main__":
    main()
