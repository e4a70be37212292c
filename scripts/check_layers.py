#!/usr/bin/env python3
"""Checks the layering of src/: each folder includes only its own files and those of the folders
below it, and no files depend on each other in a circle (a header and its source count as one
file). Headers of shared state (*_globals.h, *_types.h) are the exception: any layer may include
them. Exits 1 and lists what breaks the rule."""

import os
import re
import sys

# Bottom to top; a folder uses only the folders before it.
LAYERS = ["platform", "base", "sim", "draw", "navdb", "fmc", "nd", "afds", "state", "cdu", "displays", "module"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def is_shared_state(path):
    name = os.path.basename(path)
    return name.endswith("_globals.h") or name.endswith("_types.h")


def read_includes(src):
    """(including file, included path) for every quoted include under src, paths relative to src."""
    found = []
    for folder, _, names in os.walk(src):
        for name in sorted(names):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, src)
            with open(path, encoding="utf-8", errors="replace") as f:
                for line in f:
                    m = INCLUDE.match(line)
                    if m:
                        found.append((rel, m.group(1)))
    return found


def find_cycles(graph):
    """Strongly connected components of more than one node (Tarjan, iterative)."""
    index, low, on_stack, stack, cycles = {}, {}, set(), [], []
    counter = 0
    for root in sorted(graph):
        if root in index:
            continue
        work = [(root, iter(sorted(graph[root])))]
        index[root] = low[root] = counter
        counter += 1
        stack.append(root)
        on_stack.add(root)
        while work:
            node, successors = work[-1]
            advanced = False
            for nxt in successors:
                if nxt not in graph:
                    continue
                if nxt not in index:
                    index[nxt] = low[nxt] = counter
                    counter += 1
                    stack.append(nxt)
                    on_stack.add(nxt)
                    work.append((nxt, iter(sorted(graph[nxt]))))
                    advanced = True
                    break
                if nxt in on_stack:
                    low[node] = min(low[node], index[nxt])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    cycles.append(sorted(component))
    return cycles


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    src = os.path.join(root, "src")
    rank = {name: i for i, name in enumerate(LAYERS)}
    problems = []

    for folder in sorted(os.listdir(src)):
        if os.path.isdir(os.path.join(src, folder)) and folder not in rank:
            problems.append(f"src/{folder}: not in the layer order of {os.path.basename(__file__)}")

    includes = read_includes(src)
    graph = {}
    checked = 0
    for rel, target in includes:
        unit = os.path.splitext(rel)[0]
        graph.setdefault(unit, set())
        if is_shared_state(target) or "/" not in target:
            continue
        checked += 1
        lower, upper = target.split("/")[0], rel.split("/")[0]
        if lower in rank and upper in rank and rank[lower] > rank[upper]:
            problems.append(f"src/{rel} includes {target}: {upper} is below {lower}")
        target_unit = os.path.splitext(target)[0]
        if target_unit != unit:
            graph[unit].add(target_unit)

    for cycle in find_cycles(graph):
        problems.append("files depend on each other in a circle: " + ", ".join(cycle))

    if problems:
        print("\n".join(problems))
        print(f"layer check: {len(problems)} problems")
        return 1
    print("layers, bottom to top: " + " < ".join(LAYERS))
    print(f"layer check: {checked} includes of {len(graph)} files go downward, no circles")
    return 0


if __name__ == "__main__":
    sys.exit(main())
