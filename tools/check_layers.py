#!/usr/bin/env python3
"""Prints the folder include graph of src/ and fails when it breaks the layers.

A folder is a directory holding sources (src/chart, src/media/gfx, ...). An
edge A -> B (N) says that N include lines in A name a header of B. The graph
must have no cycle, and only the application folder may include itself
(nothing builds on the program's top).

usage: check_layers.py [SRC_DIR]
"""
import os
import re
import sys

APPLICATION = 'app'
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def source_folders(src):
    for root, _, files in os.walk(src):
        sources = [f for f in files if f.endswith(('.h', '.cpp'))]
        if sources:
            yield os.path.relpath(root, src), [os.path.join(root, f) for f in sources]


def include_graph(src):
    folders = dict(source_folders(src))
    edges = {}
    for folder, paths in folders.items():
        for path in paths:
            with open(path, encoding='utf-8') as text:
                for header in INCLUDE.findall(text.read()):
                    target = os.path.dirname(header)
                    if target in folders and target != folder:
                        edges.setdefault(folder, {}).setdefault(target, 0)
                        edges[folder][target] += 1
    return sorted(folders), edges


def find_cycle(folders, edges):
    """A list of folders that include each other in a loop, or None."""
    state = {}  # 1 = on the current path, 2 = done

    def visit(folder, path):
        state[folder] = 1
        path.append(folder)
        for target in sorted(edges.get(folder, {})):
            if state.get(target) == 1:
                return path[path.index(target):] + [target]
            if target not in state:
                cycle = visit(target, path)
                if cycle:
                    return cycle
        path.pop()
        state[folder] = 2
        return None

    for folder in folders:
        if folder not in state:
            cycle = visit(folder, [])
            if cycle:
                return cycle
    return None


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'src')
    folders, edges = include_graph(src)
    for folder in folders:
        targets = edges.get(folder, {})
        listed = ', '.join(f'{t} ({n})' for t, n in sorted(targets.items())) or '-'
        print(f'{folder} -> {listed}')
    failures = []
    cycle = find_cycle(folders, edges)
    if cycle:
        failures.append('include cycle: ' + ' -> '.join(cycle))
    for folder, targets in sorted(edges.items()):
        if APPLICATION in targets:
            failures.append(f'{folder} includes {APPLICATION}/, which builds on everything')
    for failure in failures:
        print('error: ' + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
