#!/usr/bin/env python3
"""Checks that includes point down the layers and that native headers stay put.

Layers: app -> ui, net, platform; ui -> platform; net -> platform;
platform -> itself. Inside ui: core <- markup, render <- window <- controls
<- builder <- windowbase. Inside app, from the top: main, startup, mainwindow and
update, pages, msgbox and lines and pool, trace and util. Inside platform: the
backends over user and gdi; user, gdi, kernel, shell and entry use one another
only through the public platform/*.h headers, which name only platform/win/.
A <layer>/testing/ header is a test seam: tests, bench and fuzz include it, and
so do the sources of its own layer that implement it; no other header does.
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
    "windowbase": {"core", "markup", "render", "window", "controls", "builder", "windowbase"},
}
# A folder includes only the folders on the rows below its own.
APP_ROWS = [
    ("main",),
    ("startup",),
    ("mainwindow", "update"),
    ("pages",),
    ("msgbox", "lines", "pool"),
    ("trace", "util"),
    ("testing",),
]
APP_ALLOWED = {
    folder: {below for lower in APP_ROWS[row + 1:] for below in lower}
    for row, folders in enumerate(APP_ROWS) for folder in folders
}
# Besides themselves and the public headers; "" is the public headers themselves.
PLATFORM_ALLOWED = {
    "": {"win"},
    "entry": set(),
    "backends": {"user", "gdi"},
    "user": set(),
    "gdi": set(),
    "kernel": set(),
    "shell": set(),
    "win": {"shell"},  # only WIN_SHARED, checked below
    "testing": set(),
}
SUB_ALLOWED = {"ui": UI_ALLOWED, "app": APP_ALLOWED, "platform": PLATFORM_ALLOWED}
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


# Test programs, measurements and fuzz targets reach the seams.
SEAM_USERS = ("tests/", "bench/", "fuzz/")


def seam_problems(rel, header):
    """None when header is no test seam, else what is wrong with including it."""
    target = header.split("/")
    if len(target) < 3 or target[0] not in ALLOWED or target[1] != "testing":
        return None
    if rel.startswith(SEAM_USERS):
        return []
    if not rel.endswith((".cpp", ".c")):
        return [f"{header} is a test seam: no header outside tests/ includes it"]
    if rel.split("/")[0] != target[0]:
        return [f"{header} is a test seam: outside the tests only {target[0]}/ implements it"]
    return []


def sub_folder(parts):
    """The folder below the layer: "" for a file directly in the layer."""
    return parts[1] if len(parts) > 2 else ""


def sub_layer_problems(rel, header):
    """Includes inside one layer that do not point down its folders."""
    parts, target = rel.split("/"), header.split("/")
    allowed = SUB_ALLOWED.get(parts[0])
    if allowed is None or parts[0] != target[0] or len(target) < 3:
        return []
    sub, wanted = sub_folder(parts), target[1]
    # A new folder of app/ or platform/ takes its place in the order first.
    for folder in (sub, wanted):
        if parts[0] != "ui" and folder not in allowed:
            return [f"{parts[0]}/{folder}/ has no place in the folder order of check_layers.py"]
    if sub not in allowed or wanted not in allowed or wanted == sub:
        if sub == wanted == "backends" and len(parts) > 3 and parts[2] != target[2]:
            return [f"platform/backends/{parts[2]}/ must not include another backend's {header}"]
        return []
    if wanted not in allowed[sub] and (rel, header) not in EXCEPTIONS:
        return [f"{parts[0]}/{sub + '/' if sub else ''} must not include {header}"]
    return []


def layer_problems(rel, header):
    """Quoted includes of another layer or sub-layer that is not below."""
    seam = seam_problems(rel, header)
    if seam is not None:
        return seam
    parts, target = rel.split("/"), header.split("/")
    layer, top = parts[0], target[0]
    if layer in ALLOWED and top in ALLOWED and top not in ALLOWED[layer]:
        return [f"{layer}/ must not include {header}"]
    inside = sub_layer_problems(rel, header)
    if inside:
        return inside
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


def check_tree(root=ROOT):
    problems = []
    for top in SCANNED:
        for path in sorted((root / top).rglob("*")):
            if path.suffix in SUFFIXES and path.is_file():
                rel = path.relative_to(root).as_posix()
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
    ("ui/builder/SkinBuilder.cpp", '#include "ui/windowbase/WindowImplBase.h"', True),
    ("ui/windowbase/WindowImplBase.cpp", '#include "ui/builder/SkinBuilder.h"', False),
    ("ui/render/DrawEngine.h", '#include "app/util/Utilities.h"', True),
    ("app/mainwindow/MainFrame.cpp", '#include "platform/gdi/GdiObject.h"', True),
    ("ui/window/WindowHostUI.cpp", '#include "platform/user/window_table.h"', True),
    ("tools/view/Main.cpp", '#include "platform/kernel/connection.h"', True),
    ("tests/ui/render/X.cpp", '#include "platform/gdi/Paint.h"', True),
    ("tests/platform/gdi/X.cpp", '#include "platform/gdi/Paint.h"', False),
    ("tests/ui/window/X.cpp", '#include "platform/backends/headless/headless.h"', False),
    ("ui/window/X.cpp", '#include "platform/backends/headless/headless.h"', True),
    ("platform/user/window.cpp", '#include "platform/gdi/DeviceContext.h"', True),
    ("platform/backends/x11/x11_image.cpp", '#include "platform/gdi/DeviceContext.h"', False),
    ("app/mainwindow/MainFrame.cpp", '#include "platform/gdi.h"', False),
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
    ("app/pages/Page1.cpp", '#include "app/mainwindow/MainFrame.h"', True),
    ("app/mainwindow/MainFrame.h", '#include "app/pages/IPageOwner.h"', False),
    ("app/pool/IdleThreadManager.cpp", '#include "app/startup/StartUp.h"', True),
    ("app/startup/StartUp.cpp", '#include "app/pool/IdleThreadManager.h"', False),
    ("app/mainwindow/MainFrame.cpp", '#include "app/update/UpdateGate.h"', True),
    ("app/update/UpdateGate.cpp", '#include "app/msgbox/MessageBox.h"', False),
    ("app/lines/PtLine.cpp", '#include "app/pool/IdleJob.h"', True),
    ("app/util/Utilities.cpp", '#include "app/trace/Trace.h"', True),
    ("app/startup/StartUp.cpp", '#include "app/main/Anything.h"', True),
    ("platform/user/backend.cpp", '#include "platform/backends/headless/headless_backend.h"', True),
    ("platform/backends/x11/x11_keys.h", '#include "platform/user/native_event.h"', False),
    ("platform/backends/x11/x11_present.cpp", '#include "platform/gdi/region_rects.h"', False),
    ("platform/backends/x11/x11_state.cpp", '#include "platform/backends/headless/headless.h"', True),
    ("platform/gdi/paint.cpp", '#include "platform/user/window_table.h"', True),
    ("platform/kernel/time.cpp", '#include "platform/user/core_clock.h"', True),
    ("platform/shell/shell_execute.cpp", '#include "platform/kernel/connection.h"', True),
    ("platform/user.h", '#include "platform/user/backend.h"', True),
    ("platform/entry/main.cpp", '#include "platform/user/backend.h"', True),
    ("platform/shell/shell_execute.cpp", '#include "platform/testing/platform_seam.h"', False),
    ("platform/shell.h", '#include "platform/testing/platform_seam.h"', True),
    ("app/pages/Page2.cpp", '#include "app/testing/LauncherSeam.h"', False),
    ("app/pages/Page2.h", '#include "app/testing/LauncherSeam.h"', True),
    ("app/pages/Page2.cpp", '#include "net/testing/HttpSeam.h"', True),
    ("ui/window/WindowHostUI.cpp", '#include "platform/testing/platform_seam.h"', True),
    ("tools/view/Main.cpp", '#include "platform/testing/platform_seam.h"', True),
    ("tests/app/launcher/LauncherFixture.h", '#include "app/testing/LauncherSeam.h"', False),
    ("tests/app/mainwindow/X.cpp", '#include "platform/testing/platform_seam.h"', False),
    ("bench/LineRunMeasure.cpp", '#include "app/testing/LauncherSeam.h"', False),
    ("app/newarea/Thing.cpp", '#include "app/util/Utilities.h"', True),
    ("app/mainwindow/MainFrame.cpp", '#include "app/newarea/Thing.h"', True),
    ("platform/newsub/thing.cpp", '#include "platform/user/backend.h"', True),
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
    # --root DIR checks another tree laid out like this one.
    root = pathlib.Path(sys.argv[2]) if sys.argv[1:2] == ["--root"] else ROOT
    problems = check_tree(root)
    for problem in problems:
        print(problem)
    print(f"layering: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
