#!/usr/bin/python3
"""The notices check of release/third-party-notices passes a zip as it was built and fails for each way its
notices can leave out what the zip ships:

  notices_check.py web --emscripten ROOT --zip ZIP [--libzip PREFIX]
  notices_check.py windows --qt PREFIX --map PROGRAM.map --own FOLDER --program PROGRAM.exe --zip ZIP
                   [--libzip PREFIX]

Each case copies the zip with its notices changed, or written again with a component left out of the
inventory (as a writer that misses one would, so that the check's own inventory misses it too and only the
shipped bytes can show it), or with another program, and runs the check on the copy.
"""
import argparse
import importlib.machinery
import importlib.util
import pathlib
import re
import sys
import tempfile
import zipfile

TOOL = pathlib.Path(__file__).resolve().parents[2] / "release/third-party-notices"


def load_tool():
    loader = importlib.machinery.SourceFileLoader("third_party_notices", str(TOOL))
    module = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
    loader.exec_module(module)
    return module


def copy(package, out, changes):
    """The zip again, each file that changes names (by its name in any folder) given by its change."""
    with zipfile.ZipFile(package) as source, zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as target:
        for item in source.infolist():
            data = source.read(item)
            change = changes.get(item.filename.rsplit("/", 1)[-1])
            target.writestr(item, change(data) if change else data)
    return out


def notices(change):
    """A change of the notices' text."""
    return {"THIRD-PARTY-NOTICES.txt": lambda data: change(data.decode("utf-8")).encode("utf-8")}


def edit(pattern, replacement=""):
    """A change of the notices that replaces what the pattern finds in their lines, which must be there."""
    def change(text):
        changed, count = re.subn(pattern, replacement, text, flags=re.M)
        if not count:
            sys.exit(f"notices_check: the notices have no {pattern!r} to change")
        return changed
    return notices(change)


def outcome(check):
    """None when the check passes, else its message."""
    try:
        check()
    except SystemExit as failed:
        return str(failed.code)
    return None


def web_cases(tool, arguments, work):
    emscripten = tool.Emscripten(arguments.emscripten)
    with zipfile.ZipFile(arguments.zip) as archive:
        css = archive.read(next(n for n in archive.namelist() if n.endswith("/fonts.css"))).decode("utf-8")
        version = re.search(r"Pairfinder (\S+) for", archive.read(
            next(n for n in archive.namelist() if n.endswith("/THIRD-PARTY-NOTICES.txt"))).decode("utf-8"))[1]
    runtime = tool.RUNTIME

    def without(name):
        def change(_):
            tool.RUNTIME = tuple(c for c in runtime if c.name != name)
            return tool.web_notices(tool.web_sections(emscripten, css), version)
        return notices(change)

    def check(package):
        try:
            return outcome(lambda: tool.check_web(emscripten, package))
        finally:
            tool.RUNTIME = runtime

    # (case, the changes of the zip's files, what the check's message must say; None: it must pass)
    return check, [
        ("as built", {}, None),
        ("libc++abi left out of the inventory", without("libc++abi"),
         r"libc\+\+abi \(no section, though the page carries its texts\)"),
        ("musl left out of the inventory", without("musl"), r"musl \(no section, though the page carries"),
        ("a font's section without its version", edit(r"^(\d+\. Liberation Serif), version [\d.]+$", r"\1"),
         r"Liberation Serif, version [\d.]+ \(no section\); Liberation Serif [\d.]+ \(no section, though"),
        ("the Apache licence's text cut short", edit(r"^ *TERMS AND CONDITIONS FOR USE.*$"),
         r"libc\+\+, version [\d.]+ \(The licence text, Apache-2.0"),
        ("musl's copyright paragraph cut short", edit(r"^  2005-2014  Rich Felker$"),
         r"musl, version [\d.]+ \(Its copyright and licence"),
        ("scripts without the runtime's message", {script: lambda data: data.replace(
            b"no native wasm support detected", b"no WebAssembly") for script in ("pairfinder.js", "pairfinder-deck.js")},
         r"only \d+ of the \d+ components"),
    ]


def windows_cases(tool, arguments, work):
    qt = tool.Qt(arguments.qt)
    entries, packages = tool.windows_inventory(qt, arguments.map, arguments.own)
    left = {"entries": entries}
    found = set(tool.LIBZIP.found)
    version = re.search(r"pairfinder-([^-/]+)-windows", arguments.zip)[1]

    def without(pattern):
        def change(_):
            left["entries"] = [(f, e) for f, e in entries if not re.search(pattern, e["Name"], re.I)]
            return tool.windows_notices(qt, left["entries"], packages, version)
        return notices(change)

    def without_libzip():
        def change(_):
            tool.LIBZIP.found = set()
            return tool.windows_notices(qt, entries, packages, version)
        return notices(change)

    def check(package):
        try:
            return outcome(lambda: tool.check_windows(qt, left["entries"], packages, arguments.program, package))
        finally:
            left["entries"] = entries
            tool.LIBZIP.found = set(found)

    return check, [
        ("as built", {}, None),
        ("zlib left out of the inventory", without(r"\(zlib\)"), r"zlib [\d.]+ \(no section, though pairfinder.exe"),
        ("libzip left out of the inventory", without_libzip(), r"libzip \(no section, though pairfinder.exe"),
        ("libpng's section without its version", edit(r"(?i)^(\d+\. libpng), version [\d.]+(?=\r$)", r"\1"),
         r"(?i)libpng, version [\d.]+ \(no section\); libpng [\d.]+ \(no section, though"),
        ("the LGPL's text cut short", edit(r"^ *0\. Additional Definitions\..*$"),
         r"Licence text: GNU Lesser General Public License version 3 \(its text\)"),
        ("another program in the zip", {"pairfinder.exe": lambda data: data + b"\0"}, r"the package is stale"),
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("shipped", choices=("windows", "web"))
    for option in ("qt", "map", "program", "emscripten", "libzip"):
        parser.add_argument(f"--{option}")
    parser.add_argument("--own", action="append", default=[])
    parser.add_argument("--zip", required=True)
    arguments = parser.parse_args()
    tool = load_tool()
    tool.LIBZIP = tool.StaticLibraries(arguments.libzip)
    wrong = []
    with tempfile.TemporaryDirectory() as work:
        cases = web_cases if arguments.shipped == "web" else windows_cases
        check, table = cases(tool, arguments, work)
        for number, (case, changes, expected) in enumerate(table):
            package = copy(arguments.zip, f"{work}/{number}.zip", changes) if changes else arguments.zip
            message = check(package)
            if expected is None and message is None:
                print(f"{case}: the check passes")
            elif expected is not None and message is not None and re.search(expected, message):
                print(f"{case}: the check fails, saying {re.search(expected, message)[0]!r}")
            else:
                wrong.append(f"{case}: the check {'passed' if message is None else 'said: ' + message}")
    if wrong:
        sys.exit("notices_check: " + "\n  ".join(["the check of the notices is wrong:", *wrong]))


if __name__ == "__main__":
    main()
