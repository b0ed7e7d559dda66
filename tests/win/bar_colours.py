#!/usr/bin/python3
"""Checks the launcher's three speed bars in a picture of its main window.

Usage: bar_colours.py PICTURE.png "X Y" "X Y" "X Y"
The points are the centres of rows 1 to 3's bars in window pixels; a tenth
into each bar (inside even the shortest fill) must be green, yellow and red.
"""
import sys

from PIL import Image


def kind(rgb):
    r, g, b = rgb[:3]
    if g > 120 and r < 120 and b < 120:
        return "green"
    if r > 150 and g > 120 and b < 100:
        return "yellow"
    if r > 150 and g < 100 and b < 100:
        return "red"
    return f"other {rgb[:3]}"


def main():
    picture = Image.open(sys.argv[1]).convert("RGB")
    wanted = ["green", "yellow", "red"]
    found = []
    for point in sys.argv[2:5]:
        x, y = (int(v) for v in point.split())
        found.append(kind(picture.getpixel((x, y))))
    print("bars:", ", ".join(found))
    return 0 if found == wanted else 1


if __name__ == "__main__":
    sys.exit(main())
