#!/usr/bin/env python3
"""Samples single-token faults in src/ and tells how many the unit suite catches.

A seeded random sample of faults (a flipped comparison, a swapped operator, a changed constant, a negated
condition, a deleted statement, a removed early return) is drawn from src/*.cpp, each folder of src/ in
proportion to its size. Each fault is applied to a copy of the tree under a work folder (never to this tree),
rebuilt incrementally, run against the unit test binary and restored. A fault the suite fails on, hangs on or
crashes on is caught; one that does not build is replaced by another of the same folder and counted apart.
Faults listed in mutants_equivalent.txt beside this script are never drawn.

Takes minutes, not seconds: run it by hand, not in CI.

  scripts/mutants.py --seed 1 -n 100 -j 2
"""

import argparse
import collections
import os
import random
import re
import shutil
import subprocess
import sys
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
EQUIVALENT = Path(__file__).resolve().parent / "mutants_equivalent.txt"
LEFT_OUT = (".git", "out")  # and build folders: what the tests read is everything else
KINDS = ("cmp", "op", "const", "neg", "del", "ret")
KIND_NAMES = {
    "cmp": "flipped comparison",
    "op": "swapped operator",
    "const": "changed constant",
    "neg": "negated condition",
    "del": "deleted statement",
    "ret": "removed early return",
}


# ---- reading C++ -------------------------------------------------------------------------------------------

def mask(text):
    """The text with comments, string and character literals blanked (newlines kept), so that offsets match."""
    out = list(text)
    i, n = 0, len(text)

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            k = text.find("(", i + 2)
            delim = ")" + text[i + 2:k] + '"'
            j = text.find(delim, k)
            j = n if j < 0 else j + len(delim)
            blank(i + 1, j)
            i = j
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum())):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            blank(i + 1, j)
            i = j + 1
        else:
            i += 1
    return "".join(out)


def matching_paren(masked, open_at):
    depth = 0
    for k in range(open_at, len(masked)):
        if masked[k] == "(":
            depth += 1
        elif masked[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


CMP_FLIPS = {"<": ("<=", ">="), "<=": ("<", ">"), ">": (">=", "<="), ">=": (">", "<"), "==": ("!=",),
             "!=": ("==",)}
OP_SWAPS = {"+": "-", "-": "+", "*": "/", "/": "*", "&&": "||", "||": "&&", "+=": "-=", "-=": "+="}
NUMBER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+\.\d*(?:[eE][+-]?\d+)?|\.\d+(?:[eE][+-]?\d+)?|\d+(?:[eE][+-]?\d+)?)"
                    r"([fFuUlL]*)(?![\w.'])")
NOT_STATEMENTS = {"return", "break", "continue", "case", "default", "goto", "using", "typedef", "static", "const",
                  "constexpr", "auto", "else", "if", "for", "while", "do", "switch", "struct", "class", "enum",
                  "namespace", "template", "extern", "inline", "friend", "throw", "delete", "new", "void", "int",
                  "double", "float", "bool", "char", "unsigned", "long", "short", "signed"}
EXPRESSION_START = re.compile(r"(?:\+\+|--|\*)?([A-Za-z_][\w:]*)(?:\s*(?:\.|->)\s*\w+|\[[^\]]*\])*\s*"
                              r"(?:\(|=(?!=)|\+=|-=|\*=|/=|\|=|&=|\^=|<<=|>>=|\+\+|--)")


def changed_number(token, suffix):
    if token.lower().startswith("0x"):
        return "0x%X" % (int(token, 16) + 1) + suffix
    if re.fullmatch(r"\d+", token):
        return str(int(token) + 1) + suffix
    value = float(token) + 1.0
    return repr(value) + suffix


class Mutant:
    def __init__(self, path, start, end, replacement, kind, text):
        self.path, self.start, self.end, self.replacement, self.kind = path, start, end, replacement, kind
        self.line = text.count("\n", 0, start) + 1
        line_start = text.rfind("\n", 0, start) + 1
        line_end = text.find("\n", start)
        line_end = len(text) if line_end < 0 else line_end
        self.before = text[line_start:line_end]
        mutated = text[:start] + replacement + text[end:]
        m_end = mutated.find("\n", start)
        self.after = mutated[line_start:len(mutated) if m_end < 0 else m_end]
        self.outcome = None

    def apply(self, text):
        return text[:self.start] + self.replacement + text[self.end:]

    def key(self):
        return (self.path.name, squash(self.before), squash(self.after))


def squash(line):
    return " ".join(line.split())


