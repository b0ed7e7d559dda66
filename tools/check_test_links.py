#!/usr/bin/env python3
"""Fails when a test program needs the X11 client library.

Only the X11 backend's own test program may open a display; every other test
program runs headless and must not even load libX11. Arguments: the programs.
"""
import subprocess
import sys

X11_LIBRARIES = ("libX11.so", "libXext.so", "libXrandr.so", "libXtst.so", "libxcb.so")


def needed(program):
    out = subprocess.run(["readelf", "-d", program], capture_output=True, text=True, check=True)
    return [line.split("[", 1)[1].rstrip("]") for line in out.stdout.splitlines()
            if "(NEEDED)" in line and "[" in line]


def main(programs):
    if not programs:
        print("no test programs given")
        return 1
    problems = []
    for program in programs:
        for library in needed(program):
            if library.startswith(X11_LIBRARIES):
                problems.append(f"{program} links {library}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
