#!/usr/bin/env python3
"""One answer on every build: the same generated input through each build of mirel-format --batch
(native, and the 64-bit and 32-bit Windows programs under Wine), whose outputs must be identical
byte for byte.

  format_agreement.py NATIVE_TOOL [WINE:WINDOWS_TOOL ...]

The input is date values at and around exact half seconds (where a split into seconds rounds),
small, negative and large, zero of both signs, written as programs print doubles (shortest
round trip, exponents included), each under a pattern that shows the parts it splits into.
WINEPREFIX must name a prefix the Windows tools can run in.
"""
import math
import random
import subprocess
import sys

PATTERNS = ["hh:nn:ss", "yyyy/mm/dd hh:nn:ss", "", "c", "ttttt", "ggge年m月d日 aaa s", "y w ww q ss"]
FIRST_DAY, LAST_DAY = -657434, 2958465  # 100-01-01 and 9999-12-31


def near_half_seconds(day, second):
    """The value of `day` at `second` + 0.5 s, and its neighbours a few doubles either side."""
    value = math.copysign(abs(day) + (second + 0.5) / 86400, day)
    below = above = value
    yield value
    for _ in range(3):
        below, above = math.nextafter(below, -math.inf), math.nextafter(above, math.inf)
        yield below
        yield above


def corpus():
    rng = random.Random(20261207)
    days = [-0.0] + list(range(-600, 601))  # within 512 days of day 0 x87 code rounded otherwise
    days += [rng.randint(FIRST_DAY, LAST_DAY) for _ in range(600)]
    days += [FIRST_DAY, LAST_DAY - 1]
    lines = ["0.0\thh:nn:ss", "-0.0\thh:nn:ss", "0\t", "-0\t"]
    for index, day in enumerate(days):
        extra = 7 if abs(day) <= 600 else 1
        seconds = [0, 59, 3599, 43199, 86398] + rng.sample(range(86399), extra)
        for second in seconds:
            for value in near_half_seconds(day, second):
                lines.append(f"{value!r}\t{PATTERNS[index % len(PATTERNS)]}")
    return "\n".join(lines) + "\n"


def run(command, text):
    result = subprocess.run(command, input=text.encode(), capture_output=True, check=False)
    return result.stdout


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    text = corpus()
    lines = text.splitlines()
    outputs = {argv[1]: run([argv[1], "--batch"], text)}
    for wine_and_tool in argv[2:]:
        wine, tool = wine_and_tool.split(":", 1)
        outputs[tool] = run([wine, tool, "--batch"], text)
    reference_name, reference = argv[1], outputs[argv[1]].split(b"\n")
    if len(reference) != len(lines) + 1:
        print(f"{reference_name} gave {len(reference) - 1} lines for {len(lines)}", file=sys.stderr)
        return 1
    failed = False
    for name, output in outputs.items():
        got = output.split(b"\n")
        differences = [i for i in range(len(lines)) if i >= len(got) or got[i] != reference[i]]
        print(f"{name}: {len(lines) - len(differences)} of {len(lines)} lines as {reference_name}")
        for i in differences[:5]:
            mine = got[i].decode(errors="replace") if i < len(got) else "(missing)"
            print(f"  {lines[i]!r}: {mine!r}, not {reference[i].decode(errors='replace')!r}")
        failed |= bool(differences)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
