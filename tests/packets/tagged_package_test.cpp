// The tagged string package: splitting arithmetic on well-formed and malformed text, the
// linear reader against the first-item search it replaced, replacement in place, conversions,
// random round trips (Output through the message sink among the known answers).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "dialogs/message_sink.h"
#include "packets/tagged_item_reader.h"
#include "packets/tagged_package.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

Items ItemsOf(const TqxPackage& package) {
  Items items;
  for (int32_t i = 0; i < package.Count(); ++i) items.emplace_back(package.Item(i).Name, package.Item(i).Value);
  return items;
}

using Split = std::tuple<std::string, std::string, std::string>;  // name, value, rest

template <typename Number>
std::string Read(const std::string& text, const std::string& name) {
  Number number{};
  if (!TqxPackage(text).GetItem(name, number)) return "no";
  if constexpr (std::is_integral_v<Number>) return std::to_string(number);
  else return testing::Num(number);
}

TEST(TaggedPackage, KnownAnswers) {
  const std::map<std::string, testing::Answer> functions = {
      {"FirstItem", [](auto& a) {
         std::string name, rest, value;
         TqxPackage::GetFirstItem(a[0], name, rest, value);
         return name + "|" + value + "|" + rest;
       }},
      {"Items", [](auto& a) {
         std::string items;
         for (const auto& [name, value] : ItemsOf(TqxPackage(a[0]))) items += (items.empty() ? "" : "|") + name + "=" + value;
         return items;
       }},
      {"Int", [](auto& a) { return Read<int32_t>(a[0], a[1]); }},
      {"Int64", [](auto& a) { return Read<int64_t>(a[0], a[1]); }},
      {"Double", [](auto& a) { return Read<double>(a[0], a[1]); }},
      {"AddReal", [](auto& a) {
         TqxPackage package;
         package.Add("r", std::stod(a[0]), std::stoi(a[1]));
         std::string text;
         package.GetItem("r", text);
         return text;
       }},
      {"Text", [](auto& a) { return TqxPackage(a[0]).GetText(); }},
      {"Output", [](auto& a) {  // the boxes shown, apart by "|"
         std::string shown;
         ScopedMessageSink sink([&](std::string_view text, std::string_view, unsigned flags) {
           shown += (shown.empty() ? "" : "|") + std::string(text) + (flags == kMbOk ? "" : " (not an OK box)");
           return kIdOk;
         });
         TqxPackage(a[0]).Output();
         return shown;
       }},
  };
  for (const char* file : {"tagged_package.txt", "pack_answers.txt"}) testing::CheckAnswers(file, functions);
}

// The splitting as first written: search the rest of the text again for every item (quadratic
// when tags stay open), positions as Copy(Text, Index, Count) with 1-based Index computes them.
Split ReferenceFirstItem(std::string_view text) {
  const auto copy = [](std::string_view from, int64_t index, int64_t count) {
    index = std::max<int64_t>(index, 1);
    const int64_t length = static_cast<int64_t>(from.size());
    if (index > length || count <= 0) return std::string();
    return std::string(from.substr(static_cast<size_t>(index - 1), static_cast<size_t>(std::min(count, length - index + 1))));
  };
  const size_t open = text.find('<');
  const std::string_view tail = open == std::string_view::npos ? text : text.substr(open + 1);
  const size_t close = tail.find('>');
  const std::string name(close == std::string_view::npos ? std::string_view() : tail.substr(0, close));
  const std::string closing = "</" + name + ">";
  const size_t found = tail.find(closing);
  const int64_t q = found == std::string_view::npos ? 0 : static_cast<int64_t>(found) + 1;
  const int64_t name_length = static_cast<int64_t>(name.size());
  return {name, copy(tail, name_length + 2, q - name_length - 2), copy(tail, q + static_cast<int64_t>(closing.size()), INT64_MAX)};
}

