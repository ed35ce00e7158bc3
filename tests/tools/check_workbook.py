#!/usr/bin/env python3
"""logview's Excel workbook, read back with the standard library alone: the
rows the text output lists (narrowed by --grep), typed cells (times as dates
with their format, counts as numbers), a frozen header with an auto-filter,
and the "Source" sheet.

Usage: check_workbook.py LOGVIEW LOGVIEW_DEMO
"""
import datetime
import os
import re
import subprocess
import sys
import tempfile
import zipfile
import xml.etree.ElementTree as ET

NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}
EPOCH = datetime.datetime(1899, 12, 30)


def run(logview, install, args):
    return subprocess.run([logview, "--install", install] + args, check=True, capture_output=True).stdout


def unescape(text):
    """A sheet's text with its escaped control characters ("_x0004_") back."""
    return re.sub(r"_x([0-9A-F]{4})_", lambda m: chr(int(m.group(1), 16)), text)


def read_sheet(book, number):
    """The rows of sheet `number` as lists of (type, value, style) and the sheet's root."""
    shared = []
    if "xl/sharedStrings.xml" in book.namelist():
        for si in ET.fromstring(book.read("xl/sharedStrings.xml")).findall("m:si", NS):
            shared.append("".join(t.text or "" for t in si.iter("{%s}t" % NS["m"])))
    root = ET.fromstring(book.read(f"xl/worksheets/sheet{number}.xml"))
    rows = []
    for row in root.find("m:sheetData", NS).findall("m:row", NS):
        cells = {}  # an empty cell is left out of the sheet: place each by its reference
        for c in row.findall("m:c", NS):
            column = ord(re.match(r"[A-Z]", c.get("r")).group()) - ord("A")
            kind, style = c.get("t", "n"), int(c.get("s", "0"))
            if kind == "inlineStr":
                cells[column] = ("s", unescape("".join(t.text or "" for t in c.iter("{%s}t" % NS["m"]))), style)
            elif kind == "s":
                cells[column] = ("s", unescape(shared[int(c.find("m:v", NS).text)]), style)
            else:
                cells[column] = ("n", float(c.find("m:v", NS).text), style)
        rows.append(cells)
    width = max((max(cells) + 1 for cells in rows if cells), default=0)
    return [[cells.get(i, ("s", "", 0)) for i in range(width)] for cells in rows], root


def number_formats(book):
    """The display format of each cell style index."""
    styles = ET.fromstring(book.read("xl/styles.xml"))
    custom = {int(f.get("numFmtId")): f.get("formatCode") for f in styles.iter("{%s}numFmt" % NS["m"])}
    return [custom.get(int(xf.get("numFmtId", "0")), "General") for xf in styles.find("m:cellXfs", NS)]


def as_text(cell, fmt):
    """A cell as the list shows it."""
    kind, value, _ = cell
    if kind == "s":
        return value
    if fmt.startswith("yyyy") or fmt.startswith("hh"):
        moment = EPOCH + datetime.timedelta(days=value)
        pattern = {"yyyy/mm/dd hh:mm:ss": "%Y/%m/%d %H:%M:%S", "yyyy/mm/dd": "%Y/%m/%d", "hh:mm:ss": "%H:%M:%S"}[fmt]
        return (moment + datetime.timedelta(microseconds=500000)).replace(microsecond=0).strftime(pattern)
    return str(int(value)) if value == int(value) else str(value)


def check(logview, install, folder, page_args, typed):
    path = os.path.join(folder, "book.xlsx")
    if os.path.exists(path):
        os.remove(path)
    listed = run(logview, install, page_args).decode("utf-8").split("\r\n")[:-1]
    assert run(logview, install, page_args + ["--export-xlsx", path]) == b""
    with zipfile.ZipFile(path) as book:
        names = re.findall(r'<sheet name="([^"]+)"', book.read("xl/workbook.xml").decode())
        assert names == ["Rows", "Source"], names
        formats = number_formats(book)
        rows, root = read_sheet(book, 1)
        source, _ = read_sheet(book, 2)
    assert root.find("m:sheetViews/m:sheetView/m:pane", NS).get("ySplit") == "1"
    assert root.find("m:autoFilter", NS).get("ref").startswith("A1:")
    assert len(root.find("m:cols", NS)) > 0
    texts = [", ".join(as_text(c, formats[c[2]]) for c in row) for row in rows]
    assert texts == listed, (texts[:3], listed[:3])
    kinds = {(c[0], formats[c[2]]) for row in rows[1:] for c in row}
    for kind in typed:
        assert kind in kinds, (kind, kinds)
    facts = {row[0][1]: row[1][1] for row in source}
    assert facts["Rows"].endswith(" rows") and "Installation" in facts and "Written" in facts, facts
    return facts


def main(logview, demo):
    with tempfile.TemporaryDirectory() as folder:
        install = os.path.join(folder, "demo")
        subprocess.run([demo, "--days", "2", "--end-date", "2024-03-05", install], check=True,
                       stdout=subprocess.DEVNULL)
        facts = check(logview, install, folder, ["events", "--day", "2024-03-04", "--grep", "zone", "--sort", "1"],
                      [("n", "yyyy/mm/dd hh:mm:ss"), ("s", "General")])
        assert facts["Find"] == "zone in All columns", facts
        check(logview, install, folder, ["counting", "--mode", "combined", "--day", "2024-03-04"], [("n", "General")])
        check(logview, install, folder, ["--nvr", "system", "--day", "2024-03-04"],
              [("n", "yyyy/mm/dd"), ("n", "hh:mm:ss")])
    print("ok")


if __name__ == "__main__":
    main(*sys.argv[1:])
