#!/usr/bin/env python3
"""Writes a quillmoor-sim input script for a long run: the player plants in
bursts, flies the camera about with the arrows and the screen edges, and
rests in between. Deterministic: the same FRAMES give the same script.

usage: soak_script.py FRAMES > script.txt
"""
import sys

LEFT, UP, RIGHT, DOWN = 37, 38, 39, 40
CYCLE = 900  # one pattern every 15 seconds of play


def cycle(start):
    """One 15-second pattern of play beginning at frame `start`."""
    n = start // CYCLE
    key = (LEFT, UP, RIGHT, DOWN)[n % 4]
    x = 200 + (n * 97) % 624   # wander the pointer over the middle of the screen
    y = 390 + (n * 53) % 200
    return [
        (start, f"move {x} {y}"),
        (start + 60, "press left"),          # a burst of planting: a few seconds of rain
        (start + 60 + 150 + (n % 5) * 60, "release left"),
        (start + 500, f"keydown {key}"),     # fly the camera a little
        (start + 560, f"keyup {key}"),
        (start + 620, "move 20 20"),         # the pointer in the top-left zones: forward and left
        (start + 680, "move 512 384"),       # back to the centre: the view glides to rest
    ]


def main():
    frames = int(sys.argv[1])
    print(f"# {frames} frames of play: bursts of planting and a camera flown about")
    for start in range(0, frames, CYCLE):
        for frame, event in cycle(start):
            if frame < frames:
                print(frame, event)


if __name__ == "__main__":
    main()
