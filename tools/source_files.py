"""The repository's C++ sources, for the checks that read them."""
import pathlib
import subprocess

SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c")


def cpp_sources(root):
    """Tracked C++ files under root; every such file on disk when git is not at hand."""
    try:
        listed = subprocess.run(["git", "-C", str(root), "ls-files", "-z"], check=True,
                                capture_output=True).stdout.decode().split("\0")
        files = [root / name for name in listed if name]
    except (OSError, subprocess.CalledProcessError):
        files = [p for p in root.rglob("*") if not p.relative_to(root).parts[0].startswith("build")]
    return sorted(p for p in files if p.suffix in SUFFIXES and p.is_file())
