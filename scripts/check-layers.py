#!/usr/bin/env python3
"""Checks the include order of the sources and prints every include that breaks it.

Layers, lowest first: storage, platform, lists, catalogue, discs, then output and update side by side.
A core folder may include itself and the core folders below it, and nothing of Qt. A window folder
(X/ui, and platform/qt for the platform) may include X, lower core folders, itself and lower window
folders. app/ may include everything; nothing includes app/. Folders of the same rank (output,
update) do not include each other.

Usage: check-layers.py SRC_DIR     exit 1 when an include breaks the order
       check-layers.py --self-test
"""
import re
import sys
from pathlib import Path

RANKS = {"storage": 0, "platform": 1, "lists": 2, "catalogue": 3, "discs": 4, "output": 5, "update": 5, "app": 6}
WINDOW_FOLDERS = ("ui", "qt")
QUOTED = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
ANGLED = re.compile(r"^\s*#\s*include\s*<([^>]+)>")
QT_HEADER = re.compile(r"^(Q[A-Za-z]|Qt[A-Z]|qt?[a-z]*\.h$)")


def layer_of(path_parts):
    """(folder, is_window) of a path given as parts below src/; None for a path outside the folders."""
    if not path_parts or path_parts[0] not in RANKS:
        return None
    window = len(path_parts) > 2 and path_parts[1] in WINDOW_FOLDERS
    return path_parts[0], window or path_parts[0] == "app"


def include_allowed(source, target):
    (folder, window), (to_folder, to_window) = source, target
    if to_folder == "app":
        return folder == "app"
    if folder == "app":
        return True
    if to_folder == folder:
        return window or not to_window
    if RANKS[to_folder] >= RANKS[folder]:
        return False
    return window or not to_window


def problems_in(relative, lines):
    """Every break of the order in one file, as messages."""
    source = layer_of(Path(relative).parts)
    if source is None:
        return []
    found = []
    for number, line in enumerate(lines, 1):
        where = f"{relative}:{number}"
        angled = ANGLED.match(line)
        if angled and not source[1] and QT_HEADER.match(angled.group(1)):
            found.append(f"{where}: Qt header <{angled.group(1)}> in the core folder {source[0]}")
            continue
        quoted = QUOTED.match(line)
        if not quoted or "/" not in quoted.group(1):
            continue
        target = layer_of(Path(quoted.group(1)).parts)
        if target is None:
            found.append(f"{where}: \"{quoted.group(1)}\" is outside the known folders")
        elif not include_allowed(source, target):
            found.append(f"{where}: {describe(source)} must not include \"{quoted.group(1)}\"")
    return found


def describe(layer):
    folder, window = layer
    return f"{folder} (windows)" if window and folder != "app" else folder


def check(src):
    found = []
    for path in sorted(src.rglob("*")):
        if path.suffix in (".h", ".cpp") and path.is_file():
            relative = path.relative_to(src).as_posix()
            found += problems_in(relative, path.read_text(encoding="utf-8", errors="replace").splitlines())
    return found


SELF_TEST = [
    # (file, include line, allowed)
    ("catalogue/Session.cpp", '#include "storage/Settings.h"', True),
    ("catalogue/Session.cpp", '#include "discs/Journal.h"', False),
    ("catalogue/Session.cpp", '#include "catalogue/ui/MainForm.h"', False),
    ("catalogue/Session.cpp", "#include <QString>", False),
    ("catalogue/Session.cpp", "#include <QtCore/QString>", False),
    ("catalogue/Session.cpp", "#include <qglobal.h>", False),
    ("catalogue/Session.cpp", "#include <string>", True),
    ("platform/Services.h", '#include "platform/qt/QtText.h"', False),
    ("platform/posix/SystemClock.cpp", '#include "platform/Services.h"', True),
    ("platform/qt/QtText.cpp", "#include <QString>", True),
    ("platform/qt/QtText.cpp", '#include "lists/DictTypes.h"', False),
    ("catalogue/ui/MainForm.cpp", '#include "lists/ui/TDictForm.h"', True),
    ("catalogue/ui/MainForm.cpp", '#include "platform/qt/QtText.h"', True),
    ("catalogue/ui/MainForm.cpp", '#include "discs/ui/TEditDisk.h"', False),
    ("catalogue/ui/MainForm.cpp", '#include "discs/DiscEditor.h"', False),
    ("discs/ui/TEditDisk.cpp", '#include "catalogue/ui/MainForm.h"', True),
    ("output/Report.cpp", '#include "update/News.h"', False),
    ("update/News.cpp", '#include "output/Report.h"', False),
    ("discs/DiscCommands.cpp", '#include "app/Wiring.h"', False),
    ("app/main.cpp", '#include "update/ui/TUpdateForm.h"', True),
    ("storage/IniStore.cpp", '#include "nowhere/File.h"', False),
    ("storage/IniStore.cpp", '#include "IniStore.h"', True),
]


def self_test():
    failures = 0
    for relative, line, allowed in SELF_TEST:
        if (not problems_in(relative, [line])) != allowed:
            print(f"self-test: {relative} with {line} should be {'allowed' if allowed else 'refused'}")
            failures += 1
    return 1 if failures else 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 2:
        print(__doc__)
        return 2
    found = check(Path(argv[1]))
    for message in found:
        print(message)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
