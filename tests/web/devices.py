"""The page on the devices it is made for, scenarios of play_in_chromium.py (which runs them):

  shapes        every board on every screen of SCREENS, with touch and a phone's safe area: the arrangement each
                must get, no scrolling, everything inside the safe area, the cards, the panels and the menu bar
                clear of one another, on a phone every text at least 16 px and every button and the name entry a finger's
                height, every card's clickable area at least as large as that screen asks for, on the screen's
                pixels, and every card's back alike; a smaller board's cards a finger's size everywhere, and at the
                window's own size every board's cards where the desktop window has them. On a phone held upright
                (390 x 844), the page opened again deals the board chosen last, and each board is played whole by
                taps, each card tapped where the page lays it out and read by its name, each result saved by taps
                into its own table, the full board's left as it was; the full board's game turned on its side in
                mid-game and back with a name half typed: the cards, the count and the name stay as they were
  offline       served, visited once, the server stopped: the folder's own address (/) plays a whole game from
                what the service worker kept, and so does its index.html; a new release with one file missing on
                the server is never taken, and the last good one plays on offline, whole; the release complete
                is taken whole, never mixed with the old one; after the first visit, Chromium's installability check
                reports nothing, and the manifest hands the page .pfdeck files
  failed-loads  without WebAssembly, without the game's script, and with a runtime that aborts: each time the
                page's own message instead of a blank page, and after the abort a press shows the error box
"""
import functools
import itertools
import json
import pathlib
import shutil
import subprocess
import time

import play_in_chromium as page
import play_under_xvfb as desktop
from play_under_xvfb import fail, wait_until

WRITE_WORKER = pathlib.Path(__file__).resolve().parents[2] / "web/offline.cmake"
# A phone's notch and home bar, as an iPhone held upright has them.
SAFE_AREA = {"top": 47, "topMax": 47, "bottom": 34, "bottomMax": 34, "left": 0, "leftMax": 0, "right": 0,
             "rightMax": 0}
NO_SAFE_AREA = {side: 0 for side in ("top", "topMax", "bottom", "bottomMax", "left", "leftMax", "right", "rightMax")}
TURNED_SAFE_AREA = {"top": 0, "topMax": 0, "bottom": 21, "bottomMax": 21, "left": 47, "leftMax": 47, "right": 47,
                    "rightMax": 47}


# The screens the page is measured on: the arrangement each must get and the least side of a card's clickable area
# there (0 where only the arrangement's other sizes are asked for). On a phone no text is smaller than LEAST_TEXT,
# and whatever a finger presses is LEAST_TOUCH tall.
SCREENS = [(390, 844, "phone-portrait", 48), (844, 390, "phone-landscape", 46), (360, 640, "phone-portrait", 40),
           (640, 360, "phone-landscape", 0), (430, 932, "phone-portrait", 44), (820, 1180, "window", 64),
           (1180, 820, "window", 0), (1280, 800, "window", 74), (739, 645, "window", 60)]
LEAST_TEXT, LEAST_TOUCH = 16, 44


def set_screen(browser, width, height, safe_area=None):
    browser.width, browser.height, browser.ratio, browser.phone = width, height, 2, True
    browser.prepare_screen()
    browser.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    browser.cdp("Emulation.setSafeAreaInsetsOverride", {"insets": safe_area or NO_SAFE_AREA})


# Every element that shows something, with its box, its text size and whether a finger presses it; the outcome
# controls and the error box shown for the measure, as they show at the end of a game and after a failed save.
MEASURE = """
const shown = (node) => node.getClientRects().length > 0 && getComputedStyle(node).visibility !== 'hidden';
const boxes = [];
for (const node of document.querySelectorAll('#Form1 *, #ErrorBox *')) {
    if (!shown(node)) continue;
    const r = node.getBoundingClientRect();
    const text = [...node.childNodes].some((c) => c.nodeType === 3 && c.textContent.trim());
    boxes.push({id: node.id || node.className, left: r.left, top: r.top, right: r.right, bottom: r.bottom,
                width: r.width, height: r.height, text, size: parseFloat(getComputedStyle(node).fontSize),
                pressed: node.matches('button, input, .menubar .title'), card: node.matches('.cell'),
                region: node.matches('.panel, .menubar')});
}
const root = document.documentElement;
return {boxes, scroll: [root.scrollWidth, root.scrollHeight, innerWidth, innerHeight],
        beside: document.getElementById('MainMenu1').getBoundingClientRect().left > 0,
        phone: getComputedStyle(document.getElementById('Form1')).getPropertyValue('--room-w') !== ''};
"""


