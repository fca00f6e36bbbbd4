#!/usr/bin/env python3
"""Writes the zones of the demo game: examples/gta3/data/gta3.zon,
examples/gta3/data/main.scm and examples/gta3/text/american.gxt.

Nothing here comes from the game's own files. The zones carry the game's
labels and the groups its script gives them; their boxes are invented and
draw three islands, Portland in the east, Staunton Island in the middle and
Shoreside Vale in the west. The script is a small invented one that sets each
zone's group by day and by night, and the text file names the zones.

Run it from anywhere with python3 (standard library only):
    tools/make-demo-zones.py
"""

import pathlib
import struct

GAME = pathlib.Path(__file__).resolve().parent.parent / "examples" / "gta3"

DEFAULT, NAVIGATION, INFORMATION = 0, 1, 2
NO_ISLAND, PORTLAND, STAUNTON, SHORESIDE = 0, 1, 2, 3

# label, type, island, (min x, min y, max x, max y), day group, night group, name
ZONES = [
    ("IND_ZON", DEFAULT, PORTLAND, (640, -1180, 1900, 380), 11, 12, "Portland"),
    ("COM_ZON", DEFAULT, STAUNTON, (-700, -1250, 420, 720), 0, 0, "Staunton Island"),
    ("SUB_ZON", DEFAULT, SHORESIDE, (-1900, -500, -900, 900), 0, 0, "Shoreside Vale"),
    ("SUB_ZO2", DEFAULT, SHORESIDE, (-1700, -1150, -950, -500), 0, 0, "Shoreside Vale"),
    ("SUB_ZO3", DEFAULT, SHORESIDE, (-1500, 900, -1000, 1200), 0, 0, "Shoreside Vale"),
    # Portland
    ("PORT_W", NAVIGATION, PORTLAND, (640, -1180, 960, -620), 11, 12, "Callahan Point"),
    ("PORT_S", NAVIGATION, PORTLAND, (960, -1180, 1600, -900), 11, 12, "Atlantic Quays"),
    ("PORT_E", NAVIGATION, PORTLAND, (1600, -1180, 1900, -280), 7, 8, "Portland Harbor"),
    ("PORT_I", NAVIGATION, PORTLAND, (640, -620, 960, -280), 11, 12, "Trenton"),
    ("REDLIGH", NAVIGATION, PORTLAND, (960, -900, 1280, -280), 1, 2, "Red Light District"),
    ("CHINA", NAVIGATION, PORTLAND, (1280, -900, 1600, -280), 5, 6, "Chinatown"),
    ("LITTLEI", NAVIGATION, PORTLAND, (640, -280, 960, 60), 3, 4, "Saint Mark's"),
    ("TOWERS", NAVIGATION, PORTLAND, (960, -280, 1280, 60), 9, 10, "Hepburn Heights"),
    ("S_VIEW", NAVIGATION, PORTLAND, (1280, -280, 1600, 60), 11, 12, "Portland View"),
    ("EASTBAY", NAVIGATION, PORTLAND, (1600, -280, 1900, 380), 11, 12, "Portland Beach"),
    ("HARWOOD", NAVIGATION, PORTLAND, (640, 60, 960, 380), 11, 12, "Harwood"),
    ("ROADBR1", NAVIGATION, PORTLAND, (420, -720, 640, -600), 11, 12, "Callahan Bridge"),
    ("FISHFAC", INFORMATION, PORTLAND, (980, 80, 1100, 200), 11, 12, None),
    ("COPS_1", INFORMATION, PORTLAND, (1120, 80, 1220, 180), 11, 12, None),
    ("FILLIN1", INFORMATION, PORTLAND, (1440, 80, 1580, 240), 11, 12, None),
    ("HOSPI_1", INFORMATION, PORTLAND, (700, 120, 820, 240), 17, 18, None),
    ("MAIN_D1", INFORMATION, PORTLAND, (1300, -880, 1580, -850), 5, 6, None),
    ("MAIN_D2", INFORMATION, PORTLAND, (1300, -740, 1580, -710), 5, 6, None),
    ("MAIN_D3", INFORMATION, PORTLAND, (1300, -470, 1580, -440), 5, 6, None),
    ("MAIN_D4", INFORMATION, PORTLAND, (1300, -330, 1580, -300), 5, 6, None),
    ("MAIN_D5", INFORMATION, PORTLAND, (980, -620, 1260, -590), 1, 2, None),
    ("MAIN_D6", INFORMATION, PORTLAND, (980, -120, 1260, -90), 9, 10, None),
    # Staunton Island
    ("YAKUSA", NAVIGATION, STAUNTON, (-350, -1250, 420, -850), 21, 22, "Torrington"),
    ("UNIVERS", NAVIGATION, STAUNTON, (-700, -1250, -350, -600), 23, 24, "Liberty Campus"),
    ("SHOPING", NAVIGATION, STAUNTON, (-350, -850, 0, -350), 21, 22, "Bedford Point"),
    ("COM_EAS", NAVIGATION, STAUNTON, (0, -850, 420, -350), 21, 22, "Newport"),
    ("ROADBR2", NAVIGATION, STAUNTON, (300, -720, 420, -600), 21, 22, "Callahan Bridge"),
    ("CONSTRU", NAVIGATION, STAUNTON, (-700, -600, -350, -100), 19, 20, "Fort Staunton"),
    ("PARK", NAVIGATION, STAUNTON, (-350, -350, 100, 150), 25, 26, "Belleville Park"),
    ("HOSPI_2", NAVIGATION, STAUNTON, (100, -350, 420, 150), 17, 18, "Rockford"),
    ("STADIUM", NAVIGATION, STAUNTON, (-700, 150, -200, 720), 15, 16, "Aspatria"),
    # Shoreside Vale
    ("AIRPORT", NAVIGATION, SHORESIDE, (-1680, -1130, -970, -560), 27, 28,
     "Francis Intl. Airport"),
    ("SUB_IND", NAVIGATION, SHORESIDE, (-1450, -500, -900, 0), 7, 8, "Pike Creek"),
    ("BIG_DAM", NAVIGATION, SHORESIDE, (-1900, -200, -1550, 400), 11, 12, "Cochrane Dam"),
    ("WEE_DAM", INFORMATION, SHORESIDE, (-1540, 100, -1480, 160), 7, 8, None),
    ("SWANKS", NAVIGATION, SHORESIDE, (-1900, 400, -1500, 900), 29, 30, "Cedar Grove"),
    ("PROJECT", NAVIGATION, SHORESIDE, (-1500, 400, -1150, 900), 9, 10, "Wichita Gardens"),
]

