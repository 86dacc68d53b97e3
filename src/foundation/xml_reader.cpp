#include "foundation/xml_reader.h"

#include <algorithm>
#include <cstdint>

#include "platform/ascii_case.h"
#include "platform/text_encoding.h"
#include "ruzirareva/foundation/error.h"

namespace ruzi {
namespace {

// Deeper nesting than any file of ours is refused rather than allowed to exhaust the stack.
constexpr int kMaxDepth = 200;

class XmlParser {
 public:
  explicit XmlParser(std::string_view text) : text_(text) {}

  XmlElement Document() {
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    SkipMisc();
    if (!Peek("<")) Fail("no document element");
    XmlElement root = Element(0);
    SkipMisc();
    if (pos_ != text_.size()) Fail("text after the document element");
    return root;
  }

 private:
  [[noreturn]] void Fail(std::string_view what) const {
    const size_t line = 1 + std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(pos_), '\n');
    throw Error("XML line " + std::to_string(line) + ": " + std::string(what));
  }

  bool Peek(std::string_view what) const { return text_.substr(pos_).starts_with(what); }

  void Expect(std::string_view what) {
    if (!Peek(what)) Fail("expected '" + std::string(what) + "'");
    pos_ += what.size();
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n')) {
      ++pos_;
    }
  }

  void SkipPast(std::string_view end) {
    const size_t found = text_.find(end, pos_);
    if (found == std::string_view::npos) Fail("unterminated '" + std::string(end) + "'");
    pos_ = found + end.size();
  }

  // Comments, processing instructions (the declaration among them) and the document type.
  void SkipMisc() {
    for (;;) {
      SkipBlanks();
      if (Peek("<?")) {
        const size_t start = pos_;
        SkipPast("?>");
        ReadDeclaration(text_.substr(start, pos_ - start));
      } else if (Peek("<!--")) {
        SkipPast("-->");
      } else if (Peek("<!")) {
        SkipPast(">");
      } else {
        return;
      }
    }
  }

  void ReadDeclaration(std::string_view declaration) {
    if (!declaration.starts_with("<?xml")) return;
    const size_t at = declaration.find("encoding");
    if (at == std::string_view::npos) return;
    const size_t open = declaration.find_first_of("\"'", at);
    if (open == std::string_view::npos) return;
    const size_t close = declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos) return;
    const std::string_view encoding = declaration.substr(open + 1, close - open - 1);
    utf8_ = !(AsciiEqualIgnoreCase(encoding, "GBK") || AsciiEqualIgnoreCase(encoding, "GB2312") ||
              AsciiEqualIgnoreCase(encoding, "GB18030"));
  }

  std::string Name() {
    const size_t start = pos_;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>' || c == '=' || c == '<' ||
          c == '"' || c == '\'') {
        break;
      }
      ++pos_;
    }
    if (pos_ == start) Fail("expected a name");
    return std::string(text_.substr(start, pos_ - start));
  }

  static void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  // "&amp;" and the other four, "&#65;", "&#x41;". A character reference becomes UTF-8, so a
  // GBK document only takes ASCII ones.
  std::string Unescape(std::string_view raw) const {
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] != '&') {
        out += raw[i];
        continue;
      }
      const size_t end = raw.find(';', i);
      if (end == std::string_view::npos) Fail("unterminated entity");
      const std::string_view entity = raw.substr(i + 1, end - i - 1);
      static constexpr std::pair<std::string_view, char> kNamed[] = {
          {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
      const auto named = std::find_if(std::begin(kNamed), std::end(kNamed), [&](const auto& e) { return e.first == entity; });
      if (named != std::end(kNamed)) {
        out += named->second;
      } else if (entity.starts_with("#")) {
        const bool hex = entity.starts_with("#x");
        const std::string_view digits = entity.substr(hex ? 2 : 1);
        uint32_t code = 0;
        if (digits.empty() || digits.size() > 6) Fail("bad character reference");
        for (const char c : digits) {
          const int digit = (c >= '0' && c <= '9') ? c - '0'
                            : hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f' ? (c | 0x20) - 'a' + 10
                                                                              : -1;
          if (digit < 0) Fail("bad character reference");
          code = code * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
        }
        if (code == 0 || code > 0x10FFFF || (!utf8_ && code >= 0x80)) Fail("bad character reference");
        AppendUtf8(out, code);
      } else {
        Fail("unknown entity");
      }
      i = end;
    }
    return utf8_ ? platform::Utf8ToGbk(out) : out;
  }

  std::string AttributeValue() {
    if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) Fail("expected a quoted value");
    const char quote = text_[pos_++];
    const size_t end = text_.find(quote, pos_);
    if (end == std::string_view::npos) Fail("unterminated value");
    const std::string_view raw = text_.substr(pos_, end - pos_);
    if (raw.find('<') != std::string_view::npos) Fail("'<' in a value");
    pos_ = end + 1;
    return Unescape(raw);
  }

  XmlElement Element(int depth) {
    if (depth > kMaxDepth) Fail("elements nested too deeply");
    Expect("<");
    XmlElement element;
    element.name = Name();
    for (;;) {
      SkipBlanks();
      if (Peek("/>")) {
        pos_ += 2;
        return element;
      }
      if (Peek(">")) {
        ++pos_;
        break;
      }
      std::string name = Name();
      SkipBlanks();
      Expect("=");
      SkipBlanks();
      element.attributes.emplace_back(std::move(name), AttributeValue());
    }
    for (;;) {
      const size_t tag = text_.find('<', pos_);
      if (tag == std::string_view::npos) Fail("element " + element.name + " not closed");
      pos_ = tag;
      if (Peek("</")) {
        pos_ += 2;
        if (Name() != element.name) Fail("closing tag does not match " + element.name);
        SkipBlanks();
        Expect(">");
        return element;
      }
      if (Peek("<!--")) {
        SkipPast("-->");
      } else if (Peek("<![CDATA[")) {
        SkipPast("]]>");
      } else if (Peek("<?")) {
        SkipPast("?>");
      } else {
        element.children.push_back(Element(depth + 1));
      }
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  bool utf8_ = true;
};

}  // namespace

const XmlElement* XmlElement::Child(std::string_view child_name) const {
  for (const XmlElement& child : children) {
    if (child.name == child_name) return &child;
  }
  return nullptr;
}

const std::string* XmlElement::Attribute(std::string_view attribute_name) const {
  for (const auto& [name, value] : attributes) {
    if (name == attribute_name) return &value;
  }
  return nullptr;
}

XmlElement ParseXmlDocument(std::string_view text) { return XmlParser(text).Document(); }

}  // namespace ruzi
