#!/usr/bin/env python3
"""Plays the real game as a player would: a real X server (Xvfb), real input
events (xdotool), screenshots (ImageMagick's import) and the mixed sound as
SDL's disk audio driver writes it. Checks what a player sees and hears.

usage: e2e_test.py --game BIN --probe AUDIO_PROBE --assets DIR --artifacts DIR
"""
import argparse
import json
import os
import shutil
import signal
import subprocess
import sys
import time

SKY = (100, 200, 255)
GROUND = (240, 60, 150)
WHITE = (255, 255, 255)
CANVAS_W, CANVAS_H = 1024, 768

failures = []


def check(condition, message):
    print(("ok    " if condition else "FAIL  ") + message, flush=True)
    if not condition:
        failures.append(message)


# --- screenshots -----------------------------------------------------------------------------

class Shot:
    """A screenshot as RGB bytes, read through the letterboxed canvas's mapping."""

    def __init__(self, path, screen_w, screen_h):
        with open(path, "rb") as f:
            data = f.read()
        # Binary PPM: "P6\n<w> <h>\n<max>\n" then RGB bytes.
        parts = data.split(maxsplit=4)
        assert parts[0] == b"P6", path
        self.w, self.h = int(parts[1]), int(parts[2])
        self.rgb = parts[4]
        scale = min(screen_w / CANVAS_W, screen_h / CANVAS_H)
        self.scale = scale
        self.left = (screen_w - CANVAS_W * scale) / 2
        self.top = (screen_h - CANVAS_H * scale) / 2

    def screen_pixel(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.rgb[i:i + 3])

    def pixel(self, cx, cy):
        """The pixel showing canvas pixel (cx, cy): sampled at its centre."""
        x = int(self.left + (cx + 0.5) * self.scale)
        y = int(self.top + (cy + 0.5) * self.scale)
        return self.screen_pixel(x, y)

    def region(self, x0, y0, x1, y1, step=2):
        for cy in range(y0, y1, step):
            for cx in range(x0, x1, step):
                yield cx, cy, self.pixel(cx, cy)


def fraction(shot, box, colour, step=4):
    pixels = [p for _, _, p in shot.region(*box, step=step)]
    return sum(1 for p in pixels if p == colour) / max(1, len(pixels))


def not_ground(shot, box, step=2):
    return [(x, y) for x, y, p in shot.region(*box, step=step) if p != GROUND]


class Game:
    def __init__(self, args, screen_w, screen_h, tag):
        self.args, self.w, self.h, self.tag = args, screen_w, screen_h, tag
        self.display = None
        self.xvfb = None
        self.proc = None
        self.started = None

    def env(self):
        env = dict(os.environ)
        env.pop("SDL_VIDEODRIVER", None)
        env["DISPLAY"] = self.display
        env["SDL_AUDIODRIVER"] = "disk"
        env["SDL_DISKAUDIOFILE"] = os.path.join(self.args.artifacts, f"audio-{self.tag}.raw")
        return env

    def start_x(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{self.w}x{self.h}x24",
             "-nolisten", "tcp"], pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            self.display = ":" + f.readline().strip()

    def launch(self):
        self.started = time.monotonic()
        self.proc = subprocess.Popen([self.args.game], env=self.env(),
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--name", "Quillmoor"], env=self.env(),
                                   capture_output=True)
            if found.returncode == 0 or self.proc.poll() is not None:
                break
            time.sleep(0.2)
        return self.proc.poll() is None

    def xdo(self, *words):
        subprocess.run(["xdotool", *words], env=self.env(), check=True)

    def shot(self, name):
        ppm = os.path.join(self.args.artifacts, f"{self.tag}-{name}.ppm")
        subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:" + ppm], env=self.env(),
                       check=True)
        subprocess.run(["convert", ppm, os.path.join(self.args.artifacts, f"{self.tag}-{name}.png")],
                       check=True)
        return Shot(ppm, self.w, self.h)

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()


# --- the scenes --------------------------------------------------------------------------------

