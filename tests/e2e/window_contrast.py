# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# The contrast, by the WCAG formula, between the colour most pixels of a screenshot (or of
# the part x,y,w,h of it) have and its darkest pixel: black text on what stands behind it.
# Prints the ratio, then the two colours. Usage: window_contrast.py <shot.png> [x y w h]
import subprocess
import sys
from collections import Counter


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def pixels(shot, part):
    crop = ["-crop", "{}x{}+{}+{}".format(*part[2:], *part[:2])] if part else []
    out = subprocess.run(["convert", shot, *crop, "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    return [tuple(out[i:i + 3]) for i in range(0, len(out) - 2, 3)]


def main():
    seen = pixels(sys.argv[1], [int(v) for v in sys.argv[2:6]])
    background = Counter(seen).most_common(1)[0][0]
    darkest = min(seen, key=luminance)
    lighter, darker = luminance(background), luminance(darkest)
    print(f"{(lighter + 0.05) / (darker + 0.05):.1f} {background} {darkest}")


main()