def measure(browser, state):
    return browser.script(state + MEASURE)


def pictures(browser):
    """Every card as the screen shows it, at the device's pixels."""
    wait_until(lambda: browser.script("return [...document.querySelectorAll('.cell img')].every((i) => i.complete)"),
               "the cards were not drawn")
    boxes = browser.script("return [...document.querySelectorAll('.cell')].filter((n) => n.checkVisibility())"
                           ".map((n) => { const r = n.getBoundingClientRect();"
                           "return [r.left, r.top, r.width, r.height]; })")
    image = browser.screenshot()
    return [page.Picture(image.crop((left, top, left + width, top + height)))
            for left, top, width, height in ([round(v * browser.ratio) for v in box] for box in boxes)]


def misplaced(cards, board):
    """On a screen the window's size, the window is drawn at its own size: the board's first and last card lie in
    the window's card area where the desktop window has them."""
    menu = desktop.METRICS["MenuBarHeight"]
    wrong = []
    for card, p in ((cards[0], 0), (cards[-1], board.cells - 1)):
        x, y = board.origin(p)
        expected = [x, y + menu, board.side, board.side]
        found = [round(card[key]) for key in ("left", "top", "width", "height")]
        if found != expected:
            wrong.append(f"{card['id']} of {board.caption} lies at {found}, not at {expected}")
    return wrong