def title_matches_picture(game, shot):
    """The title fills the canvas: it is title.png at 4x, so no white background shows."""
    expected = os.path.join(game.args.artifacts, "title-expected.ppm")
    subprocess.run(["convert", os.path.join(game.args.assets, "title.png"), "-sample", "400%",
                    "-depth", "8", "ppm:" + expected], check=True)
    want = Shot(expected, CANVAS_W, CANVAS_H)
    same = total = 0
    for cy in range(0, CANVAS_H, 3):
        for cx in range(0, CANVAS_W, 3):
            total += 1
            same += shot.pixel(cx, cy) == want.pixel(cx, cy)
    return same / total


CLOUD_SETTLED = 300  # white samples where the cloud hangs once it has reached the pointer


def cloud_at_centre(shot):
    """White samples where the cloud settles with the pointer at the centre: 500 units ahead."""
    return sum(1 for _, _, p in shot.region(440, 260, 584, 410, step=2) if p == WHITE)


def meadow_once_cloud_settles(game, name, timeout=25.0):
    """The meadow as soon as the cloud has flown to the pointer (a few seconds from
    anywhere in the meadow at 60 frames a second; longer on a slow machine)."""
    deadline = time.monotonic() + timeout
    settled = 0  # in a row: a cloud only passing through is not yet there
    while True:
        shot = game.shot(name)
        settled = settled + 1 if cloud_at_centre(shot) > CLOUD_SETTLED else 0
        if settled == 2 or time.monotonic() > deadline:
            return shot
        time.sleep(0.5)


