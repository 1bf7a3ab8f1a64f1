#!/usr/bin/env python3
"""Record every export on Linux, replay it in survey.dll under Wine, compare.

Both runs print one line per call (survey/replay/replay.c):
    @name #vector L<libm used> S<bytes popped> H=<hash of the arguments> R=<result> B<i>[<k>]=<element> ...
Lines must agree token for token: integers, strings, pointers and untouched buffers
exactly; doubles and singles bit for bit, or within MAX_ULP units in the last place
where the Linux call went through libm (sin, atan2, pow ...).  Any "FAIL" line fails.

Exit codes: 0 agreed, 1 differed (or Wine never started the program), 77 Wine or the
MinGW toolchain is absent (the test is skipped).
"""
import argparse
import collections
import json
import os
import shutil
import signal
import struct
import subprocess
import sys
import time

MAX_ULP = 4
SKIP = 77


def ordered(bits, width):
    """Maps float bits to integers whose differences count units in the last place."""
    sign = 1 << (width - 1)
    return bits if bits < sign else sign - bits


def ulps(a, b):
    """Distance of two typed tokens "d:hex"/"f:hex" in ulps (0 for two NaNs), else None."""
    if a[:2] != b[:2] or a[:2] not in ("d:", "f:"):
        return None
    width = 64 if a[0] == "d" else 32
    x, y = int(a[2:], 16), int(b[2:], 16)
    fmt = (">Q", ">d") if width == 64 else (">I", ">f")
    fx = struct.unpack(fmt[1], struct.pack(fmt[0], x))[0]
    fy = struct.unpack(fmt[1], struct.pack(fmt[0], y))[0]
    if fx != fx and fy != fy:
        return 0
    return abs(ordered(x, width) - ordered(y, width))


def is_nan(tok):
    """Whether a typed token "d:hex"/"f:hex" holds a NaN."""
    width = 64 if tok[0] == "d" else 32
    bits = int(tok[2:], 16) & ((1 << (width - 1)) - 1)
    return bits > (0x7FF << 52 if width == 64 else 0xFF << 23)


def parse(path):
    calls, fails, end = collections.OrderedDict(), [], None
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("FAIL"):
                fails.append(line)
            elif line.startswith("END"):
                end = line
            elif line.startswith("@"):
                toks = line.split(" ")
                key = (toks[0][1:], toks[1]) if len(toks) > 1 else (toks[0][1:], "")
                calls[key] = toks[2:]
    return calls, fails, end


def compare(record, replay, families):
    """Returns (problems, calls compared, {family: max ulp})."""
    rec, rec_fails, _ = parse(record)
    rep, rep_fails, rep_end = parse(replay)
    problems = [f"linux: {x}" for x in rec_fails] + [f"windows: {x}" for x in rep_fails]
    if rep_end is None:
        problems.append("windows: the replay stopped early (crash?) after "
                        f"{len(rep)} calls; last: {next(reversed(rep), ('-', ''))}")
    worst = collections.defaultdict(int)
    for key, want in rec.items():
        fam = families.get(key[0], "?")
        worst[fam] += 0
        got = rep.get(key)
        if got is None:
            if rep_end is not None:
                problems.append(f"{key[0]} {key[1]}: not replayed")
            continue
        libm = "L1" in want  # only Linux counts calls into libm
        used = next((t[3:] for t in want if t.startswith("Lm=")), "")
        via = f" [libm: {used}]" if used else ""
        want = [t for t in want if not t.startswith("L")]
        got = [t for t in got if not t.startswith("L")]
        if len(want) != len(got) or any(w.split("=")[0] != g.split("=")[0] for w, g in zip(want, got)):
            problems.append(f"{key[0]} {key[1]}: linux {' '.join(want)}\n    windows {' '.join(got)}")
            continue
        for w, g in zip(want, got):
            if w == g:
                continue
            name = w.split("=")[0]
            d = ulps(w.split("=", 1)[-1], g.split("=", 1)[-1]) if "=" in w else None
            if d is not None:
                worst[fam] = max(worst[fam], d)
                # Equal in ulps but not in bits: zeros of opposite signs (always a
                # difference) or two NaNs (allowed where libm made them).
                nans = d == 0 and is_nan(w.split("=", 1)[1]) and is_nan(g.split("=", 1)[1])
                if libm and d <= MAX_ULP and (d > 0 or nans):
                    continue
                if d == 0:
                    why = "NaNs of different bits" if nans else "zeros of opposite signs"
                else:
                    why = f"{d} ulp"
                why += "" if libm else " in a call without libm (must be bit-exact)"
            elif w.startswith("S"):
                why = f"callee popped {g[1:]} bytes, the declaration takes {w[1:]}"
            else:
                why = "differs"
            problems.append(f"{key[0]} {key[1]}: {name}: linux {w} windows {g} ({why}){via}")
    return problems, len(rec), dict(worst)