def scenario_shapes(browser, work, page_folder):
    reveal = ("for (const id of ['lbl_ferdisch', 'lbl_Name', 'edt_Name', 'btn_Save']) "
              "document.getElementById(id).hidden = false;"
              "document.querySelectorAll('.cell img').forEach((i) => { i.hidden = true; });")
    error = "Module.frontEnd.showError(document.title, 'Failed to set data for \\'sErster\\'');"
    full = None
    for (width, height, gets, least_full), board in itertools.product(SCREENS, desktop.BOARDS):
        insets = SAFE_AREA if height > width else TURNED_SAFE_AREA
        set_screen(browser, width, height, insets if gets != "window" else None)
        browser.open((page_folder / "index.html").as_uri())
        # A smaller board has larger cards, which a finger must be able to hit on every screen.
        least_card = least_full if board == desktop.FULL else max(least_full, LEAST_TOUCH)
        # The board chosen last is the one the page starts on, so each is chosen, the full one too.
        page.choose_board(browser, board)
        backs = pictures(browser)
        alike = all(back == backs[0] for back in backs)
        problems = [] if alike else ["the cards' backs do not all look alike"]
        for state, script in (("at the start", ""), ("at the finish", reveal), ("with the error box", error)):
            seen = measure(browser, script)
            arrangement = "window" if not seen["phone"] else "phone-landscape" if seen["beside"] else "phone-portrait"
            if arrangement != gets:
                fail(f"{width} x {height} got the {arrangement} arrangement, not the {gets} one")
            scroll_width, scroll_height, inner_width, inner_height = seen["scroll"]
            if scroll_width > inner_width or scroll_height > inner_height:
                problems.append(f"{state}: it scrolls ({scroll_width} x {scroll_height})")
            cards = [b for b in seen["boxes"] if b["card"]]
            if len(cards) != board.cells and state == "at the start":
                problems.append(f"{len(cards)} cards are shown")
            if (width, height) == (desktop.LAYOUT_WIDTH, desktop.LAYOUT_HEIGHT) and state == "at the start":
                problems += misplaced(cards, board)
            for card in cards:
                if min(card["width"], card["height"]) < least_card - 0.01:
                    problems.append(f"{card['id']} is {card['width']:.1f} x {card['height']:.1f}")
                if any(abs(card[side] - round(card[side])) > 0.01 for side in ("left", "top", "width", "height")):
                    problems.append(f"{card['id']} lies off the pixels at {card['left']}, {card['top']}")
            for one, other in itertools.combinations([b for b in seen["boxes"] if b["card"] or b["region"]], 2):
                if min(one["right"], other["right"]) - max(one["left"], other["left"]) > 0.5 and \
                        min(one["bottom"], other["bottom"]) - max(one["top"], other["top"]) > 0.5:
                    problems.append(f"{one['id']} and {other['id']} overlap")
            if gets == "window":
                continue
            left, top = insets["left"], insets["top"]
            right, bottom = width - insets["right"], height - insets["bottom"]
            for box in seen["boxes"]:
                if box["id"] == "ErrorBox" or box["width"] == 0:
                    continue
                if box["left"] < left - 0.5 or box["top"] < top - 0.5 or box["right"] > right + 0.5 or \
                        box["bottom"] > bottom + 0.5:
                    problems.append(f"{state}: {box['id']} leaves the safe area ({box['left']:.0f}, {box['top']:.0f}"
                                    f", {box['right']:.0f}, {box['bottom']:.0f})")
                if box["text"] and box["size"] < LEAST_TEXT - 0.01:
                    problems.append(f"{state}: {box['id']}'s text is {box['size']} px")
                if box["pressed"] and not box["card"] and box["height"] < LEAST_TOUCH - 0.01:
                    problems.append(f"{state}: {box['id']} is {box['height']:.1f} px tall")
        if problems:
            fail(f"at {width} x {height} with {board.caption}: " + "; ".join(sorted(set(problems))[:12]))
        card = min(min(b["width"], b["height"]) for b in measure(browser, "")["boxes"] if b["id"] == "Image1")
        print(f"{width} x {height}, {board.caption}: the {gets} arrangement, cards {card:.1f} px on the screen's "
              "pixels and alike, "
              "nothing scrolls, overlaps or leaves the safe area" +
              ("" if gets == "window" else ", every text and pressed control as large as asked"))
        if (width, height) == (390, 844):
            # Opened again, the page deals the board chosen last, which is played by taps.
            browser.open((page_folder / "index.html").as_uri())
            if browser.script("return document.documentElement.dataset.board") != str(board.pairs):
                fail(f"opened again after {board.caption} were chosen, the page deals "
                     f"{browser.script('return document.documentElement.dataset.board')} pairs")
            full = page.stored_values(browser, page.ITEM) if full is None else full
            played_by_taps(browser, board, full)


class TouchPlayer(page.QuickPlayer):
    """The desktop tests' player on a phone: it finds each card where the page lays it out and taps it there, and
    learns what each card shows from its name, as a screen reader does. After `turn_at` taps it turns the device
    with `turn`."""

    def __init__(self, browser, turn_at=None, turn=None):
        super().__init__(browser, None)
        self.turn_at, self.turn = turn_at, turn
        self.taps = 0

    def click_cell(self, p):
        left, top, width, height = self.browser.script(
            "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height]", f"Image{p + 1}")
        self.browser.tap(left + width / 2, top + height / 2)
        self.keep_emptied()
        self.taps += 1
        if self.taps == self.turn_at:
            self.turn()

    def turned(self, p, back):
        return wait_until(lambda: (lambda c: c if c[p] != back else None)(self.drawn()), f"the tap on card {p} "
                          "did not turn it")


def state(browser):
    """What the page says it is: every card's spoken name, the count, the name entry's text."""
    return browser.script("return [[...document.querySelectorAll('.cell')].map((n) => n.getAttribute('aria-label')),"
                          "document.getElementById('lbl_Count').textContent,"
                          "document.getElementById('edt_Name').value]")


