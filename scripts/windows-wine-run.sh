#!/bin/sh
# CTest's emulator for the Windows test programs: runs one under Wine.
# Wine's own helper processes (services, devices, the desktop) are started by
# the first program that needs them, inherit its output and outlive it; CTest
# would wait for them to close the pipe. So the output goes through a file and
# only the program itself is waited for.
out=$(mktemp "${TMPDIR:-/tmp}/lumora-wine.XXXXXX") || exit 1
wine "$@" </dev/null >"$out" 2>&1
code=$?
cat "$out"
rm -f "$out"
exit "$code"
