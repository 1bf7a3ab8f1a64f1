#!/usr/bin/env python3
"""The replay runner's own logic, without Wine: comparison of record and replay lines
(ulps, signed zeros, NaNs, libm tolerance) and the retried start of Wine, with shell
scripts standing in for Wine."""
import os
import sys
import tempfile
import types
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import replay_run  # noqa: E402


def write(path, lines):
    with open(path, "w") as f:
        f.write("START\n" + "".join(line + "\n" for line in lines) + "END 1 exports, 1 calls\n")


class Compare(unittest.TestCase):
    # (linux token, windows token, call used libm, expected to pass)
    CASES = [
        ("R=d:3ff0000000000000", "R=d:3ff0000000000000", False, True),
        ("R=d:3ff0000000000000", "R=d:3ff0000000000001", False, False),  # 1 ulp, no libm
        ("R=d:3ff0000000000000", "R=d:3ff0000000000004", True, True),    # 4 ulp with libm
        ("R=d:3ff0000000000000", "R=d:3ff0000000000005", True, False),   # 5 ulp with libm
        ("R=d:8000000000000000", "R=d:0000000000000000", False, False),  # -0 and +0
        ("R=d:8000000000000000", "R=d:0000000000000000", True, False),
        ("R=d:0000000000000001", "R=d:8000000000000001", True, True),    # smallest subnormals, 2 ulp
        ("R=d:7ff8000000000000", "R=d:fff8000000000000", True, True),    # NaNs from libm
        ("R=d:7ff8000000000000", "R=d:fff8000000000000", False, False),
        ("R=f:3f800000", "R=f:3f800002", True, True),
        ("R=f:80000000", "R=f:00000000", True, False),
        ("R=i:3", "R=i:4", True, False),
        ("S8", "S12", False, False),                                   # stack not balanced
    ]

    def test_table(self):
        with tempfile.TemporaryDirectory() as tmp:
            rec, rep = os.path.join(tmp, "rec"), os.path.join(tmp, "rep")
            for linux, windows, libm, ok in self.CASES:
                flag = "L1 Lm=sin" if libm else "L0"
                write(rec, [f"@f #0 {flag} H=1 {linux}"])
                write(rep, [f"@f #0 L0 H=1 {windows}"])
                problems, calls, _ = replay_run.compare(rec, rep, {"f": "fam"})
                self.assertEqual(calls, 1)
                self.assertEqual(not problems, ok, (linux, windows, libm, problems))

    def test_crash_and_missing_calls(self):
        with tempfile.TemporaryDirectory() as tmp:
            rec, rep = os.path.join(tmp, "rec"), os.path.join(tmp, "rep")
            write(rec, ["@f #0 L0 H=1 R=i:1", "@f #1 L0 H=2 R=i:1"])
            with open(rep, "w") as f:
                f.write("START\n@f #0 L0 H=1 R=i:1\n")  # no END: stopped after one call
            problems, _, _ = replay_run.compare(rec, rep, {"f": "fam"})
            self.assertTrue(any("stopped early" in p for p in problems), problems)


class Start(unittest.TestCase):
    """Starts that fail before the first line are retried; a started run is not."""

    def run_with(self, script, start_timeout=30, timeout=60):
        tmp = tempfile.mkdtemp()
        os.makedirs(os.path.join(tmp, "windows"))
        fake = os.path.join(tmp, "fakewine")
        with open(fake, "w") as f:
            f.write("#!/bin/sh\ncount=$(cat \"$WORK/count\" 2>/dev/null || echo 0)\n"
                    "count=$((count + 1)); echo $count > \"$WORK/count\"\n" + script)
        os.chmod(fake, 0o755)
        replay = os.path.join(tmp, "replay.txt")
        args = types.SimpleNamespace(work=tmp, timeout=timeout, start_timeout=start_timeout, only=[])
        env = dict(os.environ, WORK=tmp, WINEPREFIX=os.path.join(tmp, "prefix"))
        run, started, _, attempts = replay_run.replay_under_wine([fake], env, "prog.exe", replay, args)
        return started, attempts

    def test_table(self):
        cases = [
            # (what the stand-in does, started, starts)
            ('printf "START\\r\\n" > "$2"', True, 1),
            ('[ $count -lt 2 ] && { echo "wine client error"; exit 1; }\nprintf "START\\r\\n" > "$2"', True, 2),
            ('[ $count -lt 2 ] && sleep 30\nprintf "START\\r\\n" > "$2"', True, 2),  # silent start
            ('exit 1', False, 3),
            ('printf "START\\r\\n@f #0\\n" > "$2"; exit 3', True, 1),  # a crash after starting
        ]
        for script, started, attempts in cases:
            self.assertEqual(self.run_with(script, start_timeout=3), (started, attempts), script)


if __name__ == "__main__":
    unittest.main()
