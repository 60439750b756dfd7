#!/usr/bin/python3
"""Writes the deck file reader's fuzzing seeds into a folder: small deck files as another ZIP writer makes them,
one whole and one of each kind the reader must refuse, so that the fuzzer starts inside every branch.

  make_deck_seeds.py FOLDER
"""
import io
import json
import pathlib
import sys
import zipfile


def jpeg(shade):
    """A JPEG's shape as far as the reader looks: its start, a frame of 1 x 1, a scan and its end."""
    return bytes([0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0, 1, 0, 1, 1, 0x11, 0, 0xFF, 0xDA, 0, 2, shade, 0xFF, 0xD9])


def names(count, form=1):
    return json.dumps({"format": form, "name": "Samen",
                       "pictures": [{"file": f"{i}.jpg", "name": f"Bild {i}"} for i in range(count)]}).encode()


def deck(entries, compression=zipfile.ZIP_STORED):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", compression) as archive:
        for name, data in entries:
            archive.writestr(zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0)), data, compression)
    return out.getvalue()


def main():
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    four = [("names.json", names(4))] + [(f"{i}.jpg", jpeg(i)) for i in range(4)]
    seeds = {
        "stored": deck(four),
        "deflated": deck(four, zipfile.ZIP_DEFLATED),
        "format-2": deck([("names.json", names(4, 2))] + four[1:]),
        "outside": deck(four + [("../5.jpg", jpeg(5))]),
        "missing": deck(four[:-1], zipfile.ZIP_DEFLATED),
    }
    for name, data in seeds.items():
        (folder / f"{name}.pfdeck").write_bytes(data)


if __name__ == "__main__":
    main()
