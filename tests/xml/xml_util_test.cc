#include "xml/xml_util.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "temp_folder.h"

namespace {

class XmlUtilTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetSystemCodePage(platform::kCodePageUtf8); }
  void TearDown() override { platform::SetSystemCodePage(0); }

  uint32_t Load(const std::string& fixture) { return xml.Load(TestDataPath("xml/" + fixture)); }
  std::string String(const char* name, uint32_t expectedStatus = kXmlStatusOk) {
    std::string value = "unchanged";
    EXPECT_EQ(xml.GetStringValue(name, value), expectedStatus) << name;
    return value;
  }
  uint32_t UInt(const char* name) {
    uint32_t value = 7;
    EXPECT_EQ(xml.GetUIntValue(name, value), kXmlStatusOk) << name;
    return value;
  }
  std::string Attribute(const char* name) {
    std::string value;
    EXPECT_EQ(xml.GetAttributeValue(name, value), kXmlStatusOk) << name;
    return value;
  }

  CXmlUtil xml;
};

TEST_F(XmlUtilTest, LoadStatuses) {
  std::string value;
  uint32_t number = 0;
  EXPECT_EQ(xml.GetStringValue("Count", value), kXmlStatusNotFound);  // nothing loaded
  EXPECT_EQ(xml.GetAttributeValue("Version", value), kXmlStatusNotFound);
  EXPECT_EQ(Load("missing.xml"), kXmlStatusFileNotFound);
  EXPECT_EQ(Load("truncated.xml"), kXmlStatusFileInvalid);
  EXPECT_EQ(Load("no_element.xml"), kXmlStatusFileInvalid);
  EXPECT_EQ(Load("filter.xml"), kXmlStatusOk);
  EXPECT_EQ(xml.GetUIntValue("Absent", number), kXmlStatusNotFound);
  EXPECT_EQ(xml.GetUIntValue("Rule", number), kXmlStatusNotFound);  // only the root's children
  EXPECT_EQ(xml.GetAttributeValue("Absent", value), kXmlStatusNotFound);

  // A failed second load does not leave the first document behind.
  EXPECT_EQ(Load("truncated.xml"), kXmlStatusFileInvalid);
  EXPECT_EQ(xml.Root(), nullptr);
  EXPECT_EQ(xml.GetUIntValue("Count", number), kXmlStatusNotFound);
}

TEST_F(XmlUtilTest, ElementValues) {
  ASSERT_EQ(Load("filter.xml"), kXmlStatusOk);
  EXPECT_EQ(UInt("Count"), 42u);
  EXPECT_EQ(UInt("Empty"), 0u);
  EXPECT_EQ(UInt("Blank"), 0u);
  EXPECT_EQ(UInt("Name"), 0u);  // no digits
  EXPECT_EQ(UInt("Negative"), 4294967295u);
  EXPECT_EQ(UInt("Huge"), 4294967295u);
  EXPECT_EQ(String("Blank"), "");
  EXPECT_EQ(String("count", kXmlStatusNotFound), "unchanged");  // element names are exact
  EXPECT_EQ(String("Device"), "");
}

TEST_F(XmlUtilTest, AttributesMatchAnyCaseAndDecodeEntitiesInOrder) {
  ASSERT_EQ(Load("filter.xml"), kXmlStatusOk);
  EXPECT_EQ(Attribute("version"), "3");
  EXPECT_EQ(Attribute("VERSION"), "3");
  // The file's "&amp;lt;" reaches the facade as "&lt;", which it decodes.
  EXPECT_EQ(Attribute("Title"), "A < B");
  // "&amp;amp;amp;" arrives as "&amp;amp;"; one pass per entity leaves "&amp;".
  EXPECT_EQ(Attribute("Owner"), "&amp;");

  EXPECT_EQ(DecodeXmlEntities("&amp;lt;&amp;gt;&apos;&quot;"), "<>'\"");
  EXPECT_EQ(DecodeXmlEntities("&lt;amp;"), "<amp;");
  EXPECT_EQ(DecodeXmlEntities("&quot;&amp;quot;"), "\"\"");
  EXPECT_EQ(DecodeXmlEntities("&amp;apos;"), "'");
}

TEST_F(XmlUtilTest, TextsComeInTheSystemCodePage) {
  ASSERT_EQ(Load("filter.xml"), kXmlStatusOk);
  EXPECT_EQ(String("Name"), "Gr\xC3\xB6\xC3\x9F" "e");
  platform::SetSystemCodePage(1252);
  EXPECT_EQ(String("Name"), "Gr\xF6\xDF" "e");
  platform::SetSystemCodePage(932);  // no mapping: the default character
  EXPECT_EQ(String("Name"), "Gr??e");
}

}  // namespace
