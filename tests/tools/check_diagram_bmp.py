#!/usr/bin/env python3
"""The counting diagram as logview saves it, read back by a reader of its own:
a BMP file of the size asked for, rows bottom-up and padded to 4 bytes, and
the bars where the printed bins put them.

Usage: check_diagram_bmp.py LOGVIEW LOGVIEW_DEMO
"""
import os
import struct
import subprocess
import sys
import tempfile

WIDTH, HEIGHT = 801, 300  # 801 * 3 bytes: each row needs one byte of padding


def main(logview, demo):
    with tempfile.TemporaryDirectory() as folder:
        install = os.path.join(folder, "demo")
        subprocess.run([demo, "--days", "2", "--end-date", "2024-03-05", install], check=True,
                       stdout=subprocess.DEVNULL)
        picture = os.path.join(folder, "day.bmp")
        run = subprocess.run([logview, "--install", install, "diagram", "--date", "2024-03-04",
                              "--size", f"{WIDTH}x{HEIGHT}", "--print-bins", "--export", picture],
                             check=True, capture_output=True, text=True)
        lines = run.stdout.splitlines()
        axis = lines[0].split()
        assert axis[0] == "axis" and axis[1] == "0", lines[0]
        step = int(axis[2])
        name, totals = lines[1].split("\t")
        totals = [int(t) for t in totals.split(" ")]
        assert name == "In" and len(totals) == 24 and lines[2].startswith("Out\t"), lines
        with open(picture, "rb") as f:
            data = f.read()

    magic, size, reserved1, reserved2, offset = struct.unpack_from("<2sIHHI", data, 0)
    header, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    stride = (width * 3 + 3) // 4 * 4
    assert (magic, size, reserved1, reserved2, offset) == (b"BM", len(data), 0, 0, 54)
    assert (header, width, height, planes, bits, compression) == (40, WIDTH, HEIGHT, 1, 24, 0)
    assert len(data) == offset + stride * height
    assert all(data[offset + row * stride + width * 3] == 0 for row in range(height)), "padding"

    def pixel(x, y):  # (red, green, blue) of the pixel at x, y from the top left
        at = offset + (height - 1 - y) * stride + x * 3
        blue, green, red = data[at:at + 3]
        return red, green, blue

    assert pixel(3, 3) == (0, 0, 0)
    assert pixel(50, 120) == (0, 0x87, 0), pixel(50, 120)  # the value axis
    # The busiest hour's "In" bar: 4 pixels wide, left of the bin's centre.
    hour = totals.index(max(totals))
    row_height, column_width, zero = (HEIGHT - 100) // 10, (WIDTH - 100) // 24, HEIGHT - 50
    top = int(zero - totals[hour] * row_height / step)
    left = 50 + column_width // 2 + hour * column_width - 4
    assert pixel(left + 1, top + 4) == (200, 200, 0), (hour, pixel(left + 1, top + 4))
    above = top - 6 if (zero - top + 6) % row_height else top - 7  # clear of the dotted grid
    assert pixel(left + 1, above) == (0, 0, 0), pixel(left + 1, above)
    print(f"ok: {width}x{height}, busiest hour {hour} with {totals[hour]} in")


if __name__ == "__main__":
    main(*sys.argv[1:3])