def turn(browser, width, height):
    """The device turned: its screen's metrics change, and the game must go on as it was."""
    before = state(browser)
    set_screen(browser, width, height)
    time.sleep(desktop.SETTLE)
    if state(browser) != before:
        fail(f"turning the device to {width} x {height} changed the game")
    print(f"turned to {width} x {height}: the cards, the count and the name entry are as they were")


def played_by_taps(browser, board, full):
    """A whole game on the board in play by taps on a phone held upright, each result saved by taps into its own
    table, the full board's `full` left as it was; on the full board, turned on its side after twenty taps, and
    back with a name half typed."""
    # Turned on its side after twenty taps, the game goes on by taps in the other arrangement.
    player = TouchPlayer(browser, *((20, functools.partial(turn, browser, 844, 390)) if board == desktop.FULL else ()))
    player.board = board
    attempts = desktop.play(player, None)
    wait_until(lambda: browser.visible("lbl_ferdisch"), f"FERTIG!! was not shown on {board.caption}")
    if browser.text("lbl_Count") != str(attempts) or set(player.drawn()[:board.cells]) != {"leer"}:
        fail(f"the count shows {browser.text('lbl_Count')} after {attempts} attempts by taps, or a card is still in "
             "play at the end of the game")
    name = "Ada" if board == desktop.FULL else board.caption
    for control in ("edt_Name", "btn_Save"):
        box = browser.node(control).rect
        browser.tap(box["x"] + box["width"] / 2, box["y"] + box["height"] / 2)
        if control == "edt_Name" and board != desktop.FULL:
            browser.script("arguments[0].select()", browser.node(control))
            browser.cdp("Input.insertText", {"text": name})
        elif control == "edt_Name":
            # A name half typed, the device turned back upright, the rest typed: the whole name is saved.
            browser.cdp("Input.insertText", {"text": "Ad"})
            turn(browser, 390, 844)
            if browser.script("return document.activeElement.id") != "edt_Name":
                fail("turning the device took the focus out of the name entry")
            browser.cdp("Input.insertText", {"text": "a"})
    wait_until(lambda: not browser.visible("edt_Name"), f"a tap on Save did not save on {board.caption}")
    if board == desktop.FULL:
        expected = f"1. Ada mit {attempts} Versuchen"
        if expected not in page.highscore_menu(browser):
            fail(f"the Highscore menu reads {page.highscore_menu(browser)}, not {expected!r}")
        print(f"all 32 pairs found by taps in {attempts} attempts, the device turned after twenty; a name half typed "
              f"before the turn back and finished after it is saved: {expected}")
        return
    own = page.stored_values(browser, f"{page.ITEM}\\{board.caption}")
    if own[:1] + own[3:4] != [f'"sErster"="{board.caption}"', f'"iErster"=dword:{attempts:08x}'] or \
            page.stored_values(browser, page.ITEM) != full:
        fail(f"the result on {board.caption} was stored as {own}, the full board's table became "
             f"{page.stored_values(browser, page.ITEM)} from {full}")
    print(f"{board.caption} played whole by taps in {attempts} attempts and stored in its own table")


# --- Served ---------------------------------------------------------------------------------------------------------

class Server:
    """A static server of a folder on a fixed loopback port, which can be stopped and started again on the same
    port with another folder, as a host puts up a new release."""

    def __init__(self, folder):
        self.port = page.free_port()
        self.httpd = None
        self.start(folder)

    def start(self, folder):
        self.httpd = page.served(folder, port=self.port)

    def stop(self):
        if self.httpd:
            page.stop_serving(self.httpd)
            self.httpd = None

    def address(self, path="index.html"):
        return f"http://127.0.0.1:{self.port}/{path}"


