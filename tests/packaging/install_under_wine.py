#!/usr/bin/env python3
"""Installs the Windows program with Wine's msiexec as a player would, upgrades it and takes it away again.

Usage: install_under_wine.py ZIP MSI

First the installer's tables (msiitools' msiinfo) must keep Windows Installer's rules that Wine's msiexec never
checks: every component in the user's profile, and every component with a shortcut that is not advertised, has
a value under HKEY_CURRENT_USER as its key path (ICE38, ICE43); the program's File row carries the version of
the program's version resource. Then, in a Wine prefix of its own (the play test's Wine driver), where a
player's highscores are already stored:
1. A quiet install puts the zip's files into the user's programs folder, a Start-menu shortcut to the program
   with its icon, one entry under Apps with name, version, publisher, icon and size, and the installer's own
   values under HKEY_CURRENT_USER; nothing under the highscores' key changes. The installed program carries its manifest, starts, and its window comes.
2. The same package built at a higher version replaces it: one entry, at the new version.
3. A quiet uninstall leaves no file, shortcut, folder, entry or value of the installer's that was not there
   before, and the highscores as they were.
"""
import os
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import zipfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "ui"))
from play_under_xvfb import (DEADLINE, PHOTOS, Player, Wine, deck_file, fail, on_own_screen,  # noqa: E402
                             wait_until, windows_named, write_photos)

ROOT = pathlib.Path(__file__).resolve().parents[2]
ICON = (ROOT / "app/pairfinder.ico").read_bytes()
HIGHSCORES = "HKCU\\Software\\Pairfinder"
# The installer's own key: its values are the per-user components' key paths.
INSTALLER_KEY = "HKCU\\Software\\Pairfinder Installer"
STORED = (("sErster", "REG_SZ", "Ada"), ("sZweiter", "REG_SZ", "Bo"), ("sDritter", "REG_SZ", " "),
          ("iErster", "REG_DWORD", "41"), ("iZweiter", "REG_DWORD", "57"), ("iDritter", "REG_DWORD", "0xffffffff"))
# Where the Apps entries are: Wine keeps a per-user product's under HKLM, Windows under HKCU.
APPS = ("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
        "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall")
# What Windows Installer keeps of an installed product, and the Apps entries: all must be as before at the end.
# The deck file's extension and type, which the installer registers for the user and takes away again.
CLASSES = ("HKCU\\Software\\Classes\\.pfdeck", "HKCU\\Software\\Classes\\Pairfinder.Deck")
KEPT = (HIGHSCORES, INSTALLER_KEY, "HKCU\\Software\\Microsoft\\Installer", *APPS, *CLASSES,
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Installer\\UserData")
# The manifest's promises: run as the user, and these Windows versions, by their supportedOS ids.
MANIFEST = {"asInvoker": 'level="asInvoker"', "Windows 10 and 11": "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a",
            "Windows 8.1": "1f676c76-80e1-4239-95bb-83d0f6d0da78", "Windows 8": "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
            "Windows 7": "35138b9a-5d96-4fbd-8e2d-a2440225f93a", "per-monitor DPI": "PerMonitorV2"}


def table(msi, name):
    """The rows of one table of an installer, as dicts by column name."""
    lines = subprocess.run(["msiinfo", "export", msi, name], check=True, capture_output=True, text=True,
                           timeout=DEADLINE).stdout.splitlines()
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:]]


def resource_version(program):
    """The file version in a program's version resource (VS_FIXEDFILEINFO)."""
    data = pathlib.Path(program).read_bytes()
    at = data.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        fail(f"{program} has no version resource")
    high, low = struct.unpack_from("<II", data, at + 8)
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def check_tables(msi, program):
    """Windows Installer's rules for per-user components (ICE38, ICE43) and the program's version."""
    parent = {row["Directory"]: row["Directory_Parent"] for row in table(msi, "Directory")}

    def in_profile(folder):
        while folder:
            if folder in ("LocalAppDataFolder", "AppDataFolder", "ProgramMenuFolder", "StartMenuFolder",
                          "DesktopFolder", "PersonalFolder"):
                return True
            folder = parent.get(folder)
        return False

    features = {row["Feature"] for row in table(msi, "Feature")}
    user_keys = {row["Registry"] for row in table(msi, "Registry") if row["Root"] == "1"}
    components = {row["Component"]: row for row in table(msi, "Component")}
    shortcuts = {row["Component_"] for row in table(msi, "Shortcut") if row["Target"] not in features}
    wrong = [f"{name} (key path {row['KeyPath'] or 'none'})" for name, row in components.items()
             if (in_profile(row["Directory_"]) or name in shortcuts)
             and not (int(row["Attributes"]) & 4 and row["KeyPath"] in user_keys)]
    if wrong:
        fail(f"per-user components without a HKEY_CURRENT_USER value as their key path: {', '.join(wrong)}")
    files = {row["FileName"]: row for row in table(msi, "File")}
    version = resource_version(program)
    if files["pairfinder.exe"]["Version"] != version:
        fail(f"the File row of pairfinder.exe gives version '{files['pairfinder.exe']['Version']}', "
             f"its resource {version}")
    print(f"the installer's {len(components)} components keep to ICE38 and ICE43 ({len(shortcuts)} with a "
          f"shortcut), and pairfinder.exe's File row has its version {version}")


