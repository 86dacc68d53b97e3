#pragma once
// A small XML reader for the client's own files (the login history): elements and their
// attributes, nothing more. Text content, comments, processing instructions, CDATA and the
// document type are read past. Attribute values come back as GBK: a document declared in
// UTF-8 (or declaring nothing, which means UTF-8) is converted, a GBK/GB2312/GB18030 one is
// kept as it is. Anything malformed throws ruzi::Error naming the line. Pure: any thread.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ruzi {

struct XmlElement {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::vector<XmlElement> children;

  // The first child of that name, or nullptr.
  const XmlElement* Child(std::string_view child_name) const;
  // The attribute's value, or nullptr.
  const std::string* Attribute(std::string_view attribute_name) const;
};

// The document element.
XmlElement ParseXmlDocument(std::string_view text);

}  // namespace ruzi
