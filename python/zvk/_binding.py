"""Finds the library and the declarations generated from its headers, and
loads both with cffi in ABI mode: importing needs no compiler.

The library is looked for in the folder named by ZVK_LIBRARY_DIR when it is
set, else in the installed layout around this package
(<prefix>/lib/python3/dist-packages/zvk beside <prefix>/lib, or <prefix>/bin
for Windows DLLs), else in the build tree's optimised build (build/release/bin).
The declarations (zvk_scn_2d.cdef) lie next to the library, or in
<prefix>/share/zvk_scn_2d when installed.
"""
import json
import os
import re

import cffi

WINDOWS = os.name == "nt"
CDEF = "zvk_scn_2d.cdef"
# The sibling modules whose functions the Python layer calls, dependencies
# first. On Windows a module's handle finds only its own exports.
SIBLINGS = ("zvk_basic", "zvk_prg", "zvk_styles", "zvk_proj4_d2", "zvk_axis2d", "zvk_entity", "zvk_lr", "zvk_lr2d")


def module_file(name):
    """The file name of a module on this platform."""
    return f"{name}.dll" if WINDOWS else f"lib{name}.so"


def candidate_dirs():
    named = os.environ.get("ZVK_LIBRARY_DIR")
    if named:
        return [os.path.abspath(named)]
    here = os.path.dirname(os.path.abspath(__file__))
    prefix = os.path.normpath(os.path.join(here, "..", "..", "..", ".."))
    repo = os.path.normpath(os.path.join(here, "..", ".."))
    return [os.path.join(prefix, "bin" if WINDOWS else "lib"), os.path.join(repo, "build", "release", "bin")]


def _cdef_beside(folder):
    for path in (os.path.join(folder, CDEF), os.path.join(folder, "..", "share", "zvk_scn_2d", CDEF)):
        if os.path.exists(path):
            return path
    return None


def find():
    """The library's folder and the path of its declarations."""
    tried = candidate_dirs()
    for folder in tried:
        cdef = _cdef_beside(folder)
        if cdef and os.path.exists(os.path.join(folder, module_file("zvk_scn_2d"))):
            return folder, cdef
    raise ImportError(f"zvk: no {module_file('zvk_scn_2d')} with its {CDEF} in {', '.join(tried)}; "
                      "build it (scripts/python.sh) or name its folder in ZVK_LIBRARY_DIR")


def parse(text):
    """An FFI declaring `text`, the string constants of its //! lines, and
    each function's declaration by name."""
    ffi = cffi.FFI()
    parts = re.split(r"^#pragma pack\((.*)\)$", text, flags=re.M)
    ffi.cdef(parts[0])
    packs = []
    for arg, body in zip(parts[1::2], parts[2::2]):
        if arg.startswith("push"):
            packs.append(int(arg.split(",")[1]))
        elif packs:
            packs.pop()
        ffi.cdef(body, pack=packs[-1] if packs else None)
    strings = {m[0]: json.loads(m[1]) for m in re.findall(r"^//! (\w+) (.*)$", text, re.M)}
    declarations = {}
    for line in text.splitlines():
        m = re.match(r"(?!typedef|struct|union|enum|static|#|//)[^(]*?(\w+)\s*\(", line)
        if m:
            declarations[m.group(1)] = line
    return ffi, strings, declarations


class Siblings:
    """The sibling modules' functions by name, each found in the module that
    exports it."""

    def __init__(self, handles):
        self._handles = handles

    def __getattr__(self, name):
        for handle in self._handles:
            try:
                value = getattr(handle, name)
            except AttributeError:
                continue
            setattr(self, name, value)
            return value
        raise AttributeError(f"no sibling module exports {name}")


def load():
    folder, cdef_path = find()
    if WINDOWS:  # the modules' own DLLs and the C++ runtime lie beside them
        os.add_dll_directory(folder)
    with open(cdef_path) as f:
        ffi, strings, declarations = parse(f.read())
    siblings = [ffi.dlopen(os.path.join(folder, module_file(name))) for name in SIBLINGS]
    lib = ffi.dlopen(os.path.join(folder, module_file("zvk_scn_2d")))
    return ffi, lib, Siblings(siblings), strings, declarations, folder
