#!/usr/bin/env python3
"""A window class with many methods is several classes in one: no class of
the widget library declares more than LIMIT member functions (constructors,
signals and overrides included). Prints each class with its count, the
largest first, and fails when one is over.

Usage: check-class-sizes.py [--all] [folder]   (default src/ui)
"""
import pathlib
import re
import sys

LIMIT = 30


def strip(text):
    text = re.sub(r"//[^\n]*", "", text)
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    text = re.sub(r'"(\\.|[^"\\])*"', '""', text)
    text = re.sub(r"'(\\.|[^'\\])*'", "''", text)
    return re.sub(r"\bQ_(OBJECT|GADGET)\b", ";", text)


def body_end(text, open_brace):
    depth = 0
    for i in range(open_brace, len(text)):
        if text[i] == "{":
            depth += 1
        elif text[i] == "}":
            depth -= 1
            if depth == 0:
                return i
    return len(text)


def members(body):
    """The declarations at the class's own level, nested bodies skipped."""
    out, start, i = [], 0, 0
    while i < len(body):
        c = body[i]
        if c == "{":
            end = body_end(body, i)
            head = body[start:i]
            # A function defined in the class, or a nested type / initialiser.
            out.append(head)
            i = end + 1
            if i < len(body) and body[i] == ";":
                i += 1
            start = i
            continue
        if c == ";":
            out.append(body[start:i])
            start = i + 1
        i += 1
    return out


def is_function(decl):
    decl = re.sub(r"\b(public|protected|private|signals|public slots|private slots|"
                  r"protected slots|slots|Q_SIGNALS|Q_SLOTS)\s*:", "", decl).strip()
    if not decl or decl.startswith(("using", "friend", "typedef", "static_assert", "enum",
                                    "struct", "class", "Q_", "template")):
        if not decl.startswith("template"):
            return False
    paren = decl.find("(")
    if paren < 0:
        return False
    equals = decl.find("=")
    if 0 <= equals < paren and "operator" not in decl[:paren]:
        return False  # a member initialised by a call
    head = decl[:paren].split()
    return bool(head) and re.match(r"[~\w:<>=!+\-*/\[\]]+$", head[-1].lstrip("*&")) is not None


def classes(path):
    text = strip(path.read_text(encoding="utf-8"))
    for m in re.finditer(r"\b(class|struct)\s+(\w+)\s*(final\s*)?(:[^;{]*)?\{", text):
        open_brace = m.end() - 1
        body = text[open_brace + 1:body_end(text, open_brace)]
        count = sum(1 for d in members(body) if is_function(d))
        yield m.group(2), count


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    folder = pathlib.Path(args[0] if args else "src/ui")
    found = {}
    for path in sorted(folder.rglob("*")):
        if path.suffix in (".h", ".cpp"):
            for name, count in classes(path):
                found[name] = max(found.get(name, 0), count)
    over = {n: c for n, c in found.items() if c > LIMIT}
    shown = found if "--all" in sys.argv else over
    for name, count in sorted(shown.items(), key=lambda x: -x[1]):
        print(f"{count:4d} {name}")
    if over:
        print(f"check-class-sizes: the classes above declare more than {LIMIT} methods")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