def mutants_of(path, text):
    masked = mask(text)
    found = []

    def add(start, end, replacement, kind):
        found.append(Mutant(path, start, end, replacement, kind, text))

    preprocessor = set()
    offset = 0
    for line in masked.split("\n"):
        if line.lstrip().startswith("#"):
            preprocessor.add(offset)
        offset += len(line) + 1

    def in_preprocessor(pos):
        return masked.rfind("\n", 0, pos) + 1 in preprocessor

    for m in re.finditer(r"(?<=\s)(<=|>=|<|>)(?=\s)|(?<![=!<>])(==|!=)(?!=)", masked):
        op = m.group(0)
        if in_preprocessor(m.start()) or masked[max(0, m.start() - 8):m.start()].rstrip().endswith("operator"):
            continue
        for flip in CMP_FLIPS[op]:
            add(m.start(), m.end(), flip, "cmp")
    for m in re.finditer(r"(?<=\s)(\+|-|\*|/|\+=|-=)(?=\s)|(&&|\|\|)", masked):
        if not in_preprocessor(m.start()):
            add(m.start(), m.end(), OP_SWAPS[m.group(0)], "op")
    for m in NUMBER.finditer(masked):
        if in_preprocessor(m.start()):
            continue
        before = masked[max(0, m.start() - 40):m.start()]
        if re.search(r"\[\s*$", before) and re.search(r"\w+\s*\[\s*$", before) and "=" not in before.split("\n")[-1]:
            continue  # an array's size: a bigger array changes nothing
        add(m.start(), m.end(), changed_number(m.group(1), m.group(2)), "const")
    for m in re.finditer(r"\b(if|while)\s*\(", masked):
        if in_preprocessor(m.start()):
            continue
        open_at = m.end() - 1
        close = matching_paren(masked, open_at)
        if close < 0:
            continue
        cond = text[open_at + 1:close]
        add(open_at + 1, close, "!(" + cond + ")", "neg")
        rest = masked[close + 1:close + 200].lstrip()
        if m.group(1) == "if" and re.match(r"(return\b|continue\s*;|break\s*;)", rest):
            add(open_at + 1, close, "false", "ret")
    for m in re.finditer(r"(?m)^[ \t]*(return|continue)\s*;", masked):
        prev = masked[:m.start()].rstrip()
        nxt = masked[m.end():].lstrip()
        if prev.endswith(("{", ";", "}")) and not nxt.startswith("}"):
            add(m.start(1), m.end(), ";", "ret")  # a bare early return inside a block
        elif prev.endswith(("{", ";")) and nxt.startswith("}") and m.group(1) == "return":
            add(m.start(1), m.end(), ";", "ret")
    for m in re.finditer(r"(?m)^[ \t]*(\S)", masked):
        start = m.start(1)
        prev = masked[:start].rstrip()
        if not prev.endswith((";", "{", "}", ")", ":", "else")) or prev.endswith("::"):
            continue
        head = EXPRESSION_START.match(masked, start)
        if head is None or head.group(1) in NOT_STATEMENTS:
            continue
        depth, k = 0, start
        while k < len(masked) and k < start + 600:
            ch = masked[k]
            if ch in "([":
                depth += 1
            elif ch in ")]":
                depth -= 1
            elif ch in "{}":
                break
            elif ch == ";" and depth == 0:
                add(start, k + 1, ";", "del")
                break
            k += 1
    return found


# ---- the equivalent list ------------------------------------------------------------------------------------

def read_equivalents(path):
    """Blocks of '[file] why', '- line as written', '+ line as mutated'."""
    keys = set()
    if not path.exists():
        return keys
    name = before = None
    for raw in path.read_text().splitlines():
        if raw.startswith("["):
            name, before = raw[1:raw.index("]")], None
        elif raw.startswith("- ") and name:
            before = squash(raw[2:])
        elif raw.startswith("+ ") and name and before is not None:
            keys.add((name, before, squash(raw[2:])))
    return keys


# ---- sampling -----------------------------------------------------------------------------------------------

def folder_of(rel):
    parts = rel.parts
    return parts[1] if len(parts) > 2 else "."


def non_blank(text):
    return sum(1 for line in text.splitlines() if line.strip())


def folders_and_mutants(root, equivalents):
    by_folder = collections.defaultdict(list)
    size = collections.Counter()
    skipped = 0
    for path in sorted((root / "src").rglob("*.cpp")):
        rel = path.relative_to(root)
        text = path.read_text()
        folder = folder_of(rel)
        size[folder] += non_blank(text)
        for m in mutants_of(rel, text):
            if m.key() in equivalents:
                skipped += 1
            else:
                by_folder[folder].append(m)
    return size, by_folder, skipped


def quotas(size, total, floor):
    folders = sorted(size)
    base = {f: floor for f in folders}
    left = max(0, total - floor * len(folders))
    whole = sum(size.values())
    exact = {f: left * size[f] / whole for f in folders}
    for f in folders:
        base[f] += int(exact[f])
    rest = total - sum(base.values())
    for f in sorted(folders, key=lambda f: exact[f] - int(exact[f]), reverse=True)[:max(0, rest)]:
        base[f] += 1
    return base


