#!/usr/bin/env python3
"""Turns strace -f -ttt logs of launcher starts (and the moment each first frame was seen) into
one timeline of medians: each step's time after exec and the X round trips in each stretch."""
import re
import statistics
import sys

CALL = re.compile(r'^(\d+) +(\d+\.\d+) (\w+)\((.*)')
X_SOCKET = re.compile(r'X11-unix')
FONT = re.compile(r'"[^"]+\.(ttf|ttc|otf)"')
UPDATE_PORT = 'sin_port=htons(18443)'
# XCB waits for a reply with one descriptor and no time limit; the message loop polls two.
ROUND_TRIP = re.compile(r'^\[\{fd=(\d+), events=POLLIN\}\], 1, -1')


def read_calls(path):
    calls = []
    with open(path, errors='replace') as f:
        for line in f:
            m = CALL.match(line)
            if m:
                calls.append((int(m.group(1)), float(m.group(2)), m.group(3), m.group(4)))
    return calls


def steps_of(calls, frame):
    """The moments (seconds after exec) of each step, and the X round trips before each."""
    t0 = calls[0][1]
    main = calls[0][0]
    steps = {}
    x_fd = update_fd = None

    def note(name, t):
        steps.setdefault(name, t - t0)

    for pid, t, name, args in calls:
        if name == 'openat' and '.so' in args and 'X11-unix' not in args and x_fd is None:
            steps['shared libraries loaded'] = t - t0
        elif name == 'openat' and 'fonts.conf' in args:
            note('fontconfig starts', t)
        elif name == 'openat' and FONT.search(args):
            steps['last font file opened'] = t - t0
        elif name == 'connect' and X_SOCKET.search(args):
            x_fd = args.split(',')[0]
            note('X display connected', t)
        elif name == 'connect' and UPDATE_PORT in args:
            update_fd = args.split(',')[0]
            note('update check connects', t)
        elif name == 'close' and update_fd is not None and args.startswith(update_fd + ')'):
            note('update check socket closed', t)
            update_fd = None
        elif name == 'shmget':
            note('main window surface made', t)
    if frame:
        steps['first frame seen'] = frame - t0
    return steps


def round_trips(calls, steps, t0):
    """Synchronous X round trips of the main thread, counted per stretch between two steps."""
    main = calls[0][0]
    marks = sorted(steps.items(), key=lambda kv: kv[1])
    counts = {name: 0 for name, _ in marks}
    for pid, t, name, args in calls:
        if pid != main or name != 'poll' or not ROUND_TRIP.match(args):
            continue
        for step, at in marks:
            if t - t0 <= at:
                counts[step] += 1
                break
    return counts


def main():
    folder, runs = sys.argv[1], int(sys.argv[2])
    times, trips = {}, {}
    for i in range(1, runs + 1):
        calls = read_calls(f'{folder}/strace.{i}')
        try:
            frame = float(open(f'{folder}/frame.{i}').read().strip() or 0)
        except (OSError, ValueError):
            frame = 0
        if not calls:
            continue
        steps = steps_of(calls, frame)
        for name, t in steps.items():
            times.setdefault(name, []).append(t * 1000)
        for name, n in round_trips(calls, steps, calls[0][1]).items():
            trips.setdefault(name, []).append(n)
    print(f'\n{runs} runs under strace, medians, ms after exec\n')
    print(f'| {"step":34} | {"at ms":>8} | {"step ms":>8} | {"X round trips":>13} |')
    print(f'|{"-" * 36}|{"-" * 10}|{"-" * 10}|{"-" * 15}|')
    last = 0.0
    for name, values in sorted(times.items(), key=lambda kv: statistics.median(kv[1])):
        at = statistics.median(values)
        n = statistics.median(trips.get(name, [0]))
        print(f'| {name:34} | {at:8.1f} | {at - last:8.1f} | {n:13.0f} |')
        last = at


if __name__ == '__main__':
    main()