def wine_command(work):
    """(command, environment) that runs a 32-bit Windows program here, or (None, reason)."""
    wine = shutil.which("wine")
    if wine is None:
        return None, "wine is not installed"
    env = dict(os.environ, WINEPREFIX=os.path.join(work, "wineprefix"), WINEDEBUG="-all",
               WINEARCH="win32", WINEDLLOVERRIDES="mscoree,mshtml=")
    probe = subprocess.run([wine, "--version"], capture_output=True, text=True, env=env)
    emulated = os.path.exists("/proc/sys/fs/binfmt_misc/qemu-i386")
    if probe.returncode == 0 and not emulated:
        return [wine], env
    # A kernel without 32-bit emulation (ia32_emulation=off) starts no i386 program.
    # QEMU's user-mode emulator runs Wine's 32-bit loader there; every process Wine
    # starts goes through the same wrapper, the loader does not re-execute itself,
    # and the builtin libraries load without a populated prefix (bootstrap mode).
    qemu = shutil.which("qemu-i386") or shutil.which("qemu-i386-static")
    loader = "/usr/lib/wine/wine"
    if qemu is None or not os.path.exists(loader):
        why = (probe.stderr.strip().splitlines() or ["no output"])[-1]
        return None, f"wine cannot start 32-bit programs here ({why}) and qemu-i386 is missing"
    wrapper = os.path.join(work, "wine32")
    with open(wrapper, "w") as f:
        f.write(f"#!/bin/sh\nexec {qemu} {loader} \"$@\"\n")
    os.chmod(wrapper, 0o755)
    # The first program of a Wine session starts wineboot and waits for it. A full
    # wineboot (services, the wine.inf install) takes ten minutes and more under
    # emulation; with its module disabled it ends within a minute, and the replay
    # needs nothing it sets up.
    env.update(WINELOADER=wrapper, WINELOADERNOEXEC="1", WINEBOOTSTRAPMODE="1",
               WINEDLLOVERRIDES="mscoree,mshtml=;wineboot.exe=d")
    return [wrapper], env


def started_file(path):
    try:
        with open(path, "rb") as f:
            return f.read(5) == b"START"
    except OSError:
        return False


