#!/usr/bin/env bash
# Mutation testing of the library: changes one small thing in a library source at a time,
# rebuilds, and runs the test suite, which should notice.
#   scripts/mutants.sh [COUNT] [SEED]       # COUNT compiled mutants (default 100), seed 1
#   MUTANTS_TESTS_FROM=<rev> scripts/mutants.sh 100 1   # tests/ as at <rev>, same library
#   MUTANTS_DIR=build-mutants-x ...         # scratch folder (default build-mutants[-<rev>])
#   MUTANTS_TIMEOUT=60 ...                  # seconds allowed to one test case
#   MUTANTS_ONLY=contacts/ ...              # sites only from files whose path matches (regex)
# Kinds: relational and equality operators flipped, + and - swapped (and ++/--), integer
# constants moved by one, true/false and return 1/0 swapped, one statement (a call, an
# assignment, an insert or erase) removed, an if condition forced true or false.
# Sites come from framework/ contacts/ messaging/ services/ plugin_ui/ platform/ (the Windows
# side of platform/ aside). The sample is seeded: the same seed draws the same mutants from
# the same sources. A mutant that does not compile is skipped and not counted; drawing goes on
# until COUNT mutants compiled. The working tree is never touched: the scratch folder holds a
# copy of the sources and its own build. Prints each survivor as `file:line: before -> after`
# and ends with `mutants: K killed, S survived, T timed out of N (score P%)`, where the
# score counts killed and timed-out mutants as caught.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh >&2
exec python3 - "$@" <<'PYTHON'
import os, random, re, shutil, subprocess, sys, time

root = os.getcwd()
count = int(sys.argv[1]) if len(sys.argv) > 1 else 100
seed = int(sys.argv[2]) if len(sys.argv) > 2 else 1
tests_from = os.environ.get("MUTANTS_TESTS_FROM", "")
suffix = "-" + re.sub(r"[^\w.-]", "_", tests_from) if tests_from else ""
scratch = os.path.abspath(os.environ.get("MUTANTS_DIR", "build-mutants" + suffix))
case_timeout = int(os.environ.get("MUTANTS_TIMEOUT", "60"))
only = re.compile(os.environ.get("MUTANTS_ONLY", ""))
src, build, stash = (os.path.join(scratch, d) for d in ("src", "build", "stash"))
LIBRARY_DIRS = ("framework", "contacts", "messaging", "services", "plugin_ui", "platform")


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=kw.pop("cwd", root), text=True, capture_output=True, **kw)


# --- Scratch copy of the sources, with tests/ from another commit when asked -----------------
def copy_sources():
    files = run(["git", "ls-files", "-co", "--exclude-standard"], check=True).stdout.split("\n")
    for rel in filter(None, files):
        if rel.startswith("tests/") and tests_from or not os.path.isfile(rel):
            continue
        target = os.path.join(src, rel)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target) or open(rel, "rb").read() != open(target, "rb").read():
            shutil.copy2(rel, target)
    wanted = set(filter(None, files))
    for folder, _, names in os.walk(src):  # files deleted or renamed since the last run go too
        for name in names:
            if os.path.relpath(os.path.join(folder, name), src) not in wanted:
                os.remove(os.path.join(folder, name))
    if tests_from:
        shutil.rmtree(os.path.join(src, "tests"), ignore_errors=True)
        archive = subprocess.run(["git", "archive", tests_from, "tests"], cwd=root,
                                 capture_output=True, check=True).stdout
        subprocess.run(["tar", "-x", "-C", src], input=archive, check=True)


# --- Mutation sites ---------------------------------------------------------------------------
def blank_comments_and_strings(text):
    """The text with comments, string and character literals and preprocessor lines replaced
    by spaces, so that sites are found in code only and offsets stay those of the text."""
    out, i, n = list(text), 0, len(text)

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "
    while i < n:
        c = text[i]
        if text.startswith("//", i) or (c == "#" and text[text.rfind("\n", 0, i) + 1:i].strip() == ""):
            j = text.find("\n", i)
            j = n if j < 0 else j
            while c == "#" and j < n and text[j - 1] == "\\":  # continued directive
                j = text.find("\n", j + 1)
                j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == "R" and text.startswith('R"', i) and not (text[i - 1:i].isalnum() or text[i - 1:i] == "_"):
            delim = text[i + 2:text.find("(", i)]
            j = text.find(")" + delim + '"', i) + len(delim) + 2
            blank(i, j)
            i = j
        elif c in "\"'" and not (c == "'" and text[i - 1:i].isalnum()):  # 1'000 digit separators
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i + 1, j)  # keep the quotes, so u"" stays a literal to the patterns below
            i = j + 1
        else:
            i += 1
    return "".join(out)


