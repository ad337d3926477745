#!/usr/bin/env python3
"""Makes the pictures under docs/ from a built game: a contact sheet of every
picture sheet, the stones as colour-blind players see them, the help and info
pages, a game in play on each of the eight boards, an explosion, the name
entry before and after a save that failed, and every screen in English.

    tools/docs_pictures.py [BUILD_DIR] [--sheets-only | --english-only]   (default: build)

Needs ImageMagick. Games are played headless by input scripts grown move by
move: each move reads the state dump to find a full store row and a free drop
field."""
import json
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
BUILD = os.path.join(ROOT, ARGS[0] if ARGS else "build")
GAME = os.path.join(BUILD, "klumpix")
RES = os.path.join(BUILD, "res")
DOCS = os.path.join(ROOT, "docs")
WORK = tempfile.mkdtemp(prefix="klumpix-docs-")

BOARDS = ["HEXAGON GROSS", "2 KLEINE HEX", "DAS V", "WIE TETRIS", "SCHRAEG", "AUGE", "TOR", "SAEULEN"]
START_BUTTON = (50, 199)
HELP_BUTTON = (252, 25)
INFO_BUTTON = (350, 25)
DROP_FIELD = 8
EXPLOSION = 8  # object kind


def click(tick, x, y):
    return [f"{tick} move {x} {y}", f"{tick + 1} down left", f"{tick + 3} up left", f"{tick + 3} click"]


def run(events, ticks, shot=None, seed=7, language="de"):
    script = os.path.join(WORK, "script.txt")
    with open(script, "w") as f:
        f.write(f"seed {seed}\n" + "\n".join(events) + "\n")
    state = os.path.join(WORK, "state.json")
    cmd = [GAME, "--headless", "--input", script, "--ticks", str(ticks), "--state", state, "--language", language]
    if shot:
        cmd += ["--screenshot", shot]
    subprocess.run(cmd, check=True, cwd=WORK)
    with open(state) as f:
        return json.load(f)


def play(board, moves):
    """Events that start `board` (1..8) and set `moves` store rows down."""
    events = click(30, 700, 70 + 10 * board) + click(40, *START_BUTTON)
    tick = 50
    for move in range(moves):
        tick += 60
        state = run(events, tick, seed=board)
        full = [r for r, row in enumerate(state["store"], 1) if all(row)]
        drops = [o for o in state["objects"] if o["variant"] == DROP_FIELD and o["kind"] != 0 and o["y"] > 200]
        if not full or not drops:
            continue
        drop = drops[(move * 5) % len(drops)]
        row_x = 30 * full[0] + 120
        events += click(tick, row_x, 130) + click(tick + 6, drop["x"], drop["y"])
        tick += 10
    return events, tick + 40


def convert(bmp, png):
    subprocess.run(["convert", bmp, png], check=True)


def boards():
    for b in range(1, 9):
        events, ticks = play(b, 20)
        shot = os.path.join(WORK, f"board{b}.bmp")
        run(events, ticks, shot=shot, seed=b)
        convert(shot, os.path.join(DOCS, f"board{b}.png"))
        if b == 1:
            convert(shot, os.path.join(DOCS, "screenshot.png"))
            for name, button in (("help", HELP_BUTTON), ("info", INFO_BUTTON)):
                page = os.path.join(WORK, f"{name}.bmp")
                run(events + click(ticks, *button), ticks + 20, shot=page, seed=b)
                convert(page, os.path.join(DOCS, f"{name}.png"))
    subprocess.run(["montage", *[os.path.join(DOCS, f"board{b}.png") for b in range(1, 9)], "-tile", "4x2",
                    "-geometry", "400x300+4+4", "-background", "#202020", os.path.join(DOCS, "boards.png")], check=True)
    for b in range(1, 9):
        os.remove(os.path.join(DOCS, f"board{b}.png"))


# The session of the end-to-end test (seed 2026): START on board 3, two store
# rows set down, ENDE, the letters K, L, U, M, then ENTER.
NAME_ENTRY_EVENTS = ["11 move 51 200", "12 down left", "15 click", "15 up left",
    "160 move 150 132", "161 down left", "163 click", "163 up left",
    "170 move 114 246", "171 down left", "173 click", "173 up left",
    "200 move 54 546", "201 down left", "203 up left"] + [
    line for tick, (x, y) in zip((210, 215, 220, 225), ((305, 370), (325, 370), (505, 370), (345, 370)))
    for line in (f"{tick} move {x} {y}", f"{tick + 1} down left", f"{tick + 1} click", f"{tick + 1} up left")]
ENTER = ["230 move 52 398", "231 down left", "234 up left"]


def explosion():
    """The first picture of a game on board 1 in which stones explode."""
    events, ticks = play(1, 20)
    for tick in range(60, ticks):
        state = run(events, tick, seed=1)
        if any(o["kind"] == EXPLOSION for o in state["objects"]):
            shot = os.path.join(WORK, "explosion.bmp")
            run(events, tick + 2, shot=shot, seed=1)
            convert(shot, os.path.join(DOCS, "explosion.png"))
            return


