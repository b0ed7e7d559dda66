#!/usr/bin/env python3
"""Installs the build into a temporary prefix and checks the desktop integration.

Usage: check_install.py BUILD_DIR [CMAKE]
Checks bin/lumora (executable), share/applications/lumora.desktop (passes
desktop-file-validate, names the installed program and icon) and the icons
share/icons/hicolor/<N>x<N>/apps/lumora.png (PNG files of N x N, at least two
sizes). Any missing piece, including desktop-file-validate itself, fails.
"""
import configparser
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile


def png_size(path):
    """(width, height) from the PNG header, or None when it is not a PNG."""
    head = path.read_bytes()[:24]
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def check_icons(prefix):
    problems, sizes = [], []
    for icon in sorted(prefix.glob("share/icons/hicolor/*/apps/lumora.png")):
        folder = icon.parent.parent.name
        size = png_size(icon)
        if size is None or folder != f"{size[0]}x{size[1]}":
            problems.append(f"{icon}: {size} does not match its folder {folder}")
        sizes.append(folder)
    if len(sizes) < 2:
        problems.append(f"icons in fewer than two sizes: {sizes}")
    return problems


def check_desktop_entry(prefix):
    entry = prefix / "share/applications/lumora.desktop"
    if not entry.is_file():
        return [f"{entry} is missing"]
    validator = shutil.which("desktop-file-validate")
    if validator is None:
        return ["desktop-file-validate is not installed (scripts/setup.sh installs it)"]
    run = subprocess.run([validator, str(entry)], capture_output=True, text=True)
    problems = [f"desktop-file-validate: {run.stdout}{run.stderr}"] if run.returncode else []
    keys = configparser.ConfigParser(interpolation=None)
    keys.optionxform = str
    keys.read(entry, encoding="utf-8")
    fields = keys["Desktop Entry"]
    if fields.get("Exec", "").split()[:1] != ["lumora"]:
        problems.append(f"Exec is {fields.get('Exec')!r}, not the installed lumora")
    if fields.get("Icon") != "lumora":
        problems.append(f"Icon is {fields.get('Icon')!r}, not the installed lumora icon")
    return problems


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    cmake = argv[2] if len(argv) > 2 else "cmake"
    with tempfile.TemporaryDirectory(prefix="lumora-install-") as tmp:
        prefix = pathlib.Path(tmp)
        run = subprocess.run([cmake, "--install", argv[1], "--prefix", tmp],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(f"install failed:\n{run.stdout}{run.stderr}")
            return 1
        problems = []
        program = prefix / "bin/lumora"
        if not program.is_file() or not program.stat().st_mode & 0o111:
            problems.append(f"{program} is missing or not executable")
        problems += check_desktop_entry(prefix) + check_icons(prefix)
    for problem in problems:
        print(problem)
    print(f"install: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
