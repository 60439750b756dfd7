"""Writes the page's style sheet of fonts: each font cut down to the letters and signs the page's texts and a
player's name in any European Latin alphabet use, without its hinting, as WOFF2 inside the sheet (a page opened from disk may
load no font file beside it).

  embed_fonts.py OUT.css FAMILY:WEIGHT:FONT.ttf...

The same fonts give the same bytes: nothing of the time or the machine goes in.
"""
import base64
import io
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Basic Latin, Latin-1 and Latin Extended-A (the umlauts and ß, and ł, ğ, ő and the rest of the European Latin
# alphabets), and the typographic quotes, dashes, ellipsis and euro sign.
LETTERS = "U+0020-007E,U+00A0-017F,U+2013-2014,U+2018-201E,U+2026,U+20AC"


def woff2(path):
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False
    options.recalc_timestamp = False
    # FontForge's time stamps, which a browser does not read.
    options.drop_tables += ["FFTM"]
    font = TTFont(path, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=subset.parse_unicodes(LETTERS))
    subsetter.subset(font)
    out = io.BytesIO()
    subset.save_font(font, out, options)
    return out.getvalue()


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    rules = ["/* The fonts of the page, made by web/embed_fonts.py from Debian's fonts-liberation. */"]
    for font in sys.argv[2:]:
        family, weight, path = font.split(":", 2)
        data = base64.b64encode(woff2(path)).decode()
        rules.append(f'@font-face {{ font-family: "{family}"; font-weight: {weight}; font-style: normal; '
                     f'src: url(data:font/woff2;base64,{data}) format("woff2"); }}')
    with open(sys.argv[1], "w", encoding="utf-8") as f:
        f.write("\n".join(rules) + "\n")


if __name__ == "__main__":
    main()