def draw_order(candidates, rng):
    """Candidates in drawing order: a kind at random among those left, then a fault of that kind at random."""
    by_kind = collections.defaultdict(list)
    for m in candidates:
        by_kind[m.kind].append(m)
    for kind in by_kind:
        rng.shuffle(by_kind[kind])
    while by_kind:
        kind = rng.choice(sorted(by_kind))
        yield by_kind[kind].pop()
        if not by_kind[kind]:
            del by_kind[kind]


# ---- running ------------------------------------------------------------------------------------------------

def run(cmd, cwd, timeout, env=None):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout, env=env)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return None, "timed out"


def sync(src_root, dst_root):
    """Copies what differs, so that the copy's build stays incremental. A copied file takes the time of the
    copy, not its source's, so that the build sees it as newer than what was built from the old one."""
    for src in sorted(src_root.iterdir()):
        if src.name in LEFT_OUT or src.name.startswith("build"):
            continue
        dst = dst_root / src.name
        if src.is_file():
            if not dst.exists() or dst.read_bytes() != src.read_bytes():
                shutil.copyfile(src, dst)
            continue
        seen = set()
        for path in src.rglob("*"):
            rel = path.relative_to(src)
            seen.add(rel)
            target = dst / rel
            if path.is_dir():
                target.mkdir(parents=True, exist_ok=True)
            elif not target.exists() or target.read_bytes() != path.read_bytes():
                target.parent.mkdir(parents=True, exist_ok=True)
                shutil.copyfile(path, target)
        if dst.exists():
            for path in sorted(dst.rglob("*"), reverse=True):
                if path.relative_to(dst) not in seen:
                    shutil.rmtree(path) if path.is_dir() else path.unlink()


