"""Keeps a compressed copy beside every file of the page's folder that the page fetches and that compresses (its
text and its WebAssembly), name.gz and name.br, as static hosts serve them to a browser that accepts them (nginx's
gzip_static and brotli_static, and others that look for such copies); a host that does not look for them serves
the files themselves.

  compressed_copies.py FOLDER

Each copy is made anew from its file at the best level, and only where it is smaller. The same folder gives the
same bytes: gzip's header holds no name and no time.
"""
import gzip
import pathlib
import sys

import brotli

# What the page fetches that compresses: the page, its scripts and style sheets, the pictures, the manifest and the
# WebAssembly.
TEXT = {".html", ".js", ".css", ".svg", ".webmanifest", ".wasm"}
COPIES = {".gz": lambda data: gzip.compress(data, 9, mtime=0),
          ".br": lambda data: brotli.compress(data, quality=11)}


def main():
    folder = pathlib.Path(sys.argv[1])
    for stale in [p for p in folder.rglob("*") if p.suffix in COPIES]:
        stale.unlink()
    made = 0
    for path in sorted(p for p in folder.rglob("*") if p.is_file() and p.suffix in TEXT):
        data = path.read_bytes()
        for suffix, compress in COPIES.items():
            copy = compress(data)
            if len(copy) < len(data):
                path.with_name(path.name + suffix).write_bytes(copy)
                made += 1
    print(f"-- Written: {made} compressed copies of the files in {folder}")


if __name__ == "__main__":
    main()
