#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""How far better katakana rules could take the loose loanword figure.

Reads the development misses that `loanword_accuracy --half development
--misses N` prints, lines up each loose miss with the closest of EDICT's
spellings (ー, ッ and small kana folded away, as the loose figure does) and
names every difference by the kana on each side (テイ→チ, リ→レ). A family is
all the misses that share one such difference. The ceiling for a family size
K is the loose figure reached if every family of at least K misses were
mended and nothing else changed: no rule can do better than that without
learning single words, since a rule that mends a family of one or two is a
word list by another name.

    build/bench/loanword_accuracy --half development --misses 100000 \\
        | python3 bench/loanword_ceiling.py
"""

import collections
import difflib
import re
import sys

SMALL = dict(zip("ァィゥェォャュョヮヵヶ", "アイウエオヤユヨワカケ"))


def fold(kana):
    return "".join(SMALL.get(c, c) for c in kana if c not in "ーッ")


def main():
    words = total = loose = 0
    misses = []
    for line in sys.stdin:
        match = re.match(r"loanword: development: (words|loose) .*?(\d+(?:\.\d+)?)( %)?$", line.strip())
        if match:
            if match.group(1) == "words":
                total = int(match.group(2))
            else:
                loose = float(match.group(2))
            continue
        match = re.match(r"miss(\(loose ok\))? (\S+) (\S+) edict (\S+)$", line.strip())
        if not match or match.group(1):
            continue
        words += 1
        rules = fold(match.group(3))
        spellings = [fold(s) for s in match.group(4).split(",")]
        best = max(spellings, key=lambda s: difflib.SequenceMatcher(None, rules, s, autojunk=False).ratio())
        matcher = difflib.SequenceMatcher(None, rules, best, autojunk=False)
        differences = [
            (rules[i1:i2] or "∅") + "→" + (best[j1:j2] or "∅")
            for tag, i1, i2, j1, j2 in matcher.get_opcodes()
            if tag != "equal"
        ]
        # Less than half alike: EDICT's katakana is another word (goat ヤギ), which no rule reaches.
        misses.append((differences, matcher.ratio() >= 0.5))
    if not total:
        sys.exit("no development figures on standard input")
    families = collections.Counter(d for differences, _ in misses for d in set(differences))
    print(f"development words {total}, loose {loose:.1f} %, loose misses {words}, "
          f"of them another word {sum(1 for _, same in misses if not same)}")
    for k in (2, 3, 5, 10):
        mended = sum(1 for differences, same in misses if same and all(families[d] >= k for d in differences))
        print(f"every family of at least {k:2d} mended: +{100 * mended / total:.1f} points, "
              f"loose at most {loose + 100 * mended / total:.1f} %")
    print("largest families:", ", ".join(f"{d} {n}" for d, n in families.most_common(12)))


if __name__ == "__main__":
    main()
