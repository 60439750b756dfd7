#!/usr/bin/env python3
"""Fails when the page's first view or the game's module outgrows what a phone's network was measured to take
(docs/performance.md), as a static host serves them: brotli, from the copies the build keeps beside each file.

Usage: page_budget.py PAGE_FOLDER

- first view: index.html and the first deal's back, which the first deal waits for;
- the game: pairfinder-served.js and pairfinder-served.wasm, which come while the first deal shows and until which
  the page is not playable. The deck's module (composing from photos, deck files) must stay out of it: it comes on
  demand.
"""
import brotli
import pathlib
import re
import sys

# Bytes on the wire, brotli. The game's budget is the issue's: under 60 kB, where it was before own decks and deck
# files (46.6 kB then); a feature that needs more says so here, measured.
FIRST_VIEW_BUDGET = 10_000
GAME_BUDGET = 60_000
# What only the deck's module may hold: zlib's own message, under the ZIP library, and the entry points of the photo
# reader and the deck file's.
DECK_ONLY = (rb"invalid distance too far back", rb"pf_photo_refusal", rb"pf_read_deck_file")


def compressed(folder, name):
    """The size of the copy a host serves, which must be the file's."""
    copy = folder / (name + ".br")
    if not copy.is_file() or brotli.decompress(copy.read_bytes()) != (folder / name).read_bytes():
        sys.exit(f"FAIL: {copy} is missing or not {name}: the folder is not one the build put together")
    return copy.stat().st_size


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = pathlib.Path(sys.argv[1])
    page = (folder / "index.html").read_text(encoding="utf-8")
    back = re.search(r'<link rel="preload" as="image" href="([^"]+)"', page)
    if not back:
        sys.exit("FAIL: index.html asks for no first deal's back")
    first_view = {name: compressed(folder, name) for name in ("index.html", back.group(1))}
    game = {name: compressed(folder, name) for name in ("pairfinder-served.js", "pairfinder-served.wasm")}
    failures = []
    for what, sizes, budget in (("the first view", first_view, FIRST_VIEW_BUDGET), ("the game", game, GAME_BUDGET)):
        total = sum(sizes.values())
        parts = ", ".join(f"{name} {size:,}" for name, size in sizes.items())
        print(f"{what}: {total:,} bytes brotli ({parts}); budget {budget:,}")
        if total > budget:
            failures.append(f"{what} is {total:,} bytes, over its budget of {budget:,}")
    for name in game:
        data = (folder / name).read_bytes()
        failures += [f"{name} carries {text.decode()}, which only the deck's module may" for text in DECK_ONLY
                     if text in data]
    if failures:
        sys.exit("FAIL: " + "; ".join(failures))


if __name__ == "__main__":
    main()
