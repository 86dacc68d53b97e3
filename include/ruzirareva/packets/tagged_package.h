#pragma once
// The tagged text of requests and replies: "<name>value</name>" items written end to end, as
// in <ErrCode>0</ErrCode><ErrMsg></ErrMsg>. Nothing is escaped: a value may hold tags of its
// own (a nested package), since the first matching closing tag ends it. Names are unique and
// compared byte for byte; adding an existing name replaces its value where it stands. Not
// thread-safe: a package belongs to one thread at a time.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/packets/name_index.h"

namespace ruzi {

struct TqxPackageItem {
  std::string Name;
  std::string Value;
};

// The first item of a tag text and what follows it, viewing the text: the name between the
// first "<" and the next ">", the value up to the first "</name>", and the rest after it
// (positions exactly as the client computes them, so malformed text splits the same way).
// TaggedItemReader splits a whole text this way, item after item, in linear time.
struct TaggedItemView {
  std::string_view name;
  std::string_view value;
  std::string_view rest;
};
RUZI_API TaggedItemView SplitFirstTaggedItem(std::string_view text);

class RUZI_API TqxPackage {
 public:
  TqxPackage() = default;
  explicit TqxPackage(std::string_view text) { Parse(text); }
  TqxPackage(const TqxPackage&) = delete;
  TqxPackage& operator=(const TqxPackage&) = delete;

  void Add(std::string_view name, std::string_view value);
  void Add(std::string_view name, const char* value) { Add(name, std::string_view(value)); }
  void Add(std::string_view name, int32_t value);
  void Add(std::string_view name, int64_t value);
  // Picture "0." followed by `decimals` zeros.
  void Add(std::string_view name, double value, int32_t decimals);
  // Adds every item of a tag text.
  void Add(std::string_view text) { Parse(text); }
  void Delete(std::string_view name);

  // False (output untouched) when the name is absent or its value does not convert.
  bool GetItem(std::string_view name, std::string& value) const;
  bool GetItem(std::string_view name, int32_t& value) const;  // decimal, or hex after "$"
  bool GetItem(std::string_view name, int64_t& value) const;
  bool GetItem(std::string_view name, double& value) const;
  // The name of item Index; the output is left as it was outside 0..Count()-1.
  void GetItemName(int32_t index, std::string& name) const;
  bool GetItemValue(int32_t index, std::string& value) const;

  // SplitFirstTaggedItem into owned strings.
  static void GetFirstItem(std::string_view text, std::string& name, std::string& rest, std::string& value);

  void Parse(std::string_view text);
  std::string GetText() const;
  // Each item as "name -- value" in a message box, then the whole text in one more.
  void Output() const;
  void Clear();

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  const TqxPackageItem& Item(int32_t index) const { return *items_[static_cast<size_t>(index)]; }

 private:
  const TqxPackageItem* Find(std::string_view name) const;

  std::vector<std::unique_ptr<TqxPackageItem>> items_;
  NameIndex<TqxPackageItem> index_;
};

}  // namespace ruzi