// Random texts over the bytes tags are made of, with names repeated, nested, left open and
// closed out of order: the reader splits every item exactly where the old search did, whether
// it looks for closing tags directly, through its index from the start, or switches on the way,
// and a parsed package holds what the old loop added.
TEST(TaggedPackage, ReaderSplitsAsTheFirstItemSearchDid) {
  std::mt19937 random(23);
  const std::vector<std::string> pieces = {"<",   ">",    "</",   "a",    "b",   "x",   "<a>", "</a>", "<b>",
                                           "</b>", "<ab>", "</ab>", "</>", "<>",  "a</", "<a<b>", "</a<b>"};
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (size_t count = random() % 24; count > 0; --count) text += pieces[random() % pieces.size()];
    std::vector<Split> expected;
    TqxPackage model;
    for (std::string rest = text; !rest.empty(); rest = std::get<2>(expected.back())) {
      expected.push_back(ReferenceFirstItem(rest));
      model.Add(std::get<0>(expected.back()), std::get<1>(expected.back()));
    }
    for (size_t direct_search_bytes : {size_t{0}, text.size() / 2, SIZE_MAX}) {
      TaggedItemReader reader(text, direct_search_bytes);
      TaggedItemView item;
      for (const Split& split : expected) {
        ASSERT_TRUE(reader.Next(item)) << text;
        ASSERT_EQ((Split{std::string(item.name), std::string(item.value), std::string(item.rest)}), split) << text;
      }
      ASSERT_FALSE(reader.Next(item)) << text;
    }
    ASSERT_EQ(ItemsOf(TqxPackage(text)), ItemsOf(model)) << text;
  }
}

// Numbers, a text of items merged in (its repeated name replacing in place), a deleted name
// added again at the end, indexes out of range, Clear.
TEST(TaggedPackage, AddFormsIndexesAndClear) {
  TqxPackage package;
  package.Add("a", "x");
  package.Add("b", int32_t{-5});
  package.Add("c", int64_t{9000000000});
  package.Add("<d>4</d><a>z</a>");
  package.Delete("b");
  package.Add("b", "again");
  EXPECT_EQ(package.GetText(), "<a>z</a><c>9000000000</c><d>4</d><b>again</b>");
  std::string name = "keep", value = "keep";
  for (int32_t index : {4, -1}) {
    package.GetItemName(index, name);
    EXPECT_FALSE(package.GetItemValue(index, value));
  }
  EXPECT_EQ(name + value, "keepkeep");
  package.GetItemName(3, name);
  EXPECT_TRUE(package.GetItemValue(1, value));
  EXPECT_EQ(name + "=" + value, "b=9000000000");
  package.Clear();
  EXPECT_EQ(package.Count(), 0);
  EXPECT_EQ(package.GetText(), "");
}

// Add, Delete and lookups against a plain vector searched front to back; now and then the
// text is parsed again and must give the same items and the same text. Names without '<' or
// '>' (GBK bytes among them), values that may hold tags but never their own closing tag.
TEST(TaggedPackage, RandomEditsAgreeWithALinearModelAndRoundTripThroughText) {
  std::mt19937 random(5);
  const std::string name_bytes = "abcXYZ_09\xB4\xFA\xC2\xEB";  // with the GBK bytes of "代码"
  const std::string value_bytes = "ab<>/ \x01\xB4\xFA";
  TqxPackage package;
  Items model;
  for (int step = 0; step < 20000; ++step) {
    std::string name(1 + random() % 2, ' '), value(random() % 10, ' ');
    for (char& c : name) c = name_bytes[random() % name_bytes.size()];
    for (char& c : value) c = value_bytes[random() % value_bytes.size()];
    auto same = std::find_if(model.begin(), model.end(), [&](const auto& item) { return item.first == name; });
    switch (random() % 3) {
      case 0:
        if (value.find("</" + name + ">") != std::string::npos) break;
        package.Add(name, value);
        if (same != model.end()) same->second = value;
        else model.emplace_back(name, value);
        break;
      case 1:
        package.Delete(name);
        if (same != model.end()) model.erase(same);
        break;
      default: {
        std::string found_value = "none";
        const bool found = package.GetItem(name, found_value);
        ASSERT_EQ(found, same != model.end()) << step;
        ASSERT_EQ(found_value, found ? same->second : "none") << step;
      }
    }
    if (step % 100 == 0) {
      ASSERT_EQ(ItemsOf(package), model);
      const std::string text = package.GetText();
      TqxPackage parsed(text);
      ASSERT_EQ(ItemsOf(parsed), model) << text;
      ASSERT_EQ(parsed.GetText(), text);
    }
  }
}

}  // namespace
}  // namespace ruzi