def name_entry(language="de", prefix=""):
    """The name entry with a name typed, and the same after a save that failed."""
    # A folder the game may read but not write, holding a table of empty places
    # (any score gets in); root writes anywhere, so then the game runs as nobody.
    folder = os.path.join(WORK, prefix + "read-only")
    os.mkdir(folder)
    os.symlink(RES, os.path.join(folder, "res"))
    with open(os.path.join(folder, "groar.dat"), "wb") as f:
        f.write(bytes(976))
    script = os.path.join(folder, "script.txt")
    with open(script, "w") as f:
        f.write("seed 2026\n" + "\n".join(NAME_ENTRY_EVENTS + ENTER) + "\n")
    os.chmod(folder, 0o555)
    shots = os.path.join(WORK, prefix + "shots")
    os.mkdir(shots)
    os.chmod(WORK, 0o755)
    os.chmod(shots, 0o777)
    as_nobody = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"] if os.geteuid() == 0 else []
    for name, ticks in (("name_entry", 228), ("save_failed", 240)):
        shot = os.path.join(shots, name + ".bmp")
        subprocess.run(as_nobody + [GAME, "--headless", "--input", script, "--ticks", str(ticks), "--screenshot", shot,
                                    "--language", language], check=True, cwd=folder)
        convert(shot, os.path.join(DOCS, prefix + name + ".png"))
    os.chmod(folder, 0o755)


EXIT_BUTTON = (54, 52)


def english():
    """Every screen in English: a game on board 1, help, info, the exit box,
    the name entry and the failed save."""
    events, ticks = play(1, 20)
    shot = os.path.join(WORK, "en.bmp")
    run(events, ticks, shot=shot, seed=1, language="en")
    convert(shot, os.path.join(DOCS, "en_screenshot.png"))
    for name, button in (("help", HELP_BUTTON), ("info", INFO_BUTTON), ("exit_box", EXIT_BUTTON)):
        run(events + click(ticks, *button), ticks + 20, shot=shot, seed=1, language="en")
        convert(shot, os.path.join(DOCS, f"en_{name}.png"))
    name_entry("en", "en_")


def contact_sheet():
    sheets = []
    for folder in sorted(os.listdir(RES)):
        for name in sorted(os.listdir(os.path.join(RES, folder))):
            sheets += ["-label", f"{folder}/{name}", os.path.join(RES, folder, name)]
    subprocess.run(["montage", *sheets, "-tile", "5x", "-filter", "point", "-geometry", "360x360+6+6", "-background", "#303030",
                    "-fill", "white", "-font", "DejaVu-Sans", "-pointsize", "11", os.path.join(DOCS, "sheets.png")], check=True)


# Machado, Oliveira and Fernandes (2009), severity 1.0, for linear RGB.
DEFICIENCIES = {
    "protanopia": "0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998",
    "deuteranopia": "0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881",
    "tritanopia": "1.255528 -0.076749 -0.178779 -0.078411 0.930809 0.147602 0.004733 0.691367 0.303900",
}


def colour_blind_stones():
    # The stones on their fields, row by row, as one strip per vision.
    stones = os.path.join(RES, "steine", "steinem.bmp")
    fields = os.path.join(RES, "steine", "felderm.bmp")
    strip = os.path.join(WORK, "strip.png")
    cells = []
    for i in range(6):
        cell = os.path.join(WORK, f"cell{i}.png")
        subprocess.run(["convert", "-size", "28x26", "xc:#383a40",
                        "(", stones, "-crop", f"27x25+0+{25 * i}", "+repage", "-transparent", "black", ")",
                        "-geometry", "+1+1", "-composite",
                        "(", fields, "-crop", f"28x26+0+{26 * i}", "+repage", "-transparent", "black", ")",
                        "-composite", "-scale", "400%", cell], check=True)
        cells.append(cell)
    subprocess.run(["convert", *cells, "+append", strip], check=True)
    rows = [("normal", strip)]
    for name, matrix in DEFICIENCIES.items():
        out = os.path.join(WORK, f"{name}.png")
        subprocess.run(["convert", strip, "-colorspace", "RGB", "-color-matrix", matrix, "-colorspace", "sRGB", out],
                       check=True)
        rows.append((name, out))
    args = []
    for name, path in rows:
        args += ["-label", name, path]
    subprocess.run(["montage", *args, "-tile", "1x", "-geometry", "+4+4", "-background", "#202020",
                    "-fill", "white", "-font", "DejaVu-Sans", "-pointsize", "14", os.path.join(DOCS, "stones_colour_blind.png")], check=True)


if __name__ == "__main__":
    os.symlink(RES, os.path.join(WORK, "res"))
    if "--english-only" in sys.argv:
        english()
        sys.exit(0)
    contact_sheet()
    if "--sheets-only" in sys.argv:
        sys.exit(0)
    colour_blind_stones()
    boards()
    explosion()
    name_entry()
    english()
    print("docs pictures written to", DOCS)