def meadow_checks(game, shot):
    top = (0, 0, CANVAS_W, CANVAS_H // 2)
    bottom = (0, CANVAS_H // 2, CANVAS_W, CANVAS_H)
    check(fraction(shot, top, SKY) > 0.6, f"{game.tag}: the top half is mostly sky (100, 200, 255)")
    check(fraction(shot, top, GROUND) == 0, f"{game.tag}: no ground colour in the top half")
    check(fraction(shot, bottom, GROUND) > 0.6, f"{game.tag}: the bottom half is mostly ground (240, 60, 150)")
    check(fraction(shot, bottom, SKY) < 0.002, f"{game.tag}: no sky colour in the bottom half")
    drawn = len(not_ground(shot, bottom, step=2)) + sum(
        1 for _, _, p in shot.region(*top, step=2) if p != SKY)
    check(drawn > 200, f"{game.tag}: bees and the cloud are drawn ({drawn} sampled pixels)")
    # With the pointer at the centre the cloud settles 500 units ahead of the camera: around (512, 256..410).
    cloud = cloud_at_centre(shot)
    check(cloud > CLOUD_SETTLED, f"{game.tag}: the white cloud hovers above the centre ({cloud} white samples)")


def centroid_x(points):
    return sum(x for x, _ in points) / len(points) if points else None


def open_on_title(game, least_match):
    """Starts the X server and the game, and checks that the title fills the canvas."""
    game.start_x()
    check(game.launch(), f"{game.tag}: the game starts and opens its window")
    time.sleep(2.0)
    title = game.shot("title")
    match = title_matches_picture(game, title)
    check(match > least_match, f"{game.tag}: the title fills the canvas ({match:.3f} of pixels match title.png)")
    return title


def play_full(args):
    game = Game(args, 1024, 768, "1024x768")
    try:
        open_on_title(game, 0.98)
        game.xdo("key", "space")
        space_at = time.monotonic() - game.started
        time.sleep(1.0)
        check(title_matches_picture(game, game.shot("fade-done")) < 0.5, "Space leaves the title")
        # The cloud flies to the point under the pointer (the centre) within a few seconds.
        time.sleep(4.0)
        meadow = meadow_once_cloud_settles(game, "meadow")
        meadow_checks(game, meadow)

        band = (430, 415, 594, 463)  # just below the centre: where flowers under the settled cloud stand
        before = len(not_ground(meadow, band))
        game.xdo("mousemove", "512", "384")
        game.xdo("mousedown", "1")
        plant_at = time.monotonic() - game.started
        time.sleep(2.0)
        game.xdo("mouseup", "1")
        time.sleep(1.0)
        planted = game.shot("planted")
        flowers = not_ground(planted, band)
        check(len(flowers) > before + 40,
              f"holding the button plants flowers just below the centre ({before} -> {len(flowers)} samples)")

        game.xdo("keydown", "Left")
        time.sleep(1.0)
        game.xdo("keyup", "Left")
        time.sleep(0.5)
        panned = game.shot("panned-left")
        moved = not_ground(panned, (0, 415, CANVAS_W, 463))
        shift = (centroid_x(moved) or 0) - (centroid_x(flowers) or 0)
        check(shift > 40, f"the left arrow pans the view left: the flowers slide right ({shift:.0f} px)")

        game.xdo("key", "Escape")
        t0 = time.monotonic()
        try:
            code = game.proc.wait(timeout=3)
        except subprocess.TimeoutExpired:
            code = None
        took = time.monotonic() - t0
        check(code == 0 and took < 1.0, f"Escape ends the game with status 0 within a second ({code}, {took:.2f} s)")
        check_audio(args, game, space_at, plant_at)
    finally:
        game.stop()


def check_audio(args, game, space_at, plant_at):
    raw = os.path.join(args.artifacts, f"audio-{game.tag}.raw")
    out = subprocess.run([args.probe, raw, args.assets], capture_output=True, text=True)
    check(out.returncode == 0, f"the audio probe reads the recording ({out.stderr.strip()})")
    if out.returncode != 0:
        return
    heard = json.loads(out.stdout)
    print("      audio:", out.stdout.strip())
    check(heard["rms"] > 0.005, "the recording is not silent")
    check(heard["music_match"] > 0.9 and heard["music_at"] < space_at,
          "the music plays from the start, before the title is left")
    # The recording starts with the audio device; the music starts a moment later, as start-up reaches it.
    chime_after_music = heard["chime_at"] - heard["music_at"]
    check(heard["chime_match"] > 0.5, "the chime is heard in the recording")
    check(abs(chime_after_music - plant_at) < 2.5 and heard["chime_at"] > heard["music_at"],
          f"the chime rings right after the first planting (at {chime_after_music:.2f} s, planted at {plant_at:.2f} s)")


def play_letterboxed(args):
    game = Game(args, 1920, 1080, "1920x1080")
    try:
        title = open_on_title(game, 0.95)
        bars = [title.screen_pixel(x, y) for x in (5, 100, 1815, 1914) for y in (5, 540, 1074)]
        check(all(p == (0, 0, 0) for p in bars), "1920x1080: the bars beside the canvas are black")
        game.xdo("key", "space")
        time.sleep(4.0)
        meadow_checks(game, meadow_once_cloud_settles(game, "meadow"))
        game.proc.send_signal(signal.SIGTERM)
        try:
            game.proc.wait(timeout=2)
            ended = True
        except subprocess.TimeoutExpired:
            ended = False
        check(ended, "SIGTERM ends the game promptly")
    finally:
        game.stop()


def play_without_display(args):
    env = dict(os.environ)
    for var in ("DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"):
        env.pop(var, None)
    env["SDL_AUDIODRIVER"] = "dummy"
    out = subprocess.run([args.game], env=env, capture_output=True, text=True, timeout=20)
    lines = (out.stdout + out.stderr).strip().splitlines()
    check(out.returncode == 1 and len(lines) == 1,
          f"with no display the game prints one line and exits 1 ({out.returncode}: {lines})")


def main():
    parser = argparse.ArgumentParser()
    for name in ("game", "probe", "assets", "artifacts"):
        parser.add_argument("--" + name, required=True)
    args = parser.parse_args()
    os.makedirs(args.artifacts, exist_ok=True)
    for tool in ("Xvfb", "xdotool", "import", "convert"):
        if not shutil.which(tool):
            print(f"e2e: {tool} is not installed", file=sys.stderr)
            return 1
    play_without_display(args)
    play_full(args)
    play_letterboxed(args)
    print(f"{len(failures)} failure(s); screenshots in {args.artifacts}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
