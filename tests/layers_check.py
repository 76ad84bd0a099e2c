#!/usr/bin/env python3
"""Checks that includes run one way between the program's folders.

Each folder may include its own headers and those of the folders it uses,
directly or through them. A folder missing from the table, or an include
of a folder not reachable from it, is reported; the exit status is 1 then.
"""
import pathlib
import re
import sys

USES = {
    'platform': [],
    'settings': ['platform'],
    'report/core': [],
    'report/emf': ['report/core', 'platform'],
    'report/draw': ['report/emf'],
    'report/model': ['report/draw'],
    'report/store': ['report/emf'],
    'report/print': ['report/model', 'report/store'],
    'report/preview': ['report/print'],
    'forms': ['report/model'],
    'app/controls': ['platform'],
    'app/files': ['settings'],
    'app/history': ['app/files', 'app/controls'],
    'app/printing': ['app/history', 'forms', 'report/preview'],
    'app/recovery': ['app/files'],
    'app/window': ['app/printing', 'app/recovery'],
    'app': ['app/window'],
    'tools': ['report/model', 'app/controls'],
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)/[^/"]+"', re.M)


def reachable(folder):
    seen, todo = {folder}, [folder]
    while todo:
        for used in USES[todo.pop()]:
            if used not in seen:
                seen.add(used)
                todo.append(used)
    return seen


def main(root):
    faults = []
    for path in sorted(root.glob('**/*')):
        rel = path.relative_to(root)
        if path.suffix not in ('.cpp', '.h') or rel.parts[0] in ('tests', 'bench', 'build'):
            continue
        folder = str(rel.parent)
        if folder not in USES:
            faults.append(f'{rel}: folder {folder} is not in the table of folders')
            continue
        allowed = reachable(folder)
        for included in INCLUDE.findall(path.read_text(encoding='utf-8')):
            if included not in allowed:
                faults.append(f'{rel}: includes {included}/, which {folder}/ does not use')
    print('\n'.join(faults) or 'includes run one way')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.')))
