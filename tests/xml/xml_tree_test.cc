#include <gtest/gtest.h>

#include <thread>

#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
#include "xml/xml_parser.h"
#include "xml/xml_writer.h"
#include "temp_folder.h"

namespace {

std::unique_ptr<XmlTree> Read(const std::string& path) {
  XmlParser parser;
  if (!parser.LoadFile(path)) return nullptr;
  return parser.TakeTree();
}

TEST(XmlTreeTest, ReadBuildsElementsInDocumentOrderAndTrimsContents) {
  TempFolder folder;
  auto tree = Read(folder.Write("a.xml",
                                "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                                "<Root A=\"1\">\n  <First>\t one two \r\n</First>\n"
                                "  <Second/>\n  <First>again</First>\n</Root>\n"));
  ASSERT_TRUE(tree);
  EXPECT_EQ(tree->version, "1.0");
  EXPECT_EQ(tree->encoding, "UTF-8");
  EXPECT_TRUE(tree->standalone);
  const XmlElement* root = tree->root.get();
  EXPECT_EQ(root->Contents(), nullptr);  // white space between children is dropped
  ASSERT_EQ(root->ChildCount(), 3u);
  EXPECT_EQ(*root->Child("First")->Contents(), "one two");  // first of two, exact name
  EXPECT_EQ(root->Child("first"), nullptr);
  EXPECT_EQ(root->ChildAt(3), nullptr);
  EXPECT_EQ(root->ChildAt(1)->Contents(), nullptr);
  EXPECT_EQ(*root->ChildAt(1)->NextSibling()->Contents(), "again");
}

TEST(XmlTreeTest, FailuresSetThePerThreadLastError) {
  TempFolder folder;
  SetXmlLastError(kXmlErrorNone);
  EXPECT_FALSE(Read(folder.File("missing.xml")));
  EXPECT_EQ(XmlLastError(), kXmlErrorFile);
  EXPECT_FALSE(Read(folder.Path()));  // a folder opens but cannot be read
  EXPECT_EQ(XmlLastError(), kXmlErrorFile);
  EXPECT_FALSE(Read(TestDataPath("xml/truncated.xml")));
  EXPECT_EQ(XmlLastError(), kXmlErrorParse);
  EXPECT_FALSE(Read(TestDataPath("xml/no_element.xml")));
  EXPECT_EQ(XmlLastError(), kXmlErrorParse);
  EXPECT_FALSE(Read(folder.Write("empty.xml", "")));
  // Expat refuses a tag that repeats an attribute name.
  EXPECT_FALSE(Read(folder.Write("dup.xml", "<a x=\"1\" x=\"2\"/>")));
  EXPECT_EQ(XmlLastError(), kXmlErrorParse);

  std::thread([] { EXPECT_EQ(XmlLastError(), kXmlErrorNone); }).join();
}

TEST(XmlTreeTest, ContentsAndNamesSpanningChunkBoundariesStayWhole) {
  TempFolder folder;
  const std::string filler(XmlParser::kChunkSize - 20, 'x');
  const std::string text = "across the seam of two chunks";
  auto tree = Read(folder.Write("big.xml", "<Root><Pad>" + filler + "</Pad><LongElementName>" + text +
                                               "</LongElementName></Root>"));
  ASSERT_TRUE(tree);
  EXPECT_EQ(tree->root->ChildAt(0)->Contents()->size(), filler.size());
  ASSERT_NE(tree->root->Child("LongElementName"), nullptr);
  EXPECT_EQ(*tree->root->Child("LongElementName")->Contents(), text);

  // A file of exactly one chunk ends with an empty final piece.
  std::string exact = "<R>" + std::string(XmlParser::kChunkSize - 7, 'y') + "</R>";
  ASSERT_EQ(exact.size(), XmlParser::kChunkSize);
  EXPECT_TRUE(Read(folder.Write("exact.xml", exact)));
}

TEST(XmlTreeTest, TrimmingTreatsFormFeedAsSpaceOnlyAtTheEnd) {
  XmlElement element("E");
  element.AppendContents("\f\v\t x \v\f");
  element.AppendContents("\r\n");
  element.TrimContents();
  EXPECT_EQ(*element.Contents(), "\f\v\t x");
}

TEST(XmlTreeTest, WriteUsesTheFixedFormUnescaped) {
  XmlTree tree;
  tree.root = std::make_unique<XmlElement>("Pack");
  XmlElement* entry = tree.root->AppendChild(std::make_unique<XmlElement>("Entry"));
  entry->SetAttribute("from", "old");
  entry->SetAttribute("to", "x");
  entry->SetAttribute("from", "A & B");  // the same name replaces in place
  EXPECT_EQ(entry->FindAttribute("FROM"), nullptr);  // names compare exactly
  XmlElement* group = tree.root->AppendChild(std::make_unique<XmlElement>("Group"));
  group->AppendChild(std::make_unique<XmlElement>("Leaf"))->AppendContents("text");
  XmlElement* mixed = tree.root->AppendChild(std::make_unique<XmlElement>("Mixed"));
  mixed->AppendContents("tail");
  mixed->AppendChild(std::make_unique<XmlElement>("Inner"));
  EXPECT_EQ(FormatXmlTree(tree),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n\n"
            "<Pack>\n"
            "   <Entry from=\"A & B\" to=\"x\"/>\n"
            "   <Group>\n"
            "      <Leaf>text</Leaf>\n"
            "   </Group>\n"
            "   <Mixed>      <Inner/>\n"
            "tail</Mixed>\n"
            "</Pack>\n");
}

TEST(XmlTreeTest, WrittenTreeReadsBackTheSame) {
  TempFolder folder;
  auto original = Read(TestDataPath("xml/roundtrip.xml"));
  ASSERT_TRUE(original);
  ASSERT_TRUE(SaveXmlTree(*original, folder.File("copy.xml")));
  auto copy = Read(folder.File("copy.xml"));
  ASSERT_TRUE(copy);
  // Values are written as stored (no escaping), so only a tree without "&"
  // or "<" in its texts reads back unchanged; the fixture holds none.
  EXPECT_EQ(FormatXmlTree(*copy), FormatXmlTree(*original));
  std::string error;
  EXPECT_FALSE(SaveXmlTree(*original, folder.File("no/such/folder.xml"), &error));
  EXPECT_EQ(error, folder.File("no/such/folder.xml") + ": No such file or directory");
}

TEST(XmlTreeTest, FullDiskAndReadOnlyFolderAreReported) {
  XmlTree tree;
  tree.root = std::make_unique<XmlElement>("Pack");
  platform::MemEnv mem;
  platform::FaultInjectionEnv env(&mem);
  std::string error;
  env.SetReadOnlyFolder("/ro");
  SetXmlLastError(kXmlErrorNone);
  EXPECT_FALSE(SaveXmlTree(tree, "/ro/a.xml", &error, &env));
  EXPECT_EQ(error, "/ro/a.xml: Permission denied");
  EXPECT_EQ(XmlLastError(), kXmlErrorFile);
  env.SetSpaceLeft(10);
  EXPECT_FALSE(SaveXmlTree(tree, "/a.xml", &error, &env));
  EXPECT_EQ(error, "/a.xml: No space left on device");
  env.SetSpaceLeft(std::nullopt);
  EXPECT_TRUE(SaveXmlTree(tree, "/a.xml", &error, &env));
  EXPECT_EQ(ReadWholeFile(mem, "/a.xml"), FormatXmlTree(tree));
}

TEST(XmlTreeTest, DeeplyNestedDocumentIsReadAndFreedWithoutRecursion) {
  const int depth = 200000;
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  for (int i = 0; i < depth; ++i) text += "</a>";
  XmlParser parser;
  ASSERT_TRUE(parser.Parse(text.data(), text.size(), true));
  auto tree = parser.TakeTree();
  const XmlElement* deepest = tree->root.get();
  int levels = 1;
  while (deepest->ChildCount() == 1) deepest = deepest->ChildAt(0), ++levels;
  EXPECT_EQ(levels, depth);
}

}  // namespace