def shortcut(path):
    """The target and the icon of a Windows shortcut (.lnk) file."""
    data = path.read_bytes()
    flags = struct.unpack_from("<I", data, 20)[0]
    at, target, strings = 76, None, {}
    if flags & 1:  # an item id list
        at += 2 + struct.unpack_from("<H", data, at)[0]
    if flags & 2:  # link info, with the target's local path
        size, local = struct.unpack_from("<I", data, at)[0], struct.unpack_from("<I", data, at + 16)[0]
        target = data[at + local:data.index(b"\0", at + local)].decode("latin-1")
        at += size
    width = 2 if flags & 0x80 else 1
    for bit, name in ((4, "name"), (8, "relative path"), (16, "working folder"), (32, "arguments"), (64, "icon")):
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            text = data[at + 2:at + 2 + count * width].decode("utf-16-le" if width == 2 else "latin-1")
            strings[name] = text.rstrip("\0")  # Wine counts the terminating null
            at += 2 + count * width
    return target, strings.get("icon")


class Installer:
    """Wine's msiexec in the test's prefix, and what an installation leaves in it."""

    def __init__(self, platform, screen):
        self.platform, self.screen = platform, screen
        self.drive = platform.prefix / "drive_c"
        self.user = next(p for p in (self.drive / "users").iterdir() if p.name != "Public")

    def unix(self, windows_path):
        return self.drive / windows_path[3:].replace("\\", "/")

    def msiexec(self, *arguments):
        # What msiexec says goes to a file: the installer service it starts outlives it, and would hold a pipe
        # open for as long.
        with tempfile.TemporaryFile("w+") as said:
            done = subprocess.run(["wine", "msiexec", *arguments, "/qn"], stdout=said, stderr=subprocess.STDOUT,
                                  env=self.platform.environment(self.screen.display), timeout=5 * DEADLINE)
            if done.returncode != 0:
                said.seek(0)
                fail(f"msiexec {' '.join(arguments)} ended with {done.returncode}: {said.read()[-500:]}")

    def snapshot(self):
        """The files and folders of the user's profile and of Windows Installer's package cache, and the keys
        that must end as they began."""
        paths = [*(self.drive / "users").rglob("*"), *(self.drive / "windows/Installer").glob("*")]
        return {str(p.relative_to(self.drive)) for p in paths}, {key: self.platform.query(key) for key in KEPT}

    def entries(self):
        """The Apps entries called Pairfinder: {key: values}."""
        found = {}
        for root in APPS:
            found.update({k: v for k, v in self.platform.query(root).items()
                          if v.get("DisplayName", ("", ""))[1] == "Pairfinder"})
        return found

    def one_entry(self, version):
        entries = self.entries()
        if len(entries) != 1:
            fail(f"{len(entries)} Apps entries called Pairfinder, not one: {list(entries)}")
        values = next(iter(entries.values()))
        shown = {name: values.get(name, ("", ""))[1] for name in ("DisplayVersion", "Publisher", "Size")}
        if shown["DisplayVersion"] != version or shown["Publisher"] != "The Pairfinder developers":
            fail(f"the Apps entry shows {shown}")
        installed = sum(f.stat().st_size for f in self.folder().iterdir())
        if not shown["Size"].isdigit() or int(shown["Size"]) * 1024 < installed:
            fail(f"the Apps entry gives a size of {shown['Size']} KB for {installed} bytes")
        # The product's icon, which Apps shows: Windows Installer keeps it with the product.
        products = self.platform.query("HKCU\\Software\\Microsoft\\Installer\\Products")
        icons = [v["ProductIcon"][1] for v in products.values() if v.get("ProductName", ("", ""))[1] == "Pairfinder"]
        if len(icons) != 1 or self.unix(icons[0]).read_bytes() != ICON:
            fail(f"the product's icon is not the program's: {icons}")
        print(f"one Apps entry: Pairfinder {version} by The Pairfinder developers, {shown['Size']} KB, with its icon")

    def folder(self):
        return self.user / "AppData/Local/Programs/Pairfinder"


