#!/usr/bin/env python3
"""Checks the Windows package as a user receives it.

  package_check.py ZIP EDITOR.exe OBJDUMP VERSION

The zip holds the program, its data folder and the two read-me files, nothing else;
the program is the one just built and needs no DLL beyond those every Windows has;
the read-me files open in Notepad (UTF-8 with a byte-order mark, CRLF line ends) and
carry the version.
"""
import subprocess
import sys
import zipfile

EXPECTED = {"picoran-editor.exe", "data/MapChip_S.txt", "data/MapChip_L.txt",
            "data/terrains.json", "docs/README-ja.txt", "docs/README-en.txt"}
# What the static build may import: parts of Windows itself.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "msvcrt.dll",
               "advapi32.dll", "shell32.dll", "version.dll", "comctl32.dll", "ole32.dll"}
# Texts a newcomer needs from the read-me: the default map name, the keys, the way to open
# maps by double-click and where the program keeps its list of recent maps.
MUST_MENTION = ["ぴこらんマップ", "Ctrl+Shift+S", "F1", "F3", "F4", "F9", "F10", "Escape",
                "%LOCALAPPDATA%\\picoran-editor"]
OPEN_WITH = {"docs/README-en.txt": "Open with", "docs/README-ja.txt": "プログラムから開く"}
# The program shows its texts on every Windows: no read-me may say otherwise.
MUST_NOT_MENTION = ["garbled", "文字化け"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def main(zip_path, editor_path, objdump, version):
    with zipfile.ZipFile(zip_path) as package:
        files = {name for name in package.namelist() if not name.endswith("/")}
        check(files == EXPECTED, "zip holds %s, expected %s" % (sorted(files), sorted(EXPECTED)))
        if "picoran-editor.exe" in files:
            check(package.read("picoran-editor.exe") == open(editor_path, "rb").read(),
                  "the program in the zip is not the one just built")
        for name in ("docs/README-ja.txt", "docs/README-en.txt"):
            if name not in files:
                continue
            raw = package.read(name)
            check(raw.startswith(b"\xef\xbb\xbf"), name + ": no UTF-8 byte-order mark")
            check(raw.count(b"\n") == raw.count(b"\r\n"), name + ": not every line ends in CRLF")
            try:
                text = raw.decode("utf-8-sig")
            except UnicodeDecodeError as error:
                failures.append("%s: not UTF-8: %s" % (name, error))
                continue
            check(version in text.splitlines()[0], name + ": the first line lacks " + version)
            check("@" not in text, name + ": a placeholder was left unreplaced")
            for word in MUST_MENTION:
                check(word in text, "%s: says nothing of %s" % (name, word))
            check(OPEN_WITH[name] in text, "%s: says nothing of %s" % (name, OPEN_WITH[name]))
            for word in MUST_NOT_MENTION:
                check(word not in text, "%s: still speaks of %s" % (name, word))

    dump = subprocess.run([objdump, "-p", editor_path], check=True, stdout=subprocess.PIPE,
                          universal_newlines=True).stdout
    dlls = {line.split(":", 1)[1].strip().lower() for line in dump.splitlines()
            if "DLL Name:" in line}
    check(dlls and dlls <= SYSTEM_DLLS, "the program needs DLLs beyond Windows' own: %s" %
          sorted(dlls - SYSTEM_DLLS))

    for failure in failures:
        print("package: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