CITY_NAME = "Liberty City"


def zone_file():
    lines = ["# Zones of the Varnel demo game, written by tools/make-demo-zones.py.",
             "# name, type, min x, min y, min z, max x, max y, max z, level",
             "zone"]
    for label, kind, island, (x1, y1, x2, y2), _, _, _ in ZONES:
        lines.append(f"{label}, {kind}, {x1:.1f}, {y1:.1f}, -50.0, {x2:.1f}, {y2:.1f}, 250.0, "
                     f"{island}")
    lines.append("end")
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def jump_block(target, body):
    """A header block: a jump over it (opcode 0x0002, a 32-bit target), a byte, its data."""
    return b"\x02\x00\x01" + struct.pack("<i", target) + b"\x00" + body


def byte_value(number):
    return b"\x04" + struct.pack("<b", number)


def set_zone_group(label, by_day, group):
    """Opcode 0x0324: the zone label as 8 raw bytes, the day flag and the group."""
    return (b"\x24\x03" + label.encode("ascii").ljust(8, b"\x00")
            + byte_value(1 if by_day else 0) + byte_value(group))


def wait(milliseconds):
    return b"\x01\x00\x05" + struct.pack("<h", milliseconds)


def script():
    globals_size = 64
    models = [b"CSPLAYER", b"DEMO_PED"]
    main_code = wait(0)
    for label, by_day, group in [("CITYZON", True, 0), ("CITYZON", False, 0)] + [
            (zone[0], by_day, zone[4] if by_day else zone[5])
            for zone in ZONES for by_day in (True, False)]:
        main_code += set_zone_group(label, by_day, group)
    main_code += wait(250) + b"\x4e\x00"  # TERMINATE_THIS_SCRIPT
    missions = [wait(100) + b"\x4e\x00", wait(200) + b"\x4e\x00"]

    first_size = 8 + globals_size
    model_block_size = 8 + 4 + 24 * len(models)
    mission_block_size = 8 + 4 + 4 + 2 + 2 + 4 * len(missions)
    models_at = first_size
    missions_at = models_at + model_block_size
    code_at = missions_at + mission_block_size
    main_size = code_at + len(main_code)
    offsets = []
    at = main_size
    for mission in missions:
        offsets.append(at)
        at += len(mission)

    first = jump_block(models_at, bytes(globals_size))
    model_block = jump_block(missions_at, struct.pack("<i", len(models))
                             + b"".join(name.ljust(24, b"\x00") for name in models))
    mission_block = jump_block(code_at, struct.pack("<iihh", main_size,
                                                    max(len(m) for m in missions),
                                                    len(missions), 0)
                               + b"".join(struct.pack("<i", o) for o in offsets))
    return first + model_block + mission_block + main_code + b"".join(missions)


def texts():
    """A .gxt: TKEY entries {offset, key} sorted by key, TDAT texts in UTF-16LE."""
    named = {label: name for label, _, _, _, _, _, name in ZONES if name}
    named["CITYZON"] = CITY_NAME
    named["DEMO"] = "Varnel demo game"
    data = b""
    keys = b""
    for key in sorted(named):
        keys += struct.pack("<I", len(data)) + key.encode("ascii").ljust(8, b"\x00")
        data += named[key].encode("utf-16-le") + b"\x00\x00"
    return b"TKEY" + struct.pack("<I", len(keys)) + keys + b"TDAT" + struct.pack("<I", len(data)) + data


def main():
    (GAME / "data").mkdir(parents=True, exist_ok=True)
    (GAME / "text").mkdir(parents=True, exist_ok=True)
    (GAME / "data" / "gta3.zon").write_bytes(zone_file())
    (GAME / "data" / "main.scm").write_bytes(script())
    (GAME / "text" / "american.gxt").write_bytes(texts())
    print(f"{len(ZONES) + 1} zones written to {GAME}")


if __name__ == "__main__":
    main()
