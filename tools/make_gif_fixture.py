#!/usr/bin/python3
"""Writes the small animated GIFs the control tests read.

frames3.gif: 8 x 8, three frames (red, green, blue) with delays 0, 5 and 20
hundredths of a second. still32.gif: one 32 x 32 grey frame.
Usage: make_gif_fixture.py OUTPUT_DIR
"""
import pathlib
import sys

from PIL import Image


def solid(size, rgb):
    return Image.new("RGB", size, rgb).convert("P", palette=Image.ADAPTIVE)


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    out.mkdir(parents=True, exist_ok=True)
    frames = [solid((8, 8), c) for c in ((255, 0, 0), (0, 255, 0), (0, 0, 255))]
    # PIL takes milliseconds and stores hundredths.
    frames[0].save(out / "frames3.gif", save_all=True, append_images=frames[1:],
                   duration=[0, 50, 200], loop=0, disposal=1, optimize=False)
    solid((32, 32), (128, 128, 128)).save(out / "still32.gif", duration=0)


if __name__ == "__main__":
    main()
