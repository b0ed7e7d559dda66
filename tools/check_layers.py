#!/usr/bin/env python3
"""Checks that includes point down the layers and that native headers stay put.

Layers: app -> ui, net, platform; ui -> platform; net -> platform;
platform -> itself. Inside ui: core <- markup, render <- window <- controls
<- builder <- frame.
Only the top-level platform/*.h headers are public, and each backend's own
platform/backends/<name>/<name>.h is public to the programs (tests, bench,
tools, fuzz, app/main) but not to the libraries: other platform/<sub>/ headers
are for platform/ itself and for the tests under tests/platform/ and tests/x11/.
X11 headers appear only in platform/backends/x11/, its tests (tests/x11/), the
window-driving tool tools/xdrive/ and the peer measurement bench/peer/,
pixman, FreeType and fontconfig only in platform/gdi/, libcurl only in net/.
The Windows build's platform/win/ stands beside the Linux folders: neither
includes the other's files (the shell's URL rules are shared), and the
Windows API headers appear only there.

With --self-test, runs the rules over made-up files and checks each verdict.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SCANNED = ("app", "net", "ui", "platform", "tests", "tools", "bench", "fuzz")
SUFFIXES = (".h", ".cpp", ".c")
ALLOWED = {
    "platform": {"platform"},
    "net": {"net", "platform"},
    "ui": {"ui", "platform"},
    "app": {"app", "ui", "net", "platform"},
}
UI_ALLOWED = {
    "core": {"core"},
    "markup": {"core", "markup"},
    "render": {"core", "markup", "render"},
    "window": {"core", "markup", "render", "window"},
    "controls": {"core", "markup", "render", "window", "controls"},
    "builder": {"core", "markup", "render", "window", "controls", "builder"},
    "frame": {"core", "markup", "render", "window", "controls", "builder", "frame"},
}
EXCEPTIONS = set()
X11 = re.compile(r"^X11/")
DRAWING = re.compile(r"^(ft2build\.h|freetype/|fontconfig/|pixman)")
CURL = re.compile(r"^curl/")
WINDOWS = re.compile(r"^(windows|windowsx|commctrl|shellapi|wininet|winuser|wingdi|winver)\.h$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


# Tests of platform code may reach its internals; the X11 backend's tests have
# their own folder because they are their own program.
PLATFORM_TESTS = ("tests/platform/", "tests/x11/")


# Besides the backend, its tests and the tool that drives windows from outside.
X11_USERS = ("platform/backends/x11/", "tests/x11/", "tools/xdrive/", "bench/peer/")


# The Linux implementation folders of platform/; platform/win/ replaces them on Windows.
LINUX_PLATFORM = ("platform/kernel/", "platform/user/", "platform/gdi/", "platform/shell/",
                  "platform/backends/", "platform/entry/")
WIN_SHARED = ("platform/shell/shell_url.h",)


def platform_side_problems(rel, header):
    """platform/win/ and the Linux folders never include each other's files."""
    if rel.startswith("platform/win/") and header.startswith(LINUX_PLATFORM):
        if header not in WIN_SHARED:
            return [f"platform/win/ must not include the Linux platform's {header}"]
    if rel.startswith(LINUX_PLATFORM) and header.startswith("platform/win/"):
        return [f"the Linux platform must not include {header}"]
    return []


# Programs choose and drive a backend; the libraries never see one.
BACKEND_USERS = ("tests/", "bench/", "tools/", "fuzz/", "app/main/")


def is_backend_api(target):
    """platform/backends/<name>/<name>.h is that backend's public header."""
    return (len(target) == 4 and target[1] == "backends"
            and target[3] == target[2] + ".h")


def layer_problems(rel, header):
    """Quoted includes of another layer or ui sub-layer that is not below."""
    parts, target = rel.split("/"), header.split("/")
    layer, top = parts[0], target[0]
    if layer in ALLOWED and top in ALLOWED and top not in ALLOWED[layer]:
        return [f"{layer}/ must not include {header}"]
    if layer == "ui" == top and len(parts) > 2 and len(target) > 2:
        sub, wanted = parts[1], target[1]
        if sub in UI_ALLOWED and wanted in UI_ALLOWED and wanted not in UI_ALLOWED[sub]:
            if (rel, header) not in EXCEPTIONS:
                return [f"ui/{sub}/ must not include {header}"]
    if layer == "platform":
        return platform_side_problems(rel, header)
    if top == "platform" and len(target) > 2 and layer != "platform":
        backend_user = rel.startswith(BACKEND_USERS) and is_backend_api(target)
        if not rel.startswith(PLATFORM_TESTS) and not backend_user:
            return [f"{header} is internal to platform/ (include a platform/*.h header)"]
    return []


def native_problems(rel, header):
    """Angle-bracket includes of native libraries outside their one folder."""
    if X11.match(header) and not rel.startswith(X11_USERS):
        return [f"X11 header {header} outside platform/backends/x11/"]
    if DRAWING.match(header) and not rel.startswith("platform/gdi/"):
        return [f"drawing library header {header} outside platform/gdi/"]
    if CURL.match(header) and not rel.startswith("net/"):
        return [f"libcurl header {header} outside net/"]
    if WINDOWS.match(header) and not rel.startswith("platform/win/"):
        return [f"Windows API header {header} outside platform/win/"]
    return []


