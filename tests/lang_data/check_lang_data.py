#!/usr/bin/env python3
"""Checks the language table, the language packs and the user manual under data/.

Usage: check_lang_data.py [DATA_FOLDER]   (default: the data/ folder of this checkout)

The viewer reads these files with Expat, as Python's XML modules do, so a file that
parses here parses there. Every problem found is printed; the exit status is 1 when
there is any.
"""

import os
import re
import sys
import xml.etree.ElementTree as ET
from html.parser import HTMLParser

MODULE = "LogView"
DECLARATION = '<?xml version="1.0" encoding="UTF-8"?>'
MAX_ENTRIES = 65535
MAX_TRANSLATION = 520  # UTF-16 units the viewer converts per translation

# Windows identifiers a table entry may name (extend when a language is added).
PRIMARY = {
    "LANG_NEUTRAL": 0x00, "LANG_ARABIC": 0x01, "LANG_BULGARIAN": 0x02, "LANG_CHINESE": 0x04,
    "LANG_CZECH": 0x05, "LANG_DANISH": 0x06, "LANG_GERMAN": 0x07, "LANG_GREEK": 0x08,
    "LANG_ENGLISH": 0x09, "LANG_SPANISH": 0x0A, "LANG_FINNISH": 0x0B, "LANG_FRENCH": 0x0C,
    "LANG_HEBREW": 0x0D, "LANG_HUNGARIAN": 0x0E, "LANG_ITALIAN": 0x10, "LANG_JAPANESE": 0x11,
    "LANG_KOREAN": 0x12, "LANG_DUTCH": 0x13, "LANG_NORWEGIAN": 0x14, "LANG_POLISH": 0x15,
    "LANG_PORTUGUESE": 0x16, "LANG_ROMANIAN": 0x18, "LANG_RUSSIAN": 0x19, "LANG_SWEDISH": 0x1D,
    "LANG_THAI": 0x1E, "LANG_TURKISH": 0x1F, "LANG_FARSI": 0x29, "LANG_PERSIAN": 0x29,
    "LANG_VIETNAMESE": 0x2A,
}
SUB = {
    "SUBLANG_NEUTRAL": 0, "SUBLANG_DEFAULT": 1, "SUBLANG_SYS_DEFAULT": 2,
    "SUBLANG_ARABIC_SAUDI_ARABIA": 1, "SUBLANG_ARABIC_EGYPT": 3,
    "SUBLANG_CHINESE_TRADITIONAL": 1, "SUBLANG_CHINESE_SIMPLIFIED": 2,
    "SUBLANG_ENGLISH_US": 1, "SUBLANG_ENGLISH_UK": 2, "SUBLANG_FRENCH": 1, "SUBLANG_GERMAN": 1,
    "SUBLANG_JAPANESE_JAPAN": 1, "SUBLANG_KOREAN": 1, "SUBLANG_PORTUGUESE_BRAZILIAN": 1,
    "SUBLANG_PORTUGUESE": 2, "SUBLANG_SPANISH": 1,
}
TABLE_FIELDS = ("PrimaryLangID", "SubLangID", "AbbrName", "NativeFontCtrl", "FullName")

# Help topics of the pages; each must reach a page of its own in manual.xml.
TOPICS = ("log_viewer.unusual", "log_viewer.system", "log_viewer.backup", "log_viewer.metadata",
          "log_viewer.ivs", "log_viewer.counting", "log_viewer.counting_diagram", "log_viewer.edge")
WELCOME = "welcome.htm"

# Names that stay as they are in every language.
KEPT_NAMES = ("Vantor", "Wardix", "RTSP", "RAID", "IVS", "Windows", "Microsoft Active Directory")
PRINTF = re.compile(r"%[-+ #0]*(?:\d+|\*)?(?:\.\d+)?(?:hh|h|ll|l|I64)?[diouxXeEfgGcsp%]")


