#include "packets/tagged_package.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "dialogs/message_sink.h"
#include "foundation/format_float.h"
#include "foundation/string_to_number.h"
#include "packets/tagged_item_reader.h"

namespace ruzi {
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
  bool added = false;
  TqxPackageItem* item = index_.FindOrAdd(
      name,
      [&] {
        items_.push_back(std::make_unique<TqxPackageItem>(TqxPackageItem{std::string(name), std::string(value)}));
        return items_.back().get();
      },
      added);
  if (!added) item->Value.assign(value);
}

void TqxPackage::Add(std::string_view name, int32_t value) { Add(name, DecimalText(value)); }

void TqxPackage::Add(std::string_view name, int64_t value) { Add(name, DecimalText(value)); }

void TqxPackage::Add(std::string_view name, double value, int32_t decimals) {
  Add(name, FormatFloat("0." + std::string(static_cast<size_t>(std::max(decimals, 0)), '0'), value));
}

void TqxPackage::Delete(std::string_view name) {
  const TqxPackageItem* item = Find(name);
  if (item == nullptr) return;
  index_.Erase(name);
  std::erase_if(items_, [item](const std::unique_ptr<TqxPackageItem>& held) { return held.get() == item; });
}

const TqxPackageItem* TqxPackage::Find(std::string_view name) const { return index_.Find(name); }

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

TaggedItemView SplitFirstTaggedItem(std::string_view text) {
  TaggedItemView item;
  TaggedItemReader(text).Next(item);
  return item;
}

void TqxPackage::GetFirstItem(std::string_view text, std::string& name, std::string& rest, std::string& value) {
  const TaggedItemView item = SplitFirstTaggedItem(text);
  name.assign(item.name);
  value.assign(item.value);
  rest.assign(item.rest);
}

void TqxPackage::Parse(std::string_view text) {
  TaggedItemReader reader(text);
  for (TaggedItemView item; reader.Next(item);) Add(item.name, item.value);
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
  index_.Clear();
  items_.clear();
}

}  // namespace ruzi