def check_text(rel, text):
    problems = []
    for number, line in enumerate(text.splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quoted, header = match.group(1) == '"', match.group(2)
        found = layer_problems(rel, header) if quoted else native_problems(rel, header)
        problems += [f"{rel}:{number}: {p}" for p in found]
    return problems


def check_tree():
    problems = []
    for top in SCANNED:
        for path in sorted((ROOT / top).rglob("*")):
            if path.suffix in SUFFIXES and path.is_file():
                rel = path.relative_to(ROOT).as_posix()
                problems += check_text(rel, path.read_text(encoding="utf-8"))
    return problems


# (file, include line, whether the rules refuse it)
SELF_TEST = [
    ("ui/core/UIRect.cpp", '#include "ui/markup/XmlMarkup.h"', True),
    ("ui/markup/SkinStore.cpp", '#include "ui/render/DrawEngine.h"', True),
    ("ui/markup/SkinStore.cpp", '#include "ui/core/UIString.h"', False),
    ("ui/render/UIColor.cpp", '#include "ui/window/WindowHostUI.h"', True),
    ("ui/render/DrawEngineDescriptor.cpp", '#include "ui/window/WindowHostUI.h"', True),
    ("ui/render/DrawEngineLoad.cpp", '#include "ui/markup/SkinStore.h"', False),
    ("ui/window/WindowHostUI.cpp", '#include "ui/controls/ControlUI.h"', True),
    ("ui/controls/ButtonUI.cpp", '#include "ui/window/WindowHostUI.h"', False),
    ("ui/controls/ButtonUI.cpp", '#include "ui/builder/SkinBuilder.h"', True),
    ("ui/builder/SkinBuilder.cpp", '#include "ui/frame/WindowImplBase.h"', True),
    ("ui/frame/WindowImplBase.cpp", '#include "ui/builder/SkinBuilder.h"', False),
    ("ui/render/DrawEngine.h", '#include "app/util/Utilities.h"', True),
    ("app/frame/MainFrame.cpp", '#include "platform/gdi/GdiObject.h"', True),
    ("ui/window/WindowHostUI.cpp", '#include "platform/user/window_table.h"', True),
    ("tools/view/Main.cpp", '#include "platform/kernel/connection.h"', True),
    ("tests/ui/render/X.cpp", '#include "platform/gdi/Paint.h"', True),
    ("tests/platform/gdi/X.cpp", '#include "platform/gdi/Paint.h"', False),
    ("tests/ui/window/X.cpp", '#include "platform/backends/headless/headless.h"', False),
    ("ui/window/X.cpp", '#include "platform/backends/headless/headless.h"', True),
    ("platform/user/window.cpp", '#include "platform/gdi/DeviceContext.h"', False),
    ("app/frame/MainFrame.cpp", '#include "platform/gdi.h"', False),
    ("tools/view/Main.cpp", '#include "platform/backends/headless/headless.h"', False),
    ("tools/view/Main.cpp", '#include "platform/backends/headless/headless_input.h"', True),
    ("platform/user/backend.cpp", "#include <X11/Xlib.h>", True),
    ("platform/backends/x11/x11_backend.cpp", "#include <X11/Xlib.h>", False),
    ("tests/x11/X.cpp", "#include <X11/Xlib.h>", False),
    ("tools/xdrive/XDisplay.cpp", "#include <X11/Xlib.h>", False),
    ("tools/view/X.cpp", "#include <X11/Xlib.h>", True),
    ("tests/ui/X.cpp", "#include <X11/Xlib.h>", True),
    ("app/main/WinMain.cpp", '#include "platform/backends/x11/x11.h"', False),
    ("platform/gdi.h", "#include <pixman.h>", True),
    ("platform/user/window.cpp", "#include <ft2build.h>", True),
    ("platform/gdi/FontCache.cpp", "#include <fontconfig/fontconfig.h>", False),
    ("tests/platform/gdi/X.cpp", "#include <pixman.h>", True),
    ("ui/render/DrawEngineLoad.cpp", "#include <curl/curl.h>", True),
    ("net/HttpDownload.cpp", "#include <curl/curl.h>", False),
    ("platform/win/kernel_win.h", "#include <windows.h>", False),
    ("ui/core/UIString.cpp", "#include <windows.h>", True),
    ("platform/user/window.cpp", "#include <commctrl.h>", True),
    ("platform/kernel.h", '#include "platform/win/kernel_win.h"', False),
    ("platform/user/window.cpp", '#include "platform/win/user_win.h"', True),
    ("platform/win/shell_win.cpp", '#include "platform/shell/shell_url.h"', False),
    ("platform/win/owned_post.cpp", '#include "platform/user/thread_queue.h"', True),
    ("ui/core/UIString.cpp", '#include "platform/win/kernel_win.h"', True),
]


def self_test():
    wrong = 0
    for rel, line, refused in SELF_TEST:
        problems = check_text(rel, line)
        if bool(problems) != refused:
            wrong += 1
            print(f"self-test: {rel}: {line!r} should be {'refused' if refused else 'allowed'}")
        for problem in problems:
            print(f"  (refused as expected) {problem}")
    print(f"self-test: {wrong} wrong verdict(s) of {len(SELF_TEST)}")
    return 1 if wrong else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    problems = check_tree()
    for problem in problems:
        print(problem)
    print(f"layering: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
