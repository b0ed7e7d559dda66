#!/usr/bin/env python3
"""Checks that includes point down the layers and that native headers stay in platform/.

app -> ui, net, platform; ui -> platform; net -> platform; platform -> itself.
X11, FreeType, fontconfig and pixman headers appear only inside platform/,
never in its public headers (platform/*.h); libcurl headers only in net/.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
ALLOWED = {
    "platform": {"platform"},
    "net": {"net", "platform"},
    "ui": {"ui", "platform"},
    "app": {"app", "ui", "net", "platform"},
}
NATIVE = re.compile(r"^(X11/|ft2build\.h|freetype/|fontconfig/|pixman)")
CURL = re.compile(r"^curl/")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def check(path, layer):
    problems = []
    rel = path.relative_to(ROOT)
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quoted, header = match.group(1) == '"', match.group(2)
        top = header.split("/", 1)[0]
        if quoted and top in ALLOWED and top not in ALLOWED[layer]:
            problems.append(f"{rel}:{number}: {layer}/ must not include {header}")
        public_platform_header = layer == "platform" and path.parent == ROOT / "platform"
        if NATIVE.match(header) and (layer != "platform" or public_platform_header):
            problems.append(f"{rel}:{number}: native header {header} outside platform/ internals")
        if CURL.match(header) and layer != "net":
            problems.append(f"{rel}:{number}: libcurl header {header} outside net/")
    return problems


def main():
    problems = []
    for layer in ALLOWED:
        for path in sorted((ROOT / layer).rglob("*")):
            if path.suffix in (".h", ".cpp"):
                problems += check(path, layer)
    for problem in problems:
        print(problem)
    print(f"layering: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