class Checker:
    def __init__(self, data):
        self.data = data
        self.problems = []

    def fail(self, where, message):
        self.problems.append("%s: %s" % (os.path.relpath(where, self.data), message))

    def parse(self, path):
        """Parses one XML file as the viewer would; None when it cannot be read."""
        try:
            with open(path, "rb") as f:
                raw = f.read()
        except OSError as e:
            self.fail(path, "cannot be read (%s)" % e.strerror)
            return None
        try:
            raw.decode("utf-8")
        except UnicodeDecodeError as e:
            self.fail(path, "not UTF-8 (%s)" % e)
            return None
        try:
            return ET.fromstring(raw)
        except ET.ParseError as e:
            self.fail(path, "not well-formed XML (%s)" % e)
            return None

    # --- language table -------------------------------------------------------------
    def language_table(self):
        path = os.path.join(self.data, "lang", "LanguageTable.xml")
        root = self.parse(path)
        if root is None:
            return []
        if root.tag != "LanguageTable":
            self.fail(path, "root element is <%s>, the viewer reads only <LanguageTable>" % root.tag)
            return []
        entries = []
        for lang in root:
            fields = {}
            for name in TABLE_FIELDS:
                child = lang.find(name)
                if child is None:
                    self.fail(path, "<%s> lacks <%s>: the viewer skips it" % (lang.tag, name))
                    break
                fields[name] = (child.text or "").strip()
            else:
                primary, sub = fields["PrimaryLangID"], fields["SubLangID"]
                if primary not in PRIMARY:
                    self.fail(path, "<%s>: unknown %s" % (lang.tag, primary))
                    continue
                if sub not in SUB:
                    self.fail(path, "<%s>: unknown %s" % (lang.tag, sub))
                    continue
                if not fields["AbbrName"] or not fields["FullName"]:
                    self.fail(path, "<%s>: empty AbbrName or FullName" % lang.tag)
                    continue
                entries.append((PRIMARY[primary] + SUB[sub] * 1024, fields["AbbrName"]))
        numbers = [n for n, _ in entries]
        abbrs = [a for _, a in entries]
        for n in set(numbers):
            if numbers.count(n) > 1:
                self.fail(path, "language number %d appears twice" % n)
        for a in set(abbrs):
            if abbrs.count(a) > 1:
                self.fail(path, "abbreviation %s appears twice" % a)
        if "ENG" not in abbrs:
            self.fail(path, "no ENG entry: texts of unlisted languages fall back to it")
        for number, abbr in entries:
            # The language's own number and, for a neutral entry, a regional variant of
            # it must both lead to the entry's pack when taken as the system language.
            probes = [number] + ([number + 1024] if number < 1024 else [])
            for probe in probes:
                got = self.abbreviation(entries, self.system_language(entries, probe))
                if got != abbr:
                    self.fail(path, "system language %d gives %s instead of %s" % (probe, got, abbr))
        return entries

    @staticmethod
    def system_language(entries, n):
        for number, _ in entries:
            if number & 0x3FF == n & 0x3FF:
                return n if number > 1023 else n & 0x3FF
        return 9

    @staticmethod
    def abbreviation(entries, number):
        return next((a for n, a in entries if n == number), "ENG")

    # --- language packs -------------------------------------------------------------
    def pack(self, abbr):
        """Returns the pack's entries as a list of (from, to), or None."""
        path = os.path.join(self.data, "lang", abbr, "%sRes%s.xml" % (MODULE, abbr))
        if not os.path.isfile(path):
            self.fail(path, "missing")
            return None
        root = self.parse(path)
        if root is None:
            return None
        with open(path, encoding="utf-8") as f:
            if f.readline().rstrip("\r\n") != DECLARATION:
                self.fail(path, "first line must be %s" % DECLARATION)
        entries = []
        for child in root:
            attrs = {k.lower(): v for k, v in child.attrib.items()}
            if "from" not in attrs or "to" not in attrs:
                self.fail(path, "<%s> lacks a from or to attribute" % child.tag)
                continue
            entries.append((attrs["from"], attrs["to"]))
        if len(entries) > MAX_ENTRIES:
            self.fail(path, "%d entries; the viewer reads %d" % (len(entries), MAX_ENTRIES))
        seen = set()
        for key, text in entries:
            if key in seen:
                self.fail(path, "key %r twice: only the later translation is used" % key)
            seen.add(key)
            if "\t" in key[1:]:
                self.fail(path, "key %r holds a tab: lookups cut it there and never match" % key)
            if not text:
                self.fail(path, "key %r has an empty translation" % key)
            if len(text.encode("utf-16-le")) // 2 > MAX_TRANSLATION:
                self.fail(path, "translation of %r is longer than %d characters" % (key, MAX_TRANSLATION))
            if PRINTF.findall(key) != PRINTF.findall(text):
                self.fail(path, "format markers of %r differ: %s -> %s"
                          % (key, PRINTF.findall(key), PRINTF.findall(text)))
            for marker in ("/r/n", "/n"):
                if key.count(marker) != text.count(marker):
                    self.fail(path, "line breaks (%s) of %r differ in the translation" % (marker, key))
            for name in KEPT_NAMES:
                if name.lower() in key.lower() and name.lower() not in text.lower():
                    self.fail(path, "translation of %r loses the name %s" % (key, name))
        return entries

    def packs(self, table):
        abbrs = [a for _, a in table]
        lang_dir = os.path.join(self.data, "lang")
        for name in sorted(os.listdir(lang_dir)):
            if os.path.isdir(os.path.join(lang_dir, name)) and name not in abbrs:
                self.fail(os.path.join(lang_dir, name), "pack folder not named in LanguageTable.xml")
        english = self.pack("ENG")
        if english is None:
            return {}
        for key, text in english:
            if key != text:
                self.fail(os.path.join(lang_dir, "ENG"), "English pack maps %r to %r" % (key, text))
        keys = [k for k, _ in english]
        counts = {"ENG": len(set(keys))}
        for abbr in abbrs:
            if abbr == "ENG":
                continue
            entries = self.pack(abbr)
            if entries is None:
                continue
            where = os.path.join(lang_dir, abbr)
            own = [k for k, _ in entries]
            for k in sorted(set(keys) - set(own)):
                self.fail(where, "lacks key %r" % k)
            for k in sorted(set(own) - set(keys)):
                self.fail(where, "has key %r that the English pack lacks" % k)
            if [k for k in own if k in keys] != [k for k in keys if k in own]:
                self.fail(where, "keys are not in the order of the English pack")
            counts[abbr] = len(set(own))
        return counts

    # --- user manual ----------------------------------------------------------------
    def manual(self):
        manual_dir = os.path.join(self.data, "manual")
        path = os.path.join(manual_dir, "manual.xml")
        root = self.parse(path)
        if root is None:
            return
        root_file = self.file_attribute(root)
        if root_file is None:
            self.fail(path, "root element has no file attribute")
            return
        if not os.path.isfile(os.path.join(manual_dir, root_file, WELCOME)):
            self.fail(path, "%s/%s, the page of unknown topics, is missing" % (root_file, WELCOME))
        self.refs_exist(path, manual_dir, root, root_file)
        for topic in TOPICS:
            help_file, page = self.lookup(root, root_file, topic)
            if page == WELCOME:
                self.fail(path, "topic %s is not listed (it would open %s)" % (topic, WELCOME))
        pages = set()
        for topic in TOPICS:
            pages.add(self.lookup(root, root_file, topic))
        if len(pages) != len(TOPICS):
            self.fail(path, "two topics open the same page")
        html_dirs = {os.path.join(manual_dir, f) for f, _ in pages} | {os.path.join(manual_dir, root_file)}
        for folder in sorted(html_dirs):
            if os.path.isdir(folder):
                self.html_folder(folder)

    @staticmethod
    def file_attribute(element):
        return next((v for k, v in element.attrib.items() if k.lower() == "file"), None)

    def lookup(self, root, root_file, topic):
        """The help file and page that the viewer opens for a topic."""
        element, help_file = root, root_file
        for part in filter(None, re.split(r"[. ]", topic)):
            element = element.find(part)
            if element is None:
                return root_file, WELCOME
            help_file = self.file_attribute(element) or help_file
        return help_file, element.get("ref") or WELCOME

    def refs_exist(self, path, manual_dir, element, help_file):
        help_file = self.file_attribute(element) or help_file
        ref = element.get("ref")
        if ref is not None and not os.path.isfile(os.path.join(manual_dir, help_file, ref)):
            self.fail(path, "<%s ref=%r>: %s/%s is missing" % (element.tag, ref, help_file, ref))
        for child in element:
            self.refs_exist(path, manual_dir, child, help_file)

    def html_folder(self, folder):
        pages = {}
        for name in sorted(os.listdir(folder)):
            if name.endswith(".htm"):
                page = PageReader()
                try:
                    with open(os.path.join(folder, name), encoding="utf-8") as f:
                        page.feed(f.read())
                    page.close()
                except UnicodeDecodeError:
                    self.fail(os.path.join(folder, name), "not UTF-8")
                    continue
                pages[name] = page
        for name, page in pages.items():
            where = os.path.join(folder, name)
            for problem in page.problems:
                self.fail(where, problem)
            if not page.has_lang or not page.title.strip():
                self.fail(where, "needs <html lang> and a <title>")
            for link in page.links:
                if re.match(r"^[a-z]+:", link):
                    continue
                target, _, anchor = link.partition("#")
                target = target or name
                if target in pages:
                    if anchor and anchor not in pages[target].ids:
                        self.fail(where, "link %s: no id %r in %s" % (link, anchor, target))
                elif not os.path.isfile(os.path.join(folder, target)):
                    self.fail(where, "link %s: %s is missing" % (link, target))


