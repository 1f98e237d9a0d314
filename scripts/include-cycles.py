#!/usr/bin/env python3
"""Prints the include cycles between units of the C++ sources, largest first.

A unit is a header together with every source file that defines what it declares: a file of
the same name beside it, a file defining members of a class it declares (Class::name), or a
file defining a free function it declares. A source file that defines nothing declared in a
header is a unit of its own. Unit A depends on unit B when a file of A includes B's header.
A cycle is a strongly connected group of units; each group of two or more is printed with
its size. Usage: include-cycles.py [FOLDER...] (default: src)."""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
CLASS = re.compile(r'^(?:class|struct)\s+(\w+)\b[^;]*$', re.M)
DECLARED = re.compile(r'^[\w:<>,\*&\s]*?\b(\w+)\s*\([^;{]*\)\s*(?:const)?\s*;', re.M)
MEMBER = re.compile(r'^[\w:<>,\*&\s]*?\b(\w+)::~?\w+\s*\(', re.M)
DEFINED = re.compile(r'^(?:[\w:<>,\*&]+\s+)+\**&?(\w+)\s*\([^;]*$', re.M)


def files_under(folders):
    for folder in folders:
        for root, _, names in os.walk(folder):
            for name in names:
                if name.endswith(('.h', '.cpp')):
                    yield os.path.normpath(os.path.join(root, name))


def main():
    folders = sys.argv[1:] or ['src']
    files = sorted(files_under(folders))
    text = {f: open(f, encoding='utf-8', errors='replace').read() for f in files}
    headers = [f for f in files if f.endswith('.h')]
    owner = {}  # source file -> header of its unit
    declared = {h: set(CLASS.findall(text[h])) | set(DECLARED.findall(text[h])) for h in headers}
    for source in (f for f in files if f.endswith('.cpp')):
        twin = source[:-4] + '.h'
        if twin in text:
            owner[source] = twin
            continue
        names = set(MEMBER.findall(text[source])) | set(DEFINED.findall(text[source]))
        for header in headers:
            if names & declared[header]:
                owner[source] = header
                break
    unit_of = {f: owner.get(f, f) for f in files}

    def resolve(include, including):
        for candidate in (os.path.join(os.path.dirname(including), include),
                          *(os.path.join(folder, include) for folder in folders)):
            candidate = os.path.normpath(candidate)
            if candidate in text:
                return candidate
        matches = [f for f in files if f.endswith(os.sep + include) or f == include]
        return matches[0] if len(matches) == 1 else None

    edges = {}
    for f in files:
        for include in INCLUDE.findall(text[f]):
            target = resolve(include, f)
            if target and unit_of[target] != unit_of[f]:
                edges.setdefault(unit_of[f], set()).add(unit_of[target])

    # Tarjan's strongly connected components.
    index, low, stack, on_stack, groups = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(edges.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            groups.append(sorted(group))

    sys.setrecursionlimit(10000)
    for node in sorted(set(unit_of.values())):
        if node not in index:
            visit(node)
    cycles = sorted((g for g in groups if len(g) > 1), key=len, reverse=True)
    print('largest include cycle: %d units' % (len(cycles[0]) if cycles else 0))
    for group in cycles:
        print('%d units: %s' % (len(group), ', '.join(os.path.splitext(u)[0] for u in group)))


if __name__ == '__main__':
    main()
