#include "packets/tagged_package.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "dialogs/message_sink.h"
#include "foundation/byte_search.h"
#include "foundation/format_float.h"
#include "foundation/string_to_number.h"

namespace ruzi {
namespace {

// Copy(Text, Index, Count) with 1-based Index: out-of-range parts give less or nothing.
std::string_view CopyFrom(std::string_view text, int64_t index, int64_t count) {
  index = std::max<int64_t>(index, 1);
  const int64_t length = static_cast<int64_t>(text.size());
  if (index > length || count <= 0) return {};
  return text.substr(static_cast<size_t>(index - 1), static_cast<size_t>(std::min(count, length - index + 1)));
}

}  // namespace

TaggedItemView SplitFirstTaggedItem(std::string_view text) {
  const size_t open = FindByte(text.data(), text.size(), '<');
  const std::string_view tail = open == text.size() ? text : text.substr(open + 1);
  const size_t close = FindByte(tail.data(), tail.size(), '>');
  TaggedItemView item;
  item.name = close == tail.size() ? std::string_view() : tail.substr(0, close);
  const std::string closing = "</" + std::string(item.name) + ">";
  const size_t found = FindText(tail, closing);
  const int64_t q = found == std::string_view::npos ? 0 : static_cast<int64_t>(found) + 1;
  const int64_t name_length = static_cast<int64_t>(item.name.size());
  item.value = CopyFrom(tail, name_length + 2, q - name_length - 2);
  item.rest = CopyFrom(tail, q + static_cast<int64_t>(closing.size()), INT64_MAX);
  return item;
}

namespace {

template <typename Integer>
std::string DecimalText(Integer value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

template <typename Number>
bool Convert(const std::optional<Number>& converted, Number& value) {
  if (!converted) return false;
  value = *converted;
  return true;
}

}  // namespace

void TqxPackage::Add(std::string_view name, std::string_view value) {
  if (auto found = index_.find(name); found != index_.end()) {
    found->second->Value.assign(value);
    return;
  }
  items_.push_back(std::make_unique<TqxPackageItem>(TqxPackageItem{std::string(name), std::string(value)}));
  TqxPackageItem* item = items_.back().get();
  index_.emplace(item->Name, item);
}

void TqxPackage::Add(std::string_view name, int32_t value) { Add(name, DecimalText(value)); }

void TqxPackage::Add(std::string_view name, int64_t value) { Add(name, DecimalText(value)); }

void TqxPackage::Add(std::string_view name, double value, int32_t decimals) {
  Add(name, FormatFloat("0." + std::string(static_cast<size_t>(std::max(decimals, 0)), '0'), value));
}

void TqxPackage::Delete(std::string_view name) {
  const auto found = index_.find(name);
  if (found == index_.end()) return;
  const TqxPackageItem* item = found->second;
  index_.erase(found);
  std::erase_if(items_, [item](const std::unique_ptr<TqxPackageItem>& held) { return held.get() == item; });
}

const TqxPackageItem* TqxPackage::Find(std::string_view name) const {
  const auto found = index_.find(name);
  return found != index_.end() ? found->second : nullptr;
}

bool TqxPackage::GetItem(std::string_view name, std::string& value) const {
  const TqxPackageItem* item = Find(name);
  if (item == nullptr) return false;
  value = item->Value;
  return true;
}

bool TqxPackage::GetItem(std::string_view name, int32_t& value) const {
  const TqxPackageItem* item = Find(name);
  return item != nullptr && Convert(TryStrToInt(item->Value), value);
}

bool TqxPackage::GetItem(std::string_view name, int64_t& value) const {
  const TqxPackageItem* item = Find(name);
  return item != nullptr && Convert(TryStrToInt64(item->Value), value);
}

bool TqxPackage::GetItem(std::string_view name, double& value) const {
  const TqxPackageItem* item = Find(name);
  return item != nullptr && Convert(TryStrToFloat(item->Value), value);
}

void TqxPackage::GetItemName(int32_t index, std::string& name) const {
  if (index >= 0 && index < Count()) name = Item(index).Name;
}

bool TqxPackage::GetItemValue(int32_t index, std::string& value) const {
  if (index < 0 || index >= Count()) return false;
  return GetItem(Item(index).Name, value);
}

void TqxPackage::GetFirstItem(std::string_view text, std::string& name, std::string& rest, std::string& value) {
  const TaggedItemView item = SplitFirstTaggedItem(text);
  name.assign(item.name);
  value.assign(item.value);
  rest.assign(item.rest);
}

void TqxPackage::Parse(std::string_view text) {
  // Each pass drops at least two bytes, so this ends on any input.
  while (!text.empty()) {
    const TaggedItemView item = SplitFirstTaggedItem(text);
    Add(item.name, item.value);
    text = item.rest;
  }
}

std::string TqxPackage::GetText() const {
  size_t length = 0;
  for (const auto& item : items_) length += 2 * item->Name.size() + item->Value.size() + 5;
  std::string text;
  text.reserve(length);
  for (const auto& item : items_) {
    text += '<';
    text += item->Name;
    text += '>';
    text += item->Value;
    text += "</";
    text += item->Name;
    text += '>';
  }
  return text;
}

void TqxPackage::Output() const {
  for (const auto& item : items_) ShowMessageBox(item->Name + " -- " + item->Value, "", kMbOk);
  ShowMessageBox(GetText(), "", kMbOk);
}

void TqxPackage::Clear() {
  index_.clear();
  items_.clear();
}

}  // namespace ruzi
