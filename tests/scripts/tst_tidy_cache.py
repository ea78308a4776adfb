#!/usr/bin/env python3
"""scripts/clang-tidy-cached must not let its cache hide a finding.

Runs the real clang-tidy on three small files in a scratch tree and asserts, run after run, which
files come from the cache and which are checked, and that every finding is reported each time.
"""

import json
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

RUNNER = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "clang-tidy-cached"

CONFIG = "Checks: '-*,modernize-use-nullptr'\n"
SOURCES = {
    "clean.cpp": '#include "shared.h"\nint *clean() { return nullptr; }\n',
    "finding.cpp": "int *finding() { return 0; }\n",
    "excused.cpp": "int *excused() { return 0; } // NOLINT\n",
    "shared.h": "inline int shared() { return 1; }\n",
}


class TidyCache(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.tree = pathlib.Path(self.scratch.name, "tree")
        self.tree.mkdir()
        for name, text in SOURCES.items():
            (self.tree / name).write_text(text)
        (self.tree / ".clang-tidy").write_text(CONFIG)
        entries = [{"directory": str(self.tree), "file": name,
                    "arguments": ["clang++", "-std=c++20", "-c", name, "-o", name + ".o"]}
                   for name in SOURCES if name.endswith(".cpp")]
        (self.tree / "compile_commands.json").write_text(json.dumps(entries))

    def tearDown(self):
        self.scratch.cleanup()

    def run_tidy(self):
        result = subprocess.run(
            [sys.executable, str(RUNNER), "-p", str(self.tree), "--config", str(self.tree / ".clang-tidy"),
             "--cache", os.path.join(self.scratch.name, "cache"), "-j", "2", "--verbose",
             "clean.cpp", "finding.cpp", "excused.cpp"],
            cwd=self.tree, capture_output=True, text=True)
        statuses = dict(reversed(line.split(" ", 1)) for line in result.stdout.splitlines()
                        if line.split(" ", 1)[0] in ("cached", "checked", "finding"))
        return result.returncode, statuses, result.stdout

    def test_what_each_change_checks_again(self):
        code, statuses, out = self.run_tidy()
        self.assertEqual((code, statuses), (1, {"clean.cpp": "checked", "finding.cpp": "finding",
                                                "excused.cpp": "checked"}), out)
        self.assertIn("finding.cpp:1:25: warning: use nullptr [modernize-use-nullptr]", out)
        self.assertIn("clang-tidy: 3 files: 0 clean from the cache, 2 checked clean, 1 with findings", out)

        # (change, then what each file must be on the next run)
        steps = [
            (lambda: None, {"clean.cpp": "cached", "finding.cpp": "finding", "excused.cpp": "cached"}),
            (lambda: (self.tree / "shared.h").write_text("inline int shared() { return 2; }\n"),
             {"clean.cpp": "checked", "finding.cpp": "finding", "excused.cpp": "cached"}),
            (lambda: (self.tree / "excused.cpp").write_text("int *excused() { return 0; }\n"),
             {"clean.cpp": "cached", "finding.cpp": "finding", "excused.cpp": "finding"}),
            (lambda: (self.tree / ".clang-tidy").write_text(CONFIG + "HeaderFilterRegex: 'shared'\n"),
             {"clean.cpp": "checked", "finding.cpp": "finding", "excused.cpp": "finding"}),
        ]
        for number, (change, expected) in enumerate(steps, 1):
            change()
            code, statuses, out = self.run_tidy()
            self.assertEqual((code, statuses), (1, expected), f"step {number}:\n{out}")
            self.assertIn("finding.cpp:1:25: warning: use nullptr", out, f"step {number}")

    def test_a_clean_tree_passes_from_the_cache(self):
        (self.tree / "finding.cpp").write_text("int *finding() { return nullptr; }\n")
        self.assertEqual(self.run_tidy()[0], 0)
        code, statuses, out = self.run_tidy()
        self.assertEqual((code, set(statuses.values())), (0, {"cached"}), out)


if __name__ == "__main__":
    unittest.main()