SWAPS = [(r"(?<=\s)==(?=\s)", "!="), (r"(?<=\s)!=(?=\s)", "=="),
         (r"(?<=\s)<(?=\s)", ">="), (r"(?<=\s)>(?=\s)", "<="),
         (r"(?<=\s)<=(?=\s)", ">"), (r"(?<=\s)>=(?=\s)", "<"),
         (r"(?<=\s)\+(?=\s)", "-"), (r"(?<=\s)-(?=\s)", "+"),
         (r"(?<=\s)\+=(?=\s)", "-="), (r"(?<=\s)-=(?=\s)", "+="),
         (r"\+\+", "--"), (r"(?<![-\w>])--(?!>)", "++"),
         (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
         (r"\breturn 1;", "return 0;"), (r"\breturn 0;", "return 1;")]
INTEGER = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
IF_HEAD = re.compile(r"\bif \(")
# A whole-line statement that is a call or an assignment (no declaration: the target has no
# space in it), or a delete.
STATEMENT = re.compile(r"^\s*(?!(?:if|for|while|switch|return|static_assert)\b)(?!.*= (?:default|delete);)((?:[\w:.\[\]*]|->|\(\))+\s*(?:[-+|&^]?=[^=].*|\(.*\))|delete\s.*|[\w:.]+\s*<[\w:, ]*>\(.*\));\s*$")


def sites_in(rel):
    text = open(os.path.join(src, rel), encoding="utf-8").read()
    code = blank_comments_and_strings(text)
    found = []  # (start, end, replacement)
    for pattern, replacement in SWAPS:
        for m in re.finditer(pattern, code):
            found.append((m.start(), m.end(), replacement))
    for m in INTEGER.finditer(code):
        literal = m.group(1)
        value = int(literal, 16 if literal[:2].lower() == "0x" else 10)
        if literal.startswith("0") and len(literal) > 1 and literal[1] not in "xX":
            continue  # octal: rare, leave it
        for moved in (value + 1, value - 1):
            if moved >= 0:
                text_of = hex(moved) if literal[:2].lower() == "0x" else str(moved)
                found.append((m.start(1), m.end(1), text_of))
    for m in IF_HEAD.finditer(code):
        depth, j = 1, m.end()
        while j < len(code) and depth:
            depth += {"(": 1, ")": -1}.get(code[j], 0)
            j += 1
        condition = code[m.end():j - 1]
        if depth == 0 and "\n" not in condition and ";" not in condition:
            found.append((m.end(), j - 1, "true"))
            found.append((m.end(), j - 1, "false"))
    line_start, previous = 0, ";"
    for line in code.split("\n"):
        stripped = line.strip()
        if (STATEMENT.match(line) and previous[-1:] in ";{}:" and not stripped.startswith("return")
                and line.count("(") == line.count(")")):
            found.append((line_start + len(line) - len(line.lstrip()), line_start + len(line.rstrip()), ""))
        if stripped:
            previous = stripped
        line_start += len(line) + 1
    return text, found


def library_files():
    files = []
    for top in LIBRARY_DIRS:
        for dirpath, _, names in os.walk(os.path.join(src, top)):
            for name in names:
                rel = os.path.relpath(os.path.join(dirpath, name), src)
                if name.endswith((".cpp", ".h")) and not (top == "platform" and "win32" in rel) \
                        and only.search(rel):
                    files.append(rel)
    return sorted(files)


# --- Build and test ---------------------------------------------------------------------------
def build_ok():
    return run(["cmake", "--build", build, "-j", "2"]).returncode == 0


def objects():
    found = {}
    for dirpath, _, names in os.walk(build):
        for name in names:
            if name.endswith(".o"):
                path = os.path.join(dirpath, name)
                found[path] = os.stat(path).st_mtime_ns
    return found


def run_tests(limit):
    """'killed', 'survived' or 'timed out' for the suite against the current build."""
    try:
        result = run(["ctest", "--test-dir", build, "-j", "2", "--stop-on-failure",
                      "--timeout", str(case_timeout)], timeout=limit)
    except subprocess.TimeoutExpired:
        return "timed out"
    if result.returncode == 0:
        return "survived"
    return "timed out" if "***Timeout" in result.stdout else "killed"


def main():
    os.makedirs(src, exist_ok=True)
    copy_sources()
    # The standard library's own checks make an index out of range fail a test, as the
    # sanitizer builds would, instead of reading whatever lies there.
    flags = ["-DCMAKE_BUILD_TYPE=MutantCheck", "-DCMAKE_CXX_FLAGS=-O1 -D_GLIBCXX_ASSERTIONS", "-DQODATA_BUILD_EXAMPLES=OFF",
             "-DQODATA_INSTALL=OFF", "-DQODATA_WERROR=OFF"]
    if shutil.which("ld.lld"):
        flags += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld", "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld"]
    run(["cmake", "-S", src, "-B", build] + flags, check=True)
    print(f"building the unmutated library in {scratch}", file=sys.stderr)
    if not build_ok():
        sys.exit("the unmutated sources do not build")
    started = time.time()
    if run_tests(None) != "survived":
        sys.exit("the test suite fails on the unmutated library")
    limit = max(120, 10 * (time.time() - started))
    shutil.rmtree(stash, ignore_errors=True)
    clean = objects()
    for path in clean:
        target = os.path.join(stash, os.path.relpath(path, build))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy2(path, target)

    sites = []
    for rel in library_files():
        text, found = sites_in(rel)
        sites += [(rel, start, end, replacement) for start, end, replacement in sorted(set(found))
                  if text[start:end] != replacement]
    if not sites:
        sys.exit("no mutation sites in the library files chosen")
    random.Random(seed).shuffle(sites)
    print(f"{len(sites)} mutation sites; drawing {count} compiled mutants with seed {seed}",
          file=sys.stderr)

    tally = {"killed": 0, "survived": 0, "timed out": 0}
    skipped = 0
    for rel, start, end, replacement in sites:
        if sum(tally.values()) == count:
            break
        path = os.path.join(src, rel)
        original = open(path, encoding="utf-8").read()
        mtime = os.stat(path).st_mtime_ns
        mutated = original[:start] + replacement + original[end:]
        line_no = original.count("\n", 0, start) + 1
        line_begin = original.rfind("\n", 0, start) + 1
        line_end = original.find("\n", start)
        before = original[line_begin:line_end].strip()
        after = mutated[line_begin:line_end - (end - start) + len(replacement)].strip()
        try:
            with open(path, "w", encoding="utf-8") as out:
                out.write(mutated)
            if build_ok():
                outcome = run_tests(limit)
                tally[outcome] += 1
                done = sum(tally.values())
                print(f"[{done}/{count}] {outcome}: {rel}:{line_no}", file=sys.stderr)
                if outcome == "survived":
                    print(f"{rel}:{line_no}: {before} -> {after or '(removed)'}", flush=True)
            else:
                skipped += 1
        finally:
            # The original text with its old time stamp, and the unmutated objects, newer than
            # every archive and program, so the next build relinks without recompiling.
            with open(path, "w", encoding="utf-8") as out:
                out.write(original)
            os.utime(path, ns=(mtime, mtime))
            for obj, stamp in clean.items():
                if not os.path.exists(obj) or os.stat(obj).st_mtime_ns != stamp:
                    shutil.copy(os.path.join(stash, os.path.relpath(obj, build)), obj)
                    clean[obj] = os.stat(obj).st_mtime_ns
    n = sum(tally.values())
    caught = tally["killed"] + tally["timed out"]
    score = 100.0 * caught / n if n else 0.0
    print(f"({skipped} mutants did not compile and were skipped)", file=sys.stderr)
    print(f"mutants: {tally['killed']} killed, {tally['survived']} survived, "
          f"{tally['timed out']} timed out of {n} (score {score:.1f}%)")


main()
PYTHON
