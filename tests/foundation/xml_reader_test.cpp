// The login history's XML reader: the documents of tests/data/fnd_xml_documents.txt, what it
// finds in them, reads past and refuses.
#include <gtest/gtest.h>

#include "error_text.h"
#include "foundation/xml_reader.h"
#include "vector_file.h"

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

TEST(XmlReader, FindsTheLastUserOrNamesTheLineOfTheFault) {
  for (const testing::VectorCase& c : testing::ReadVectors("fnd_xml_documents.txt")) {
    std::string got;
    const std::string error = testing::ErrorOf([&] { got = LastUser(c[0]); });
    EXPECT_EQ(error == "(no error)" ? got : "error: " + error, c[1]) << c[0];
  }
  std::string deep;
  for (int i = 0; i < 300; ++i) deep += "<a>";
  EXPECT_EQ(testing::ErrorOf([&] { ParseXmlDocument(deep); }), "XML line 1: elements nested too deeply");
  EXPECT_EQ(testing::ErrorOf([] { ParseXmlDocument(std::string(300, '<')); }), "XML line 1: expected a name");
}

}  // namespace
}  // namespace ruzi
