#include "platform/reg_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"

namespace platform {
namespace {

const std::string kV5 = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP";

std::string Utf16(const std::string& utf8) { return ToUtf16LeBytes(utf8, kCodePageUtf8); }

class RegFileTest : public testing::Test {
 protected:
  // Parses `text`; the tree it builds stays for Value and Has.
  bool Parse(const std::string& text) {
    const bool ok = RegFile::Parse(text, &m_file, &m_error);
    m_tree = m_file.BuildTree();
    return ok;
  }
  const RegistryTree::Value* Value(const std::string& key, const std::string& name) const {
    const RegistryTree::Key* found = m_tree->Find(key);
    return found != nullptr ? found->FindValue(name) : nullptr;
  }
  std::string Data(const std::string& key, const std::string& name) const {
    const RegistryTree::Value* value = Value(key, name);
    return value != nullptr ? value->data : "<absent>";
  }
  bool Has(const std::string& key) const { return m_tree->Find(key) != nullptr; }
  // `text` with the DWORD set, or "<failed>".
  std::string SetDword(const std::string& text, const std::string& key, const std::string& name, uint32_t v) {
    EXPECT_TRUE(RegFile::Parse(text, &m_file, &m_error)) << m_error.reason;
    std::string out;
    return m_file.WithDword(key, name, v, &out) ? out : "<failed>";
  }