def replay_under_wine(cmd, env, exe, replay, args):
    """Runs the replay under Wine; returns (process, started, log text, attempts).

    The first start of a prefix under emulation is now and then lost ("wine client
    error: write: Bad file descriptor"): a start that ends, or stays silent for
    --start-timeout seconds, before the program wrote its first line is retried (at
    most three starts). Once the program runs, its output is what gets compared.
    """
    deadline = time.time() + args.timeout
    for attempt in range(1, 4):
        log_path = os.path.join(args.work, f"wine-{attempt}.log")
        if os.path.exists(replay):
            os.remove(replay)
        # Output to a file: Wine's helper processes inherit it and outlive the program.
        with open(log_path, "w") as log:
            run = subprocess.Popen(cmd + [exe, replay] + args.only, cwd=os.path.join(args.work, "windows"),
                                   env=env, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        start_by = min(deadline, time.time() + args.start_timeout)
        started = False
        try:
            while run.poll() is None and not started and time.time() < start_by:
                time.sleep(1)
                started = started_file(replay)
            if started:
                run.wait(timeout=max(1.0, deadline - time.time()))
        except subprocess.TimeoutExpired:
            pass
        finally:
            if run.poll() is None:
                os.killpg(run.pid, signal.SIGKILL)
                run.wait()
            # No Wine process of this prefix outlives the test.
            if shutil.which("wineserver"):
                subprocess.run(["wineserver", "-k"], env=env, capture_output=True)
        started = started or started_file(replay)
        with open(log_path, errors="replace") as f:
            output = f.read()
        if started or time.time() >= deadline:
            return run, started, output, attempt
        last = (output.strip().splitlines() or ["no output"])[-1]
        print(f"Wine start {attempt} failed ({last}); starting again")
    return run, False, output, attempt


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--record", required=True, help="the Linux replay program")
    ap.add_argument("--win32-bin", default="", help="folder of survey.dll and survey_replay.exe")
    ap.add_argument("--signatures", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--compare-only", nargs=2, metavar=("RECORD", "REPLAY"))
    ap.add_argument("--timeout", type=int, default=1700, help="seconds for Wine's start and the replay")
    ap.add_argument("--start-timeout", type=int, default=1200,
                    help="seconds for one start of Wine, until the program writes its first line")
    ap.add_argument("--only", nargs="+", metavar="EXPORT", default=[],
                    help="call only these exports (names as in the export list)")
    ap.add_argument("--record-only", action="store_true",
                    help="stop after the Linux record and its declaration checks")
    args = ap.parse_args()
    with open(args.signatures, encoding="utf-8") as f:
        families = {e["export"]: e["family"] for e in json.load(f)["exports"]}

    if args.compare_only:
        record, replay = args.compare_only
    else:
        for sub in ("linux", "windows"):
            shutil.rmtree(os.path.join(args.work, sub), ignore_errors=True)
            os.makedirs(os.path.join(args.work, sub))
        record = os.path.join(args.work, "record.txt")
        replay = os.path.join(args.work, "replay.txt")
        for stale in (record, replay):
            if os.path.exists(stale):
                os.remove(stale)
        t0 = time.time()
        subprocess.run([args.record, record] + args.only, cwd=os.path.join(args.work, "linux"))
        _, fails, end = parse(record)
        if fails or end is None:
            print("\n".join(fails) or "FAILED: the record stopped early")
            print(f"0 passed, {len(fails) or 1} failed")
            return 1
        if args.record_only:
            calls, _, _ = parse(record)
            print(f"recorded {len(calls)} calls of {len(families)} exports; declarations consistent")
            return 0
        exe = os.path.join(args.win32_bin, "survey_replay.exe")
        if not args.win32_bin or not os.path.exists(exe):
            print("SKIPPED: survey_replay.exe was not cross-built (no MinGW toolchain)")
            return SKIP
        cmd, env = wine_command(args.work)
        if cmd is None:
            print(f"SKIPPED: {env}")
            return SKIP
        t1 = time.time()
        run, started, output, attempts = replay_under_wine(cmd, env, exe, replay, args)
        t2 = time.time()
        print(f"record {t1 - t0:.1f} s, replay under {os.path.basename(cmd[0])} {t2 - t1:.1f} s "
              f"(exit {run.returncode}, {attempts} start{'s' if attempts > 1 else ''})")
        if not started:
            # Wine is here but never ran the program's first line, however often started.
            print(f"FAILED: Wine did not start survey_replay.exe in {attempts} attempts\n{output[-3000:]}")
            return 1

    problems, calls, worst = compare(record, replay, families)
    print(f"{calls} calls of {len(set(k for k in families))} exports compared")
    for fam in sorted(worst):
        print(f"  {fam:24s} largest difference {worst[fam]} ulp")
    for p in problems[:200]:
        print("MISMATCH " + p)
    if len(problems) > 200:
        print(f"... {len(problems) - 200} more")
    print(f"{calls - len(problems)} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
