"""Renders the application icon for the page's manifest as PNG, as a phone's home screen wants it: at 192 and 512
pixels, and at 512 once more as a maskable icon, the drawing inside the middle four fifths of a square of the
window's colour, which the phone may cut to its own shape.

  make_icons.py OUT_FOLDER ICON.svg
"""
import pathlib
import re
import subprocess
import sys
import tempfile

BACKGROUND = "#efefef"


def render(svg, out, size):
    subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size), "--output", str(out), str(svg)],
                   check=True)


def maskable(svg_text):
    """The drawing scaled to four fifths, in the middle of a full square of the background colour."""
    opening = re.search(r"<svg\b[^>]*>", svg_text)
    size = float(re.search(r'viewBox="0 0 ([0-9.]+) ', opening.group(0)).group(1))
    inner = svg_text[opening.end():svg_text.rindex("</svg>")]
    shift = size * 0.1
    return (opening.group(0) + f'<rect width="{size:g}" height="{size:g}" fill="{BACKGROUND}"/>'
            f'<g transform="translate({shift:g} {shift:g}) scale(0.8)">{inner}</g></svg>\n')


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    out, icon = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    render(icon, out / "icon-192.png", 192)
    render(icon, out / "icon-512.png", 512)
    with tempfile.TemporaryDirectory() as scratch:
        wrapped = pathlib.Path(scratch) / "maskable.svg"
        wrapped.write_text(maskable(icon.read_text(encoding="utf-8")), encoding="utf-8")
        render(wrapped, out / "icon-maskable-512.png", 512)


if __name__ == "__main__":
    main()