  RegFile m_file;
  RegFileError m_error;
  std::unique_ptr<RegistryTree> m_tree;
};

TEST_F(RegFileTest, ValueForms) {
  ASSERT_TRUE(Parse(kV5 + "[" + kKey + "]\r\n"
                    "; a comment\r\n"
                    "@=\"default\"\r\n"
                    "\"Path\"=\"C:\\\\Data\\\\\"\r\n"
                    "\"Quote \\\"q\\\"\"=\"say \\\"hi\\\"\"\r\n"
                    "  \"Short\" = dword:2a\r\n"
                    "\"Bin\"=hex:01,02,\\\r\n"
                    "  03,ff\r\n"
                    "\"Empty\"=hex:\r\n"
                    "\"Expand\"=hex(2):25,00,41,00,00,00\r\n"
                    "\"Quota\"=hex(b):01,00,00,00,00,00,00,00\r\n"))
      << m_error.reason;
  EXPECT_EQ(Data(kKey, ""), Utf16("default") + std::string(2, '\0'));
  EXPECT_EQ(Data(kKey, "Path"), Utf16("C:\\Data\\") + std::string(2, '\0'));
  EXPECT_EQ(Data(kKey, "quote \"Q\""), Utf16("say \"hi\"") + std::string(2, '\0'));
  EXPECT_EQ(Value(kKey, "Short")->type, REG_DWORD);
  EXPECT_EQ(Data(kKey, "Short"), std::string("\x2a\0\0\0", 4));
  EXPECT_EQ(Value(kKey, "Bin")->type, REG_BINARY);
  EXPECT_EQ(Data(kKey, "Bin"), "\x01\x02\x03\xff");
  EXPECT_EQ(Data(kKey, "Empty"), "");
  EXPECT_EQ(Value(kKey, "Expand")->type, REG_EXPAND_SZ);
  EXPECT_EQ(Data(kKey, "Expand"), Utf16("%A") + std::string(2, '\0'));
  EXPECT_EQ(Value(kKey, "Quota")->type, 0xbu);

  // REGEDIT4 writes text given in hex as narrow bytes; it is kept as UTF-16.
  ASSERT_TRUE(Parse("REGEDIT4\n[" + kKey + "]\n\"Expand\"=hex(2):25,41,00\n"));
  EXPECT_EQ(Data(kKey, "Expand"), Utf16("%A") + std::string(2, '\0'));
}

TEST_F(RegFileTest, StatementsApplyInFileOrder) {
  ASSERT_TRUE(Parse(kV5 + "[HKLM\\SOFTWARE\\VEXOIP\\Video\\Ch01]\r\n\"Name\"=\"one\"\r\n"
                    "[HKEY_LOCAL_MACHINE\\software\\vexoip\\video\\IP2]\r\n"
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Video\\Ch01\\Sub]\r\n"
                    "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Video\\Ch01]\r\n"
                    "\"Ignored\"=\"under a removed key\"\r\n"
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Video\\Ch03]\r\n"
                    "\"Name\"=\"three\"\r\n\"Gone\"=dword:1\r\n\"Gone\"=-\r\n"
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VEXOIP\\Video\\Ch01]\r\n"));
  const RegistryTree::Key* video = m_tree->Find(kKey + "\\VIDEO");
  ASSERT_NE(video, nullptr);
  std::vector<std::string> names;
  for (const auto& key : video->SubKeys()) names.push_back(key->Name());
  // Spelled as first written; a key made again after its removal comes last.
  EXPECT_EQ(names, (std::vector<std::string>{"IP2", "Ch03", "Ch01"}));
  EXPECT_FALSE(Has(kKey + "\\Video\\Ch01\\Sub"));
  EXPECT_EQ(Value(kKey + "\\Video\\Ch01", "Name"), nullptr);
  EXPECT_EQ(Value(kKey + "\\Video\\Ch03", "Gone"), nullptr);
  EXPECT_NE(Value(kKey + "\\Video\\Ch03", "name"), nullptr);
  EXPECT_NE(m_tree->Top().FindSubKey("HKEY_LOCAL_MACHINE"), nullptr);
}

TEST_F(RegFileTest, BadLineIsSkippedAndNamed) {
  const std::string key = "[" + kKey + "]\r\n";
  const struct {
    std::string text;
    size_t line;
  } cases[] = {
      {kV5 + key + "\"Name\"=\"open\r\n", 4},
      {kV5 + key + "\"Name=\"x\"\r\n", 4},
      {kV5 + key + "\"Bin\"=hex:01,2g\r\n", 4},
      {kV5 + key + "\"Bin\"=hex:01,,02\r\n", 4},
      {kV5 + key + "\"Bin\"=hex:01,\\\r\n  100\r\n", 5},
      {kV5 + key + "\"Bin\"=hex(zz):01\r\n", 4},
      {kV5 + key + "\"N\"=dword:123456789\r\n", 4},
      {kV5 + key + "\"N\"=qword:1\r\n", 4},
      {kV5 + key + "\"N\"=\r\n", 4},
      {kV5 + key + "\"N\"=\"x\" trailing\r\n", 4},
      {kV5 + key + "just text\r\n", 4},
      {kV5 + "[HKEY_NOWHERE\\SOFTWARE]\r\n", 3},
      {kV5 + "[HKEY_LOCAL_MACHINE\\SOFTWARE\r\n", 3},
      {kV5 + "\"Orphan\"=\"x\"\r\n", 3},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Parse(c.text + "[" + kKey + "\\Next]\r\n\"Kept\"=dword:1\r\n")) << c.text;
    ASSERT_EQ(m_file.SkippedLines().size(), 1u) << c.text;
    EXPECT_EQ(m_file.SkippedLines()[0].line, c.line) << c.text;
    EXPECT_FALSE(m_file.SkippedLines()[0].reason.empty());
    EXPECT_EQ(Value(kKey + "\\Next", "Kept")->type, REG_DWORD) << c.text;
  }

  // The values of a key line that cannot be read never land in the key before it.
  ASSERT_TRUE(Parse(kV5 + key + "[" + kKey + "\\Broken\r\n\"Name\"=\"x\"\r\n"));
  EXPECT_EQ(m_file.SkippedLines().size(), 2u);
  EXPECT_EQ(Value(kKey, "Name"), nullptr);
  ASSERT_TRUE(Parse(kV5 + key + "\"Bin\"=hex:01,\\\r\n"));
  EXPECT_EQ(m_file.SkippedLines().at(0).line, 4u);

