#!/usr/bin/env python3
"""Builds the Debian package of a build and checks it as an installer would see it.

Usage: check_package.py BUILD_DIR CPACK [--lintian] [--keep DIR]
Runs cpack -G DEB into a temporary folder and checks: the file is named
lumora_<version>_amd64.deb; its file list holds the program, the desktop entry
and the icons under /usr; its dependencies came from dpkg-shlibdeps (libc6 and
libcurl among them); unpacked with dpkg -x into a temporary root, the program
run without a display exits 1 with one line on standard error. --lintian also
runs lintian, which must report no error and no warning. --keep copies the
package into DIR. Prints the file list and the checks; exits 1 on any problem.
"""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

EXPECTED = [
    "./usr/bin/lumora",
    "./usr/share/applications/lumora.desktop",
    "./usr/share/icons/hicolor/48x48/apps/lumora.png",
    "./usr/share/icons/hicolor/128x128/apps/lumora.png",
    "./usr/share/icons/hicolor/256x256/apps/lumora.png",
    "./usr/share/doc/lumora/copyright",
    "./usr/share/man/man1/lumora.1.gz",
]


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def build_package(build, cpack, out):
    result = run([cpack, "-G", "DEB", "--config", str(build / "CPackConfig.cmake"), "-B", str(out)])
    if result.returncode != 0:
        return None, "cpack failed:\n" + result.stdout + result.stderr
    debs = sorted(out.glob("*.deb"))
    if len(debs) != 1:
        return None, "expected one package, found %s" % [d.name for d in debs]
    return debs[0], None


def check_contents(deb, problems):
    listing = run(["dpkg-deb", "-c", str(deb)]).stdout
    print("files of %s:\n%s" % (deb.name, listing), end="")
    paths = [line.split()[-1] for line in listing.splitlines() if line.strip()]
    problems += ["missing " + p for p in EXPECTED if p not in paths]
    problems += ["outside /usr: " + p for p in paths if not (p == "./" or p.startswith("./usr/"))]
    depends = run(["dpkg-deb", "-f", str(deb), "Depends"]).stdout.strip()
    print("Depends: " + depends)
    for lib in ("libc6", "libcurl4", "libx11-6"):
        if not re.search(r"\b%s\b" % re.escape(lib), depends):
            problems.append("Depends lacks " + lib)


def check_unpacked_run(deb, root, problems):
    if run(["dpkg", "-x", str(deb), str(root)]).returncode != 0:
        problems.append("dpkg -x failed")
        return
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    result = run([str(root / "usr/bin/lumora")], env=env, timeout=60)
    lines = result.stderr.splitlines()
    print("unpacked program without a display: exit %d, stderr %r" % (result.returncode, result.stderr))
    if result.returncode != 1 or len(lines) != 1 or not lines[0].strip():
        problems.append("the unpacked program should exit 1 with one line on standard error")


def check_lintian(deb, problems):
    if shutil.which("lintian") is None:
        problems.append("lintian is not installed (scripts/setup.sh installs it)")
        return
    result = run(["lintian", "--fail-on", "error,warning", "--show-overrides", str(deb)])
    print("lintian (exit %d):\n%s%s" % (result.returncode, result.stdout, result.stderr), end="")
    if result.returncode != 0:
        problems.append("lintian reports errors or warnings")


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    build, cpack = pathlib.Path(argv[1]).resolve(), argv[2]
    lintian = "--lintian" in argv
    keep = pathlib.Path(argv[argv.index("--keep") + 1]) if "--keep" in argv else None
    version = re.search(r'CPACK_PACKAGE_VERSION "([^"]+)"',
                        (build / "CPackConfig.cmake").read_text()).group(1)
    problems = []
    with tempfile.TemporaryDirectory(prefix="lumora-deb-") as tmp:
        deb, error = build_package(build, cpack, pathlib.Path(tmp) / "out")
        if deb is None:
            print(error)
            return 1
        if deb.name != "lumora_%s_amd64.deb" % version:
            problems.append("package named %s" % deb.name)
        check_contents(deb, problems)
        check_unpacked_run(deb, pathlib.Path(tmp) / "root", problems)
        if lintian:
            check_lintian(deb, problems)
        if keep is not None:
            keep.mkdir(parents=True, exist_ok=True)
            shutil.copy2(deb, keep / deb.name)
    for problem in problems:
        print("problem: " + problem)
    print("package check: %s" % ("failed" if problems else "passed"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