class PageReader(HTMLParser):
    """Collects links, ids, the title and unbalanced tags of one HTML page."""
    VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "wbr"}

    def __init__(self):
        super().__init__()
        self.links, self.ids, self.problems = [], set(), []
        self.open_tags, self.title, self.has_lang = [], "", False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html" and attrs.get("lang"):
            self.has_lang = True
        for name in ("href", "src"):
            if attrs.get(name):
                self.links.append(attrs[name])
        if attrs.get("id"):
            self.ids.add(attrs["id"])
        if tag not in self.VOID:
            self.open_tags.append(tag)

    def handle_endtag(self, tag):
        if not self.open_tags or self.open_tags[-1] != tag:
            self.problems.append("line %d: </%s> does not close <%s>"
                                 % (self.getpos()[0], tag, self.open_tags[-1] if self.open_tags else ""))
        else:
            self.open_tags.pop()

    def handle_data(self, data):
        if self.open_tags and self.open_tags[-1] == "title":
            self.title += data

    def close(self):
        super().close()
        if self.open_tags:
            self.problems.append("unclosed <%s>" % ">, <".join(self.open_tags))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    data = os.path.abspath(argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "data"))
    checker = Checker(data)
    table = checker.language_table()
    counts = checker.packs(table)
    checker.manual()
    for problem in checker.problems:
        print(problem)
    summary = ", ".join("%s %d keys" % (a, n) for a, n in counts.items())
    print("%s: %s; %d problem(s)" % (data, summary or "no packs", len(checker.problems)))
    return 1 if checker.problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
