// The login history's XML reader: what it finds, what it reads past, and what it refuses.
#include <gtest/gtest.h>

#include "error_text.h"
#include "foundation/xml_reader.h"

namespace ruzi {
namespace {

// The "lastuser" of the document's history/userid, "<none>" when any step is missing.
std::string LastUser(const std::string& text) {
  const XmlElement root = ParseXmlDocument(text);
  const XmlElement* history = root.Child("history");
  const XmlElement* userid = history ? history->Child("userid") : nullptr;
  const std::string* user = userid ? userid->Attribute("lastuser") : nullptr;
  return user ? *user : "<none>";
}

TEST(XmlReader, FindsTheLastUserPastEverythingElse) {
  const std::pair<const char*, const char*> cases[] = {
      {"<c><history><userid lastuser='a'/></history></c>", "a"},
      {"\xEF\xBB\xBF<?xml version=\"1.0\"?><!DOCTYPE c><!-- x --><c>text<![CDATA[<no>]]><?pi?>"
       "<history a = \"1\" ><other/><userid lastuser=\"&lt;&#65;&#x42;&gt;&quot;&apos;\"></userid></history></c>\n",
       "<AB>\"'"},
      {"<c><userid lastuser='a'/></c>", "<none>"},
      {"<c><history><userid/></history></c>", "<none>"},
      {"<c><history><userid LastUser='a'/></history></c>", "<none>"},
      {"<c><history/><history><userid lastuser='second'/></history></c>", "<none>"},
      {"<?xml version='1.0' encoding='gb2312'?><c><history><userid lastuser='\xCD\xF5'/></history></c>", "\xCD\xF5"},
      {"<c><history><userid lastuser='\xE7\x8E\x8B'/></history></c>", "\xCD\xF5"},
  };
  for (const auto& [text, user] : cases) EXPECT_EQ(LastUser(text), user) << text;
}

TEST(XmlReader, RefusesMalformedDocumentsNamingTheLine) {
  const std::pair<std::string, const char*> cases[] = {
      {"", "XML line 1: no document element"},
      {"text", "XML line 1: no document element"},
      {"<a></b>", "XML line 1: closing tag does not match a"},
      {"<a>\n<b>", "XML line 2: element b not closed"},
      {"<a/><b/>", "XML line 1: text after the document element"},
      {"<a x='1/>", "XML line 1: unterminated value"},
      {"<a x='<'/>", "XML line 1: '<' in a value"},
      {"<a x='&nbsp;'/>", "XML line 1: unknown entity"},
      {"<a x='&#0;'/>", "XML line 1: bad character reference"},
      {"<a x='&#x110000;'/>", "XML line 1: bad character reference"},
      {"<?xml encoding='GBK'?><a x='&#200;'/>", "XML line 1: bad character reference"},
      {"<a x='&amp'/>", "XML line 1: unterminated entity"},
      {"<!-- open", "XML line 1: unterminated '-->'"},
      {std::string(300, '<'), "XML line 1: expected a name"},
      {[] {
         std::string deep;
         for (int i = 0; i < 300; ++i) deep += "<a>";
         return deep;
       }(),
       "XML line 1: elements nested too deeply"},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(testing::ErrorOf([&] { ParseXmlDocument(text); }), message) << text;
}

}  // namespace
}  // namespace ruzi
