#!/usr/bin/env python3
"""The layer check over the real tree, and over a copy with one include turned against the layers."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "tools" / "check_layers.py"
COPIED = ("app", "net", "platform")

# (file of the real tree, include appended to it, the problem the check must report)
REVERSED = [
    ("app/pool/IdleThreadManager.cpp", "app/startup/StartUp.h", "app/pool/ must not include"),
    ("app/pages/Page1.cpp", "app/mainwindow/MainFrame.h", "app/pages/ must not include"),
    ("app/mainwindow/MainFrame.h", "app/startup/StartUp.h", "app/mainwindow/ must not include"),
    ("app/lines/PtLine.h", "app/pages/Page1.h", "app/lines/ must not include"),
    ("app/util/Utilities.cpp", "app/trace/Trace.h", "app/util/ must not include"),
    ("app/pages/Page2.h", "app/testing/LauncherSeam.h", "is a test seam"),
    ("platform/user/backend.cpp", "platform/backends/headless/headless_backend.h",
     "platform/user/ must not include"),
    ("platform/shell.h", "platform/testing/platform_seam.h", "is a test seam"),
    ("net/HttpClient.h", "net/testing/HttpSeam.h", "is a test seam"),
]


def run_check(root):
    return subprocess.run([sys.executable, "-B", str(CHECK), "--root", str(root)],
                          capture_output=True, text=True, check=False)


class LayerCheckTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.copy = pathlib.Path(cls.folder.name)
        for top in COPIED:
            shutil.copytree(ROOT / top, cls.copy / top)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_the_real_tree_and_its_copy_pass(self):
        for root in (ROOT, self.copy):
            with self.subTest(root=str(root)):
                result = run_check(root)
                self.assertEqual(result.returncode, 0, result.stdout)

    def test_one_reversed_include_fails_the_check(self):
        for rel, header, problem in REVERSED:
            with self.subTest(file=rel, include=header):
                path = self.copy / rel
                original = path.read_text(encoding="utf-8")
                line = len(original.splitlines()) + 1
                path.write_text(original + f'#include "{header}"\n', encoding="utf-8")
                try:
                    result = run_check(self.copy)
                finally:
                    path.write_text(original, encoding="utf-8")
                self.assertEqual(result.returncode, 1, result.stdout)
                self.assertIn(f"{rel}:{line}: ", result.stdout)
                self.assertIn(problem, result.stdout)
                self.assertIn("layering: 1 problem(s)", result.stdout)


if __name__ == "__main__":
    unittest.main()
