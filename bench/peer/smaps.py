#!/usr/bin/env python3
"""Resident and proportional memory of a running process by what is mapped: each shared
library, the program, the heap, thread stacks, shared-memory segments, fonts and other files.

    python3 bench/peer/smaps.py PID [--top N]
"""
import re
import sys

HEAD = re.compile(r'^[0-9a-f]+-[0-9a-f]+ (\S+) \S+ \S+ \d+\s*(.*)$')


def group_of(path, perms):
    if path == '':
        return '[anonymous: heap arenas, thread stacks, caches]'
    if path.startswith('/SYSV'):
        return '[shared-memory segments: window pixels]'
    if path.startswith('['):
        return path
    if re.search(r'\.(ttf|ttc|otf)$', path):
        return 'font ' + path.rsplit('/', 1)[-1]
    if '.so' in path:
        return path.rsplit('/', 1)[-1]
    return path


def read(pid):
    groups = {}
    current = None
    with open(f'/proc/{pid}/smaps') as f:
        for line in f:
            m = HEAD.match(line)
            if m:
                current = groups.setdefault(group_of(m.group(2).strip(), m.group(1)),
                                            {'rss': 0, 'pss': 0, 'maps': 0})
                current['maps'] += 1
                continue
            key, _, value = line.partition(':')
            if current is not None and key in ('Rss', 'Pss'):
                current[key.lower()] += int(value.split()[0])
    return groups


def main():
    pid = sys.argv[1]
    top = int(sys.argv[sys.argv.index('--top') + 1]) if '--top' in sys.argv else 25
    groups = read(pid)
    libs = {k: v for k, v in groups.items() if '.so' in k}
    rows = sorted(groups.items(), key=lambda kv: -kv[1]['rss'])
    total_rss = sum(v['rss'] for v in groups.values())
    total_pss = sum(v['pss'] for v in groups.values())
    print(f'| {"mapping":52} | {"RSS KiB":>8} | {"PSS KiB":>8} | {"maps":>4} |')
    print(f'|{"-" * 54}|{"-" * 10}|{"-" * 10}|{"-" * 6}|')
    for name, v in rows[:top]:
        print(f'| {name[:52]:52} | {v["rss"]:8} | {v["pss"]:8} | {v["maps"]:4} |')
    rest = rows[top:]
    print(f'| {"(" + str(len(rest)) + " more)":52} | {sum(v["rss"] for _, v in rest):8} | '
          f'{sum(v["pss"] for _, v in rest):8} |      |')
    print(f'| {"all shared libraries (" + str(len(libs)) + ")":52} | '
          f'{sum(v["rss"] for v in libs.values()):8} | {sum(v["pss"] for v in libs.values()):8} |'
          f'      |')
    print(f'| {"total":52} | {total_rss:8} | {total_pss:8} |      |')


if __name__ == '__main__':
    main()