def check_install(installer, package, version):
    folder = installer.folder()
    with zipfile.ZipFile(package) as archive:
        files = {os.path.basename(n): archive.read(n) for n in archive.namelist() if not n.endswith("/")}
    installed = {p.name: p.read_bytes() for p in folder.iterdir()}
    if installed != files:
        fail(f"{folder} holds {sorted(installed)}, not the zip's {sorted(files)} as they are in the zip")
    target, icon = shortcut(installer.user / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pairfinder.lnk")
    if target is None or installer.unix(target) != folder / "pairfinder.exe":
        fail(f"the Start-menu shortcut points at {target}")
    if icon is None or installer.unix(icon).read_bytes() != ICON:
        fail(f"the Start-menu shortcut's icon is {icon}, not the program's")
    print(f"installed into {folder.relative_to(installer.drive)}: the zip's files, and a Start-menu shortcut to "
          f"{target} with the program's icon")
    installer.one_entry(version)


def install_upgrade_uninstall(platform, screen, msi, package, version):
    work = platform.work
    installer = Installer(platform, screen)
    for name, kind, data in STORED:
        if platform.reg("add", HIGHSCORES, "/v", name, "/t", kind, "/d", data, "/f").returncode != 0:
            fail(f"wine reg add {name} failed")
    before = installer.snapshot()

    installer.msiexec("/i", str(msi))
    check_install(installer, package, version)
    if platform.query(HIGHSCORES) != before[1][HIGHSCORES]:
        fail(f"installing changed the highscores: {platform.query(HIGHSCORES)}")
    own = platform.query(INSTALLER_KEY).get(INSTALLER_KEY.replace("HKCU", "HKEY_CURRENT_USER"), {})
    if sorted(own) != ["Program", "ProgramsFolder"]:
        fail(f"the installer's key holds {own}, not its two components' values")
    print(f"the installer's own values are under {INSTALLER_KEY}: {', '.join(sorted(own))}")
    program = installer.folder() / "pairfinder.exe"
    classes = {key: values for root in CLASSES for key, values in platform.query(root).items()}
    windows = "C:\\" + str(program.relative_to(installer.drive)).replace("/", "\\")
    registered = {
        "HKEY_CURRENT_USER\\Software\\Classes\\.pfdeck":
            {"(Default)": ("REG_SZ", "Pairfinder.Deck"), "Content Type": ("REG_SZ", "application/x-pairfinder-deck")},
        "HKEY_CURRENT_USER\\Software\\Classes\\Pairfinder.Deck": {"(Default)": ("REG_SZ", "Pairfinder-Deck")},
        "HKEY_CURRENT_USER\\Software\\Classes\\Pairfinder.Deck\\DefaultIcon": {"(Default)": ("REG_SZ", f'"{windows}",0')},
        "HKEY_CURRENT_USER\\Software\\Classes\\Pairfinder.Deck\\shell": {},
        "HKEY_CURRENT_USER\\Software\\Classes\\Pairfinder.Deck\\shell\\open": {},
        "HKEY_CURRENT_USER\\Software\\Classes\\Pairfinder.Deck\\shell\\open\\command":
            {"(Default)": ("REG_SZ", f'"{windows}" "%1"')}}
    if classes != registered:
        fail(f"the deck file is registered as {classes}")
    print(f"a deck file opens with {registered[next(reversed(registered))]['(Default)'][1]}")

    # Opened as Explorer opens it on a double-click: the command the registration names, with the file for %1.
    # (Wine's own `start` reads only the machine's classes, not the user's that Windows merges in front of them.)
    write_photos(work / "photos")
    deck = work / "Von weit her.pfdeck"
    deck_file(deck, [work / "photos" / name for name, *_ in PHOTOS[:4]], ["Sonne", "Mond", "Sterne", "Wolke"])
    command = registered["HKEY_CURRENT_USER\\Software\\Classes\\Pairfinder.Deck\\shell\\open\\command"]
    program_path, placeholder = re.findall(r'"([^"]*)"', command["(Default)"][1])
    if placeholder != "%1":
        fail(f"the command passes {placeholder!r}, not the file")
    env = platform.environment(screen.display)
    opened = subprocess.Popen(["wine", program_path, "Z:" + str(deck).replace("/", "\\")], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_until(lambda: windows_named(env, "^Eigenes Deck zusammenstellen$"),
                   "the registered command brought no naming form for the deck file")
        print("the registered command started the program with the deck file, which shows it in its naming form")
    finally:
        opened.terminate()
        opened.wait(DEADLINE)
    # The application manifest: resource 1 of type 24 (RT_MANIFEST).
    manifest = subprocess.run(["wrestool", "-x", "--raw", "--type=24", "--name=1", program], check=True,
                              capture_output=True, text=True, timeout=DEADLINE).stdout
    missing = [what for what, text in MANIFEST.items() if text not in manifest]
    if missing:
        fail(f"the program's manifest does not say: {', '.join(missing)}")
    print(f"the installed program's manifest says: {', '.join(MANIFEST)}")
    player = Player(platform, screen, ["wine", str(program)])
    try:
        player.open().drawn()
        if player.end() != 0:
            fail(f"the installed program ended with {player.game.returncode}")
    finally:
        player.close()
    print("the installed program starts, its window comes, and END IT ends it")

    # The same files at the next version.
    newer = re.sub(r"\d+$", lambda m: str(int(m[0]) + 1), version)
    files = work / "files"
    with zipfile.ZipFile(package) as archive:
        archive.extractall(files)
    inside = files / f"pairfinder-{version}-windows-x64"
    # The same vendor and upgrade code as the installer under test.
    properties = {row["Property"]: row["Value"] for row in table(msi, "Property")}
    subprocess.run([ROOT / "packaging/windows/build-msi", "--vendor", properties["Manufacturer"], "--upgrade-code",
                    properties["UpgradeCode"].strip("{}"), newer, work / "newer.msi", inside / "pairfinder.exe",
                    inside / "LICENSE.txt", inside / "README.txt", inside / "THIRD-PARTY-NOTICES.txt",
                    ROOT / "app/pairfinder.ico"], check=True, capture_output=True, timeout=DEADLINE)
    installer.msiexec("/i", str(work / "newer.msi"))
    installer.one_entry(newer)
    print(f"{newer} replaced {version}")

    installer.msiexec("/x", str(work / "newer.msi"))
    after = installer.snapshot()
    # Windows Installer's own folder in the profile stays, as on Windows, where it is always there.
    left = {p for p in after[0] - before[0] if not p.endswith("AppData/Roaming/Microsoft/Installer")}
    if left or before[0] - after[0]:
        fail(f"uninstalling left {sorted(left)} and took {sorted(before[0] - after[0])}")
    # Windows Installer's own empty keys stay too; nothing that holds a value or names the product does.
    own = re.compile(r".*\\(Features|Products|UpgradeCodes|Components|S-1-5-[-0-9]+)$")
    for keys in after[1].values():
        for key in [k for k, values in keys.items() if not values and own.match(k)]:
            del keys[key]
    changed = [key for key in KEPT if before[1][key] != after[1][key]]
    if changed:
        fail(f"uninstalling left changes under {changed}: {[after[1][k] for k in changed]}")
    print("uninstalled: no file, shortcut, folder, entry or installer value left, the highscores as they were")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.split("\n\n")[1])
    package, msi = (pathlib.Path(a).resolve() for a in sys.argv[1:])
    version = re.search(r"pairfinder-(.*)-windows-x64", package.name)[1]
    with tempfile.TemporaryDirectory() as unpacked:
        with zipfile.ZipFile(package) as archive:
            archive.extractall(unpacked)
        program = next(pathlib.Path(unpacked).glob("*/pairfinder.exe"))
        check_tables(msi, program)
        on_own_screen(lambda work, screen: Wine(str(program), work, screen.display),
                      lambda platform, screen: install_upgrade_uninstall(platform, screen, msi, package, version))


if __name__ == "__main__":
    main()
