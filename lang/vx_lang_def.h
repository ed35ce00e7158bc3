// CVxLangDef: the table of supported languages ("LanguageTable.xml"), which
// names the pack of a language number and picks the language at start-up
// when none is stored.
//
// The process uses one table (Instance()), read on first use and kept until
// a new path is set.  Used from the viewer's user-interface thread.
#pragma once

#include <string>
#include <vector>

// One language of the table, in file order.
struct SupportedLangTable {
  unsigned langId = 0;   // primary + sub-language * 1024
  std::string abbrName;  // names the pack: "ENG", "ARA" ...
  std::string fullName;  // display name, in the system code page
};

class CVxLangDef {
 public:
  static constexpr const char* kDefaultAbbrName = "ENG";
  static constexpr unsigned kEnglish = 9;

  static CVxLangDef& Instance();

  // The file read on next use; empty means "lang/LanguageTable.xml" of the
  // installation, else of the installed data folder.
  void SetTablePath(std::string path);
  // Reads the table now, replacing the one held.  A missing or malformed
  // file, or a root not named "LanguageTable", leaves it empty.
  void Read();

  const std::vector<SupportedLangTable>& Languages();

  // The pack abbreviation of exactly `langId`, "ENG" when the table lacks it.
  std::string GetAbbrName(unsigned langId);

  // The language number to use for the system's language `systemLangId`:
  // the first entry with the same primary language decides -- an entry with
  // a sub-language gives `systemLangId` itself, one without gives its
  // primary language alone; no such entry gives English (9).
  unsigned LangIdForSystemLanguage(unsigned systemLangId);

 private:
  void ReadOnce();

  std::string m_path;
  bool m_read = false;
  std::vector<SupportedLangTable> m_languages;
};