  // What is not a registry export at all is refused whole.
  for (const std::string& text : {std::string(), std::string("Windows Registry Editor Version 4.00\r\n"),
                                  "\xFF\xFE" + Utf16("Windows Registry Editor Version 5.00\r\n[") + "x"}) {
    EXPECT_FALSE(Parse(text)) << text;
    EXPECT_FALSE(m_error.reason.empty());
    EXPECT_TRUE(m_file.Statements().empty());
  }
}

TEST_F(RegFileTest, SetDwordTouchesOnlyItsLine) {
  const std::string head = kV5 + "[" + kKey + "]\r\n\"A\"=\"a\"\r\n";
  const std::string tail = "\r\n[" + kKey + "\\Video]\r\n\"LangID\"=\"elsewhere\"\r\n";
  // Changed in place, continuation lines and all; the later statement wins.
  EXPECT_EQ(SetDword(head + "\"LangID\"=hex(4):01,\\\r\n  00,00,00\r\n\"B\"=\"b\"\r\n" + tail, kKey, "langid", 9),
            head + "\"LangID\"=dword:00000009\r\n\"B\"=\"b\"\r\n" + tail);
  EXPECT_EQ(SetDword(head + "\"LangID\"=dword:1\r\n\"LangID\"=-\r\n" + tail, kKey, "LangID", 0x1f),
            head + "\"LangID\"=dword:1\r\n\"LangID\"=dword:0000001f\r\n" + tail);
  // Absent: added after the key's last statement; LF files stay LF.
  EXPECT_EQ(SetDword("REGEDIT4\n[" + kKey + "]\n\"A\"=\"a\"\n\n[" + kKey + "\\Video]\n[" + kKey + "]\n\"B\"=\"\\\\\"\n",
                     kKey, "LangID", 2),
            "REGEDIT4\n[" + kKey + "]\n\"A\"=\"a\"\n\n[" + kKey + "\\Video]\n[" + kKey + "]\n\"B\"=\"\\\\\"\n" +
                "\"LangID\"=dword:00000002\n");
  EXPECT_EQ(SetDword("REGEDIT4\n[" + kKey + "]", kKey, "", 1), "REGEDIT4\n[" + kKey + "]\n@=dword:00000001");
  // A last line ending in a carriage return alone gets only its line feed.
  EXPECT_EQ(SetDword("REGEDIT4\n[" + kKey + "]\r", kKey, "A", 1), "REGEDIT4\n[" + kKey + "]\r\n\"A\"=dword:00000001");
  EXPECT_EQ(SetDword(kV5 + "[" + kKey + "\\Video]\r", kKey, "A", 1),
            kV5 + "[" + kKey + "\\Video]\r\n\r\n[" + kKey + "]\r\n\"A\"=dword:00000001\r\n");
  // A key that exists only as a parent gets a section at the end.
  EXPECT_EQ(SetDword(kV5 + "[" + kKey + "\\Video]\r\n", kKey, "LangID", 3),
            kV5 + "[" + kKey + "\\Video]\r\n\r\n[" + kKey + "]\r\n\"LangID\"=dword:00000003\r\n");
  // The key is never made.
  EXPECT_EQ(SetDword(head + "[-" + kKey + "]\r\n", kKey, "LangID", 1), "<failed>");
  EXPECT_EQ(SetDword(head, kKey + "\\Missing", "LangID", 1), "<failed>");

  // A UTF-16 file stays UTF-16, byte for byte around the line.
  const std::string wide = "\xFF\xFE" + Utf16("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\"
                                              "SOFTWARE\\VEXOIP]\r\n\"LangID\"=dword:00000009\r\n\"Caf\xc3\xa9\"=\"\xc3\xa9\"\r\n");
  std::string expected = wide;
  expected.replace(expected.find(Utf16("00000009")), 16, Utf16("00000011"));
  EXPECT_EQ(SetDword(wide, kKey, "LangID", 17), expected);
}

}  // namespace
}  // namespace platform
