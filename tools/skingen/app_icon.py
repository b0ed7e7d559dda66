#!/usr/bin/python3
"""Draws the launcher's desktop icon: the logo's emblem on a rounded dark tile.

Usage:  python3 tools/skingen/app_icon.py OUT_DIR SIZE [SIZE ...]
Writes OUT_DIR/<SIZE>x<SIZE>/lumora.png for every size. The build runs this
for the installed icons, so they always match the skin generator's emblem.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import skingen  # noqa: E402  (the drawing helpers and the logo's emblem)
from skingen import FRAME, MSG_CLIENT, big, down, mix, paste_fill, rrect_mask, vgradient  # noqa: E402


def app_icon(size):
    """A size x size icon; the tile leaves a small margin, as desktop icons do."""
    img = big(size, size)
    margin = size * 0.06
    tile = rrect_mask(size, size, margin, margin, size - margin, size - margin, size * 0.2)
    top, bottom = mix(MSG_CLIENT, (255, 255, 255), 0.08), FRAME
    paste_fill(img, vgradient(size, size, top, bottom), tile)
    skingen.emblem(img, size / 2, size / 2, size * 0.33)
    return down(img, size, size)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    out = argv[1]
    for size in (int(v) for v in argv[2:]):
        folder = os.path.join(out, f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        app_icon(size).save(os.path.join(folder, "lumora.png"), "PNG", optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
