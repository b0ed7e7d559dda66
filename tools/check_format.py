#!/usr/bin/env python3
"""Fails when a tracked C++ source differs from what the root .clang-format makes of it."""
import pathlib
import shutil
import subprocess
import sys

from source_files import cpp_sources

ROOT = pathlib.Path(__file__).resolve().parent.parent
BATCH = 50  # files per clang-format run, to keep command lines short


def main():
    tool = shutil.which("clang-format")
    if tool is None:
        print("clang-format is not installed (scripts/setup.sh installs it)")
        return 1
    files = [str(p) for p in cpp_sources(ROOT)]
    failed = False
    for start in range(0, len(files), BATCH):
        run = subprocess.run([tool, "--dry-run", "-Werror", *files[start:start + BATCH]],
                             cwd=ROOT, capture_output=True, text=True)
        if run.returncode != 0:
            failed = True
            sys.stdout.write(run.stderr)
    print(f"format: {len(files)} files, {'some differ' if failed else 'all formatted'}"
          " (clang-format -i <file> mends one)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
