"""Turns the library's public headers into the declarations the binding loads.

The headers run through the C preprocessor as C11, with empty stand-ins for
the standard headers (cffi knows the standard types itself), and the result
is cleaned into a cffi ``cdef``: export attributes go, the C++ spellings that
the sibling libraries' headers still use are put the C way, and the string
constants (service identifiers, layer type names) are listed in ``//!``
lines. ``#pragma pack`` lines stay: the loader declares what lies between
them with that packing.

    python3 _headers.py --include DIR --cc CC --out FILE
"""
import json
import os
import re
import subprocess
import sys
import tempfile

# The library's flat headers (every one of include/zv and include/zv/scn_2d)
# and the sibling headers whose functions the Python layer calls.
SIBLING_HEADERS = [
    "zv/sibling/basic.h", "zv/sibling/prg.h", "zv/sibling/styles.h", "zv/sibling/axis2d.h",
    "zv/sibling/proj4_d2.h", "zv/sibling/entity.h", "zv/sibling/lr.h", "zv/sibling/lr2d.h",
    "zv/sibling/service_registry.h", "zv/framework/service_ids.h",
    # The layer stand-in's hooks: what gives a layer without data an extent.
    # Present in the source tree only.
    "zv/sibling/lr2d_test_hooks.h",
]
STANDARD_HEADERS = ["stdbool.h", "stddef.h", "stdint.h", "assert.h", "cstdint"]


def flat_headers(include):
    """The library's own headers, as include paths."""
    found = []
    for sub in ("zv", "zv/scn_2d"):
        folder = os.path.join(include, sub)
        found += sorted(f"{sub}/{n}" for n in os.listdir(folder) if n.endswith(".h"))
    return found


def _preprocess(cc, include, text, *flags):
    with tempfile.TemporaryDirectory() as tmp:
        for name in STANDARD_HEADERS:
            open(os.path.join(tmp, name), "w").close()
        unit = os.path.join(tmp, "unit.c")
        with open(unit, "w") as f:
            f.write(text)
        cmd = [cc, "-E", "-P", "-std=c11", "-nostdinc", "-I", tmp, "-I", include, *flags, unit]
        return subprocess.run(cmd, check=True, capture_output=True, text=True).stdout


def _statements(text):
    """Top-level statements (pragma lines on their own), with the braces of
    extern "C" blocks taken out."""
    text = re.sub(r'extern\s*"C"\s*\{', "\x01", text)
    out, cur, stack, i = [], [], [], 0
    while i < len(text):
        c = text[i]
        if c == "#" and not "".join(cur).strip():
            end = text.find("\n", i)
            end = len(text) if end < 0 else end
            out.append(text[i:end].strip())
            cur, i = [], end
            continue
        if c == '"':
            end = i + 1
            while text[end] != '"':
                end += 2 if text[end] == "\\" else 1
            cur.append(text[i:end + 1])
            i = end + 1
            continue
        i += 1
        if c == "\x01":
            stack.append("extern")
        elif c == "{":
            stack.append("{")
            cur.append(c)
        elif c == "}":
            if stack.pop() == "{":
                cur.append(c)
        elif c == ";" and (not stack or stack[-1] == "extern"):
            out.append(" ".join("".join(cur).split()))
            cur = []
        else:
            cur.append(c)
    return [s for s in out if s]


def _clean(statements, strings):
    kept, seen_typedefs = [], set()
    for s in statements:
        s = re.sub(r"__attribute__\s*\(\((?:[^()]|\([^()]*\))*\)\)\s*|__declspec\s*\(\w+\)\s*", "", s)
        s = re.sub(r"\benum\s*(\w*)\s*:\s*\w+\s*\{", lambda m: f"enum {m.group(1)} {{".replace("  ", " "), s)
        if re.match(r"(_Static|static)_assert\b", s):
            continue
        m = re.match(r'(?:inline\s+)?constexpr\s+char\s+(\w+)\s*\[\]\s*=\s*("(?:[^"\\]|\\.)*")$', s)
        if m:
            strings[m.group(1)] = json.loads(m.group(2))
            continue
        m = re.fullmatch(r"struct (\w+)", s)
        if m:
            s = f"typedef struct {m.group(1)} {m.group(1)}"
        if s.startswith("typedef"):
            if s in seen_typedefs:
                continue
            seen_typedefs.add(s)
        kept.append(s if s.startswith("#") else s + ";")
    return kept


def _string_macros(cc, include, unit):
    """Macros named ZV_* whose expansion is string literals, with their text."""
    names = re.findall(r"^#define (ZV_\w+) ", _preprocess(cc, include, unit, "-dM"), re.M)
    probe = unit + "".join(f'\n@@ "{n}" {n}' for n in names)
    found = {}
    for line in _preprocess(cc, include, probe).splitlines():
        m = re.fullmatch(r'@@ "(\w+)" ((?:L?"(?:[^"\\]|\\.)*"\s*)+)', line.strip())
        if m:
            found[m.group(1)] = "".join(json.loads(p) for p in re.findall(r'L?("(?:[^"\\]|\\.)*")', m.group(2)))
    return found


def generate(include, cc="cc"):
    """The cdef text for the headers under `include`."""
    headers = flat_headers(include)
    headers += [h for h in SIBLING_HEADERS if os.path.exists(os.path.join(include, h))]
    unit = "".join(f'#include "{h}"\n' for h in headers)
    strings = _string_macros(cc, include, unit)
    body = _clean(_statements(_preprocess(cc, include, unit)), strings)
    head = ["// Generated from the public headers by python/zvk/_headers.py: do not edit."]
    head += [f"//! {name} {json.dumps(value)}" for name, value in sorted(strings.items())]
    return "\n".join(head + body) + "\n"


def main(argv):
    args = dict(zip(argv[::2], argv[1::2]))
    text = generate(args["--include"], args.get("--cc", "cc"))
    with open(args["--out"], "w") as f:
        f.write(text)


if __name__ == "__main__":
    main(sys.argv[1:])
