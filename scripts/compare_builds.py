#!/usr/bin/env python3
"""Proves the same texts with two builds of `tolvern` and reports any page,
line or exit status that differs: the check that a change of shape changed
nothing a user sees.

  scripts/compare_builds.py OLD_TOLVERN NEW_TOLVERN [--random N] [--seed S]

The texts: every example, fuzz seed and regression input, the benchmark
texts (when build/tolvern_bench exists), N random compositions (default 500)
and a mutated copy of each of those texts. Each is proved with several sets
of options; `tolvern check` is compared on all of them at once.
"""
import argparse
import os
import random
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SYMBOLS = "1234567890ETabcd"
OPTION_SETS = [
    [],
    ["--no-music", "--no-work"],
    ["--debug", "parse,symtab,proof", "--max-changes", "3000"],
    ["--max-bells", "16", "--max-changes", "100000", "--max-idle", "5000"],
]


def plain_bob(stage):
    n = SYMBOLS[stage - 1]
    if stage % 2 == 0:
        return "&" + "".join("x1" + n for _ in range(stage // 2)), "+12", "+14"
    body = ".".join(n if i % 2 == 0 else "1" for i in range(stage))
    return "&" + body, "+12" + n, "+14" + n


def random_notation(r, stage):
    changes = []
    for _ in range(r.randint(1, 2 * stage)):
        if stage % 2 == 0 and r.random() < 0.4:
            changes.append("x")
            continue
        places, p = [], 0
        while p < stage:
            if r.random() < 0.35 or p == stage - 1:
                places.append(SYMBOLS[p])
                p += 1
            else:
                p += 2
        changes.append("".join(places) or "x")
    text = ""
    for c in changes:
        if text and text[-1] != "x" and c != "x":
            text += "."
        text += c
    return r.choice(["&", "+", "+"]) + text


def random_string(r):
    pieces = ["@", "#", "$", " ", "row", "\\@", "\\#", "_u_", "é", "[M]"]
    text = "".join(r.choice(pieces) for _ in range(r.randint(0, 5)))
    if r.random() < 0.15:
        text += "$$"
    if r.random() < 0.2:
        text += "\\"
    return '"' + text + '"'


def random_composition(r):
    stage = r.choice([4, 5, 6, 6, 7, 8, 8, 10, 12, 16])
    lines = [f"{stage} BELLS"]
    if r.random() < 0.3:
        lines.append("/ a random composition")
    method, plain, bob = plain_bob(stage)
    names = ["P", "B", "S", "X"]
    parts = []
    for _ in range(r.randint(1, 8)):
        count = r.choice(["", "", "2 ", "3 ", str(r.randint(1, stage)) + " "])
        parts.append(count + r.choice(names + ["(P, B)", "2(P, S)"]))
    if r.random() < 0.3:
        parts.append(random_string(r))
    lines.append("Touch = " + ", ".join(parts))
    marker = r.choice(['"[PB]", ', "", '"[Other]", '])
    lines.append(f"P = {marker}L, {plain}" + (', "@"' if r.random() < 0.3 else ""))
    lines.append(f"B = {marker}L, {bob}, " + random_string(r))
    lines.append(f"S = L, {random_notation(r, stage)}")
    lines.append(f"X = {random_notation(r, stage)}")
    lines.append(f"L = {method}")
    for name in ["CONFLICT", "ROUNDS", "EVERYROW", "TRUE", "FALSE", "NOTROUND"]:
        if r.random() < 0.15:
            lines.append(f"{name} = " + (random_string(r) if r.random() < 0.7 else ""))
    if r.random() < 0.25:
        row = list(SYMBOLS[:stage])
        r.shuffle(row)
        pats = ['"DEFAULT"', '"' + "".join(row[: max(1, stage // 2)]) + '"', '"?' + SYMBOLS[stage - 1] + '"']
        lines.append("MUSIC = " + ", ".join(r.sample(pats, r.randint(1, 3))))
    if r.random() < 0.2:
        lines.append("END")
    return "\n".join(lines) + r.choice(["\n", "\r\n", ""])


def mutate(r, text):
    data = bytearray(text.encode("latin-1", "replace") if isinstance(text, str) else text)
    for _ in range(r.randint(1, 4)):
        if not data:
            break
        i = r.randrange(len(data))
        op = r.random()
        if op < 0.4:
            del data[i]
        elif op < 0.8:
            data.insert(i, r.choice(b"x.-&+,()\"=0123456789 \n\\$@#EL"))
        else:
            data[i] = r.randrange(256)
    return bytes(data)


def run(binary, args, stdin=None):
    p = subprocess.run([binary] + args, input=stdin, capture_output=True, timeout=120)
    return p.returncode, p.stdout, p.stderr


def prove(binary, path, options, work):
    out = os.path.join(work, "compatible.txt")
    code, proof, progress = run(binary, ["prove", path, "--compatible", out] + options)
    with open(out, "rb") as f:
        compatible = f.read()
    os.remove(out)
    return code, proof, compatible, progress


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("old")
    ap.add_argument("new")
    ap.add_argument("--random", type=int, default=500)
    ap.add_argument("--seed", type=int, default=1)
    a = ap.parse_args()
    r = random.Random(a.seed)
    work = tempfile.mkdtemp(prefix="tolvern-compare-")
    texts = {}
    for folder in ["examples", "fuzz/seeds", "fuzz/regression"]:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            with open(os.path.join(ROOT, folder, name), "rb") as f:
                texts[f"{folder}/{name}"] = f.read()
    bench = os.path.join(ROOT, "build", "tolvern_bench")
    if os.access(bench, os.X_OK):
        for kind in ["repeats", "distinct", "reading", "peal", "everyrow"]:
            code, out, _ = run(bench, ["text", kind])
            if code == 0:
                texts[f"bench/{kind}"] = out
    for i in range(a.random):
        texts[f"random/{i}"] = random_composition(r).encode("utf-8")
    for name in list(texts):
        if not name.startswith("bench/"):
            texts[name + "~mutated"] = mutate(r, texts[name])

    differences = 0
    compared = 0
    paths = []
    for n, (name, data) in enumerate(texts.items()):
        path = os.path.join(work, f"t{n:05d}.sir")
        with open(path, "wb") as f:
            f.write(data)
        paths.append(path)
        sets = OPTION_SETS if not name.startswith("bench/") else OPTION_SETS[:2]
        for options in sets:
            old = prove(a.old, path, options, work)
            new = prove(a.new, path, options, work)
            compared += 1
            if old != new:
                differences += 1
                what = [k for k, o, w in zip(["exit", "proof", "compatible", "progress"], old, new) if o != w]
                print(f"DIFFERS: {name} {' '.join(options)}: {', '.join(what)}  ({path})")
    old = run(a.old, ["check", "--max-changes", "100000"] + paths)
    new = run(a.new, ["check", "--max-changes", "100000"] + paths)
    compared += 1
    if old != new:
        differences += 1
        print("DIFFERS: tolvern check on all texts")
    print(f"{len(texts)} texts, {compared} runs compared, {differences} differ")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
