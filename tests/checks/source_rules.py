#!/usr/bin/env python3
"""Rules of the source tree that the compilers cannot see, checked on every test run.

  source_rules.py callbacks ROOT   every function declared CALLBACK is noexcept: an exception
                                   leaving one would end the 32-bit program
  source_rules.py layering ROOT    the portable core includes no clock/, calendar/ or resources/
                                   header; a command-line tool, linked without the Windows
                                   program, includes no clock/ or resources/ header, and its
                                   portable source builds natively, so only a tools/*_win.cpp
                                   entry point includes a Win32 header (components/win32/,
                                   *_win.h); and only the Win32 side (*_win.cpp, *_win.h,
                                   components/win32/, in tools/ a *_win.cpp) includes <windows.h>

Prints each offending place as path:line and exits 1 when there is one.
"""
import pathlib
import re
import sys

PRODUCT_FOLDERS = ("components", "clock", "calendar", "tools", "resources")
SOURCE_SUFFIXES = (".cpp", ".h")


def product_sources(root):
    for folder in PRODUCT_FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES and path.is_file():
                yield path


def without_comments_and_strings(text):
    """The text with comments and literals blanked out, line breaks kept, so offsets still
    give the right line numbers."""
    pattern = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
    return pattern.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), text)


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


def callbacks_not_noexcept(path, text):
    code = without_comments_and_strings(text)
    for match in re.finditer(r"\bCALLBACK\b", code):
        if re.search(r"\(\s*$", code[: match.start()]):
            continue  # a function pointer type, (CALLBACK*)
        declaration = re.match(r"[^{;]*", code[match.end():]).group(0)
        if not re.search(r"\bnoexcept\b", declaration):
            yield line_of(code, match.start()), "CALLBACK function without noexcept"


def win32_side(relative):
    """Whether a file may include <windows.h>: the Win32 helpers and the *_win files; in tools/
    only a *_win.cpp, the Windows entry point, since a tool's own source builds natively too."""
    if relative.startswith("tools/"):
        return relative.endswith("_win.cpp")
    return relative.startswith("components/win32/") or re.search(r"_win\.(cpp|h)$", relative)


def layering_faults(path, text, root):
    relative = path.relative_to(root).as_posix()
    in_core = relative.startswith("components/")
    in_tools = relative.startswith("tools/")
    may_include_windows = win32_side(relative)
    for number, line in enumerate(text.splitlines(), 1):
        include = re.match(r'\s*#\s*include\s*[<"]([^>"]+)[>"]', line)
        if not include:
            continue
        header = include.group(1)
        if in_core and re.match(r"(clock|calendar|resources)/", header):
            yield number, f"the portable core includes {header}"
        win32_header = header.startswith("components/win32/") or header.endswith("_win.h")
        if in_tools and (re.match(r"(clock|resources)/", header)
                         or (win32_header and not may_include_windows)):
            yield number, f"a command-line tool includes {header}"
        if header.lower() == "windows.h":
            if not may_include_windows:
                yield number, ("<windows.h> outside the Win32 side (*_win.cpp, *_win.h, "
                               "components/win32/; in tools/ only *_win.cpp)")
            elif header != "windows.h":
                yield number, f"<{header}>: spelled in lower case, as cross builds need"


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("callbacks", "layering"):
        print(__doc__, file=sys.stderr)
        return 2
    rule, root = sys.argv[1], pathlib.Path(sys.argv[2]).resolve()
    faults = 0
    for path in product_sources(root):
        text = path.read_text(encoding="utf-8")
        if rule == "callbacks":
            found = callbacks_not_noexcept(path, text)
        else:
            found = layering_faults(path, text, root)
        for number, message in found:
            print(f"{path.relative_to(root)}:{number}: {message}")
            faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