KEPT = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(async (registration) => {
    const names = await caches.keys();
    const kept = {};
    for (const name of names) kept[name] = (await (await caches.open(name)).keys()).length;
    done({active: !!registration.active, installing: !!registration.installing, waiting: !!registration.waiting,
          names, kept: names.length ? kept[names[0]] : 0, each: kept});
});
"""


def kept(browser):
    return browser.driver.execute_async_script(KEPT)


def release_of(browser):
    """Which release each of three files of the page came from, by the mark each carries: the page, the game's
    script and the fonts' style sheet, which comes once the game's script is in."""
    page.fonts_come(browser)
    return browser.script("return [document.documentElement.dataset.release || 'first',"
                          "window.pairfinderRelease || 'first',"
                          "getComputedStyle(document.body).getPropertyValue('--release').trim() || 'first']")


def rebuilt(page_folder, work):
    """The folder as a second release makes it: three of its files changed, and the service worker and the
    compressed copies written anew by the build's own install step, with the new files' digest."""
    folder = work / "second"
    shutil.copytree(page_folder, folder)
    index = folder / "index.html"
    index.write_text(index.read_text().replace('<html lang="de">', '<html lang="de" data-release="second">'))
    with open(folder / "pairfinder-served.js", "a") as script:
        script.write("\nwindow.pairfinderRelease = 'second';\n")
    with open(folder / "fonts.css", "a") as css:
        css.write('\nbody { --release: second; }\n')
    subprocess.run(["cmake", f"-DCMAKE_INSTALL_PREFIX={folder}", "-P", WRITE_WORKER], check=True,
                   stdout=subprocess.DEVNULL)
    return folder


def played_offline(browser, work, release):
    """The page, opened with the server stopped, is `release` whole and a card turns."""
    if set(release_of(browser)) != {release}:
        fail(f"offline, the page is not the {release} release whole: {release_of(browser)}")
    player = page.PageOnScreen(browser, work)
    back = player.picture(player.drawn(), 0)
    player.click_cell(0)
    player.turned(0, back)


def scenario_offline(browser, work, page_folder):
    server = Server(page_folder)
    browser.open(server.address())
    # Every file of the folder but the worker, and the folder's own address.
    files = len([p for p in page_folder.rglob("*") if p.is_file() and p.name != "offline.js" and
                 p.suffix not in (".gz", ".br")]) + 1
    found = wait_until(lambda: (lambda k: k if k["active"] and k["kept"] == files else None)(kept(browser)),
                       f"the service worker did not keep the folder's {files} files")
    print(f"the first visit kept {found['kept']} files under {found['names'][0]}")
    installable(browser)
    server.stop()
    # A host hands the page out at the folder's own address as well as at its index.html.
    browser.open(server.address(""))
    # Every file is known to be kept; the game is played at the page's own speed, and a card's picture is
    # looked at below.
    page.play_and_finish(browser, work, page.QuickPlayer(browser, work))
    browser.open(server.address())
    played_offline(browser, work, "first")
    print("with the server stopped, the folder's address played a whole game from what was kept, and its "
          "index.html plays too")
    # A second release put up with one file missing: its service worker cannot keep it whole, so it is never
    # installed, and the first release, kept whole, plays on offline.
    second = rebuilt(page_folder, work)
    incomplete = work / "incomplete"
    shutil.copytree(second, incomplete)
    (incomplete / "pictures/faces2/face07.svg").unlink()
    server.start(incomplete)
    browser.open(server.address())
    wait_until(lambda: (lambda k: len(k["names"]) > 1 and not k["installing"])(kept(browser)),
               "the incomplete release's service worker did not try to install")
    found = kept(browser)
    if found["waiting"] or found["each"][found["names"][0]] != files:
        fail(f"an incomplete release was installed, or the first release lost files: {found}")
    server.stop()
    browser.open(server.address(""))
    played_offline(browser, work, "first")
    print(f"a release with a file missing was never installed; the first, {files} files, plays on offline")
    # The second release complete on the same address: the open page and the next visit are the first release
    # whole; once no page of it is open, the second takes over, whole.
    server.start(second)
    browser.open(server.address())
    if set(release_of(browser)) != {"first"}:
        fail(f"the first visit after the new release mixed the releases: {release_of(browser)}")
    wait_until(lambda: kept(browser)["waiting"], "the new release's service worker was not installed beside "
               "the old one")
    # With no page of the first release open any more, the second takes over.
    browser.driver.get("about:blank")
    time.sleep(1)
    browser.open(server.address())
    if set(release_of(browser)) != {"second"}:
        fail(f"the second release did not take over whole: {release_of(browser)}")
    found = kept(browser)
    if len(found["names"]) != 1:
        fail(f"the first release's files are still kept beside the second's: {found['names']}")
    print(f"a new release took over whole once no page of the old one was open: {found['names'][0]}")


def installable(browser):
    """Chromium's installability check reports nothing, and the installed page opens deck files."""
    errors = wait_until(lambda: (lambda e: ["none"] if not e else None)(
        browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"]) or None,
        f"Chromium finds the page not installable: {browser.cdp('Page.getInstallabilityErrors')}")
    manifest = browser.cdp("Page.getAppManifest")
    declared = json.loads(manifest.get("data") or "{}")
    icons = declared.get("icons", [])
    if not any("maskable" in icon.get("purpose", "") for icon in icons):
        fail(f"the manifest has no maskable icon: {icons}")
    # The installed page is what the system hands deck files to; Chromium says what in the manifest it cannot read.
    opens = [(h.get("action"), h.get("accept")) for h in declared.get("file_handlers", [])]
    if opens != [("./", {"application/x-pairfinder-deck": [".pfdeck"]})] or manifest.get("errors"):
        fail(f"the installed page opens {opens}, not deck files; Chromium's faults: {manifest.get('errors')}")
    print(f"Chromium's installability check reports nothing ({errors}); the manifest has "
          f"{len(icons)} icons, one maskable, and opens .pfdeck files")


def failure_shown(browser):
    return browser.script("const box = document.getElementById('Failure');"
                          "if (box.hidden) return null;"
                          "const shown = [...box.children].filter((p) => !p.hidden);"
                          "return shown.length === 1 ? [shown[0].dataset.failure, shown[0].textContent] : null")


def scenario_failed_loads(browser, work, page_folder):
    missing = []
    # Without WebAssembly, taken away before the page's own scripts run.
    script = browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly;"})
    browser.driver.get((page_folder / "index.html").as_uri())
    kind, text = wait_until(lambda: failure_shown(browser), "no message came without WebAssembly")
    if kind != "webassembly" or "WebAssembly" not in text:
        fail(f"without WebAssembly the page says {kind}: {text}")
    browser.cdp("Page.removeScriptToEvaluateOnNewDocument", script)
    print(f"without WebAssembly: {text}")
    # Without the game's script beside the page.
    folder = work / "without-script"
    shutil.copytree(page_folder, folder)
    (folder / "pairfinder.js").unlink()
    browser.driver.get((folder / "index.html").as_uri())
    kind, text = wait_until(lambda: failure_shown(browser), "no message came without the script")
    if kind != "script":
        fail(f"without the script the page says {kind}: {text}")
    missing.append("pairfinder.js")
    print(f"without pairfinder.js: {text}")
    # A runtime whose WebAssembly will not start aborts: the page says so, and a press shows the error box.
    script = browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": (
        "WebAssembly.instantiate = () => Promise.reject(new Error('refused by the test'));"
        "WebAssembly.instantiateStreaming = WebAssembly.instantiate;")})
    browser.driver.get((page_folder / "index.html").as_uri())
    kind, text = wait_until(lambda: failure_shown(browser), "no message came when the runtime aborted")
    if kind != "stopped":
        fail(f"after an abort the page says {kind}: {text}")
    page.PageOnScreen(browser, work).click_cell(0)
    if page.error_box(browser) != ("Pairfinder", text):
        fail(f"a press after the abort showed {page.error_box(browser)}")
    browser.cdp("Page.removeScriptToEvaluateOnNewDocument", script)
    print(f"an aborted runtime: {text}; a press shows it in the error box")
    return missing


SCENARIOS = {"shapes": scenario_shapes, "offline": scenario_offline, "failed-loads": scenario_failed_loads}