class Worker:
    def __init__(self, args, index):
        self.args = args
        self.home = Path(args.work) / ("w%d" % index)
        self.repo = self.home / "repo"
        self.build = self.home / "build"
        self.env = dict(os.environ, GTEST_BRIEF="1")
        self.test_timeout = args.timeout

    def prepare(self):
        self.repo.mkdir(parents=True, exist_ok=True)
        shared = ROOT.parent / "shared"
        link = self.home / "shared"
        if shared.exists() and not link.exists():
            link.symlink_to(shared)
        sync(Path(self.args.tree), self.repo)
        # Each fault relinks the tests: a faster linker where there is one, and no test listing after each link.
        linker = ["-fuse-ld=lld"] if shutil.which("ld.lld") else ["-fuse-ld=gold"] if shutil.which("ld.gold") else [""]
        rc, out = run(["cmake", "-S", str(self.repo), "-B", str(self.build), "-G", "Ninja",
                       "-DCMAKE_BUILD_TYPE=" + self.args.build_type, "-DRO757_BUILD_BENCH=OFF", "-DRO757_SANITIZE=OFF",
                       "-DCMAKE_EXE_LINKER_FLAGS=" + linker[0], "-DCMAKE_SHARED_LINKER_FLAGS=" + linker[0],
                       "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"], self.home, None)
        if rc != 0:
            return "configure failed in %s:\n%s" % (self.home, out)
        rc, out = self.build_tests(None)
        if rc != 0:
            return "the unmutated tree does not build in %s:\n%s" % (self.home, out[-3000:])
        began = time.time()
        if not self.suite_passes(None):
            return "the unmutated tree fails its tests in %s" % self.home
        self.test_timeout = self.args.timeout or max(60.0, 6 * (time.time() - began))
        return None

    def build_tests(self, timeout):
        return run(["ninja", "-C", str(self.build), "-j", str(self.args.build_jobs), "ro757_tests"], self.home,
                   timeout)

    def suite_passes(self, timeout):
        rc, _ = run([str(self.build / "ro757_tests"), "--gtest_fail_fast"], self.build, timeout, self.env)
        if rc != 0:
            return False
        if self.args.ctest:
            rc, _ = run(["ctest", "--test-dir", str(self.build), "-R", self.args.ctest, "--timeout",
                         str(int(timeout or 600))], self.build, None, self.env)
            return rc == 0
        return True

    def try_mutant(self, m):
        path = self.repo / m.path
        original = path.read_text()
        try:
            path.write_text(m.apply(original))
            rc, _ = self.build_tests(1800)
            if rc != 0:
                return "nobuild"
            return "survived" if self.suite_passes(self.test_timeout) else "caught"
        finally:
            path.write_text(original)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("-n", type=int, default=100, help="faults that build, in the whole sample (default 100)")
    ap.add_argument("-j", type=int, default=1, help="copies of the tree run side by side (default 1)")
    ap.add_argument("--build-jobs", type=int, default=2, help="ninja jobs for each copy (default 2)")
    ap.add_argument("--min-per-folder", type=int, default=4, help="faults drawn at least from each folder")
    ap.add_argument("--work", default="/tmp/ro757-mutants-%d" % os.getuid(), help="where the copies live")
    ap.add_argument("--build-type", default="Debug")
    ap.add_argument("--timeout", type=float, default=0, help="seconds for one suite run (default 6x the clean run)")
    ap.add_argument("--ctest", metavar="REGEX", help="also run the CTest entries matching REGEX (golden runs)")
    ap.add_argument("--tree", default=str(ROOT), help="the tree to sample and test (default: this one)")
    ap.add_argument("--list", action="store_true", help="only print the sample, run nothing")
    ap.add_argument("--folders", help="sample only these folders of src/, comma-separated (e.g. afds,state)")
    ap.add_argument("--equivalent", default=str(EQUIVALENT))
    args = ap.parse_args()

    equivalents = read_equivalents(Path(args.equivalent))
    size, by_folder, skipped = folders_and_mutants(Path(args.tree), equivalents)
    if args.folders:
        chosen = set(args.folders.split(","))
        unknown = chosen - set(size)
        if unknown:
            sys.exit("no such folder in src/: " + ", ".join(sorted(unknown)))
        size = collections.Counter({f: n for f, n in size.items() if f in chosen})
        by_folder = collections.defaultdict(list, {f: ms for f, ms in by_folder.items() if f in chosen})
    quota = quotas(size, args.n, args.min_per_folder)
    orders = {f: draw_order(by_folder[f], random.Random("%d/%s" % (args.seed, f))) for f in sorted(by_folder)}
    lock = threading.Lock()
    pending = collections.deque()
    wanted = dict(quota)
    for f in sorted(quota):
        for _ in range(quota[f]):
            m = next(orders[f], None)
            if m is not None:
                pending.append(m)
    # Faults of one file one after another, so that a copy recompiles few files.
    pending = collections.deque(sorted(pending, key=lambda m: (str(m.path), m.line)))
    if args.list:
        for m in pending:
            print("%s:%d  %-5s  %s  ->  %s" % (m.path, m.line, m.kind, m.before.strip(), m.after.strip()))
        return

    began = time.time()
    workers = [Worker(args, i) for i in range(max(1, args.j))]
    failures = [None] * len(workers)

    def prepare(i):
        failures[i] = workers[i].prepare()

    threads = [threading.Thread(target=prepare, args=(i,)) for i in range(len(workers))]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    if any(failures):
        sys.exit("\n".join(f for f in failures if f))
    done, nobuild = [], []

    def loop(worker):
        while True:
            with lock:
                if not pending:
                    return
                m = pending.popleft()
            outcome = worker.try_mutant(m)
            with lock:
                m.outcome = outcome
                if outcome == "nobuild":
                    nobuild.append(m)
                    more = next(orders[folder_of(m.path)], None)
                    if more is not None:
                        pending.append(more)
                else:
                    done.append(m)
                print("  [%d] %s %s:%d %s" % (len(done), outcome, m.path, m.line, m.kind), file=sys.stderr,
                      flush=True)

    threads = [threading.Thread(target=loop, args=(w,)) for w in workers]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    report(args, done, nobuild, skipped, size, time.time() - began)


def report(args, done, nobuild, skipped, size, seconds):
    def table(title, key, names):
        print("%-22s %7s %6s" % (title, "caught", "share"))
        for name in names:
            ms = [m for m in done if key(m) == name]
            if ms:
                c = sum(m.outcome == "caught" for m in ms)
                print("%-22s %3d/%-3d %5.0f %%" % (name, c, len(ms), 100.0 * c / len(ms)))
        print()

    caught = sum(m.outcome == "caught" for m in done)
    print("seed %d: %d faults run, %d did not build (replaced), %d listed as equivalent, %.0f min" %
          (args.seed, len(done), len(nobuild), skipped, seconds / 60))
    print("caught %d of %d: %.0f %%\n" % (caught, len(done), 100.0 * caught / max(1, len(done))))
    table("folder", lambda m: folder_of(m.path), sorted(size))
    table("kind", lambda m: KIND_NAMES[m.kind], [KIND_NAMES[k] for k in KINDS])
    survivors = sorted((m for m in done if m.outcome == "survived"), key=lambda m: (str(m.path), m.line))
    print("survivors:" if survivors else "no survivors")
    for m in survivors:
        print("  %s:%d  %s" % (m.path, m.line, KIND_NAMES[m.kind]))
        print("    - %s" % m.before.strip())
        print("    + %s" % m.after.strip())


if __name__ == "__main__":
    main()
