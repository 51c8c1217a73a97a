#!/usr/bin/env python3
"""ocr_match.py TEXT_FILE LINE...: exit 0 when every LINE shows in the OCR
text, with case and blanks folded and a few misread glyphs forgiven, so that
a wrong or missing line fails while a misread letter does not."""
import difflib
import sys

MIN_RATIO = 0.85


def fold(text):
    return ''.join(text.lower().split())


def best_ratio(line, text):
    n = len(line)
    best = 0.0
    for start in range(max(1, len(text) - n + 1)):
        window = text[start:start + n]
        best = max(best, difflib.SequenceMatcher(None, line, window).ratio())
    return best


def main():
    text = fold(open(sys.argv[1], errors='replace').read())
    missing = 0
    for line in sys.argv[2:]:
        ratio = best_ratio(fold(line), text)
        if ratio < MIN_RATIO:
            print(f'  missing ({ratio:.2f}): {line}')
            missing += 1
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
