// CVxLang: the loaded language pack -- the translation map behind every text
// the viewer shows -- and the layout switches that a pack turns on.
//
// The process uses one pack (Instance()).  It is loaded at start-up and when
// the host changes the language, and used from the viewer's user-interface
// thread.  A failed load changes nothing; a successful one replaces the
// entry list but adds to the map, so keys of an earlier pack that the new
// one lacks keep their earlier translation.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "lang/vx_lang_def.h"
#include "xml/xml_tree.h"

class CVxLang {
 public:
  static constexpr size_t kMaxEntries = 65535;
  // Longest translation taken from a pack, in UTF-16 units.
  static constexpr size_t kMaxTranslationLength = 520;
  static constexpr unsigned kVietnamese = 42;

  static CVxLang& Instance();

  // Loads folder + abbreviation + "/" + module + "Res" + abbreviation +
  // ".xml" (the abbreviation from `table`); a relative path is looked up in
  // the installation, then in the installed data folder.  False when the
  // file cannot be read or parsed.
  bool Load(const std::string& module, unsigned langId, const std::string& folder,
            CVxLangDef& table = CVxLangDef::Instance());

  // The translation of a text in key form; nullptr when the pack has none.
  const std::string* Lookup(const std::string& key) const;

  const std::string& Path() const { return m_path; }
  // (source text, translation) of the last pack, in file order.
  const std::vector<std::pair<std::string, std::string>>& Entries() const { return m_entries; }
  const XmlTree* Tree() const { return m_tree.get(); }

  // Layout switches: once set by a load they stay set.
  bool IsRightToLeft() const { return m_rightToLeft; }
  bool UsesNativeFont() const { return m_nativeFont; }
  // Windows made from now on are laid out right to left.
  bool DefaultLayoutRightToLeft() const { return m_defaultLayoutRightToLeft; }

 private:
  std::string m_path;
  std::map<std::string, std::string> m_translations;
  std::vector<std::pair<std::string, std::string>> m_entries;
  std::unique_ptr<XmlTree> m_tree;
  bool m_rightToLeft = false;
  bool m_nativeFont = false;
  bool m_defaultLayoutRightToLeft = false;
};

// Key form of a text, used when loading and when looking up: CR LF becomes
// "/r/n", a remaining LF "/n", then "&", "<", ">" and the double quote become
// "&amp;", "&lt;", "&gt;" and "&quot;".
std::string ToKeyForm(std::string text);
// The reverse, applied to every result, in the same order.
std::string FromKeyForm(std::string text);
