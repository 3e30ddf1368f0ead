"""What the zvk Python package costs over the same work done in C++.

Runs the C++ loops (zv_python_c_loops, built beside the library) and the
same loops through zvk, round after round in one run, and prints one table
in the form of scripts/bench.sh's: the best CPU time of each row over the
rounds, the C++ row as its floor, and the target. Exits non-zero when a
target is missed.
    /usr/bin/python3 bench/python/bench.py [rounds] [layers]
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "python"))
import zvk  # noqa: E402

GETTER_CALLS = 200_000


def python_getter(scene):
    marked = False
    start = time.process_time_ns()
    for _ in range(GETTER_CALLS):
        marked |= scene.marked
    return (time.process_time_ns() - start) / GETTER_CALLS


def raw_getter(scene):
    get, p = zvk.lib.zv_scn_2d_get_marked, scene._p
    start = time.process_time_ns()
    for _ in range(GETTER_CALLS):
        get(p)
    return (time.process_time_ns() - start) / GETTER_CALLS


def python_add(n):
    with zvk.Scene() as scene:
        layers = scene.layers
        start = time.process_time_ns()
        with scene.update():
            for _ in range(n):
                layers.add("vector")
        return (time.process_time_ns() - start) / n


def c_loops(n):
    # Two repetitions: the second runs on a heap grown by the first, as
    # every round but the first does in the Python process.
    out = subprocess.run([os.path.join(zvk.library_dir, "zv_python_c_loops"), "2", str(n)], check=True,
                         capture_output=True, text=True).stdout
    return {k: float(v) for k, v in (line.split() for line in out.splitlines())}


def fmt_time(ns):
    return f"{ns / 1e3:.3g} us" if ns >= 1e3 else f"{ns:.3g} ns"


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    n = int(sys.argv[2]) if len(sys.argv) > 2 else 100_000
    best = {}
    with zvk.Scene() as scene:
        for _ in range(rounds):
            measured = c_loops(n)
            measured.update(py_getter=python_getter(scene), raw_getter=raw_getter(scene), py_add=python_add(n))
            for key, value in measured.items():
                best[key] = min(best.get(key, value), value)
    rows = [  # operation, size, time, per, floor, target, met
        ("zv_scn_2d_get_marked, from C++", "-", best["getter"], "call", None, "(reference)", True),
        ("the same through zvk.lib", "-", best["raw_getter"], "call", best["getter"], "(reference)", True),
        ("scene.marked from Python", "-", best["py_getter"], "call", best["getter"], "overhead <= 1 us",
         best["py_getter"] - best["getter"] <= 1000),
        ("add_layer, all in one bracket, from C++", n, best["add"], "layer", None, "(reference)", True),
        ("layers.add in one bracket, from Python", n, best["py_add"], "layer", best["add"], "floor <= 4.0x",
         best["py_add"] <= 4 * best["add"]),
    ]
    print(f"{'operation':<44} {'size':>7} {'time (best)':>16} {'floor':>11} {'xsize':>7} {'xfloor':>7}  {'':<6} target")
    print("-" * 130)
    for op, size, value, per, floor, target, met in rows:
        xfloor = f"{value / floor:.2f}x" if floor else "-"
        print(f"{op:<44} {size:>7} {fmt_time(value) + '/' + per:>16} {fmt_time(floor) if floor else '-':>11} "
              f"{'-':>7} {xfloor:>7}  {'ok' if met else 'MISSED':<6} {target}")
    print(f"\nTimes are the best CPU time over {rounds} rounds, C++ and Python side by side in each.")
    missed = [row[0] for row in rows if not row[6]]
    print("Every target met." if not missed else "Missed targets: " + "; ".join(missed))
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
