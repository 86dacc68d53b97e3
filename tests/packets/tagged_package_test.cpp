// The tagged string package: splitting arithmetic on well-formed and malformed text, the
// linear reader against the first-item search it replaced, replacement in place, conversions,
// Output through the message sink, random round trips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/message_sink.h"
#include "packets/tagged_item_reader.h"
#include "packets/tagged_package.h"

namespace ruzi {
namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

Items ItemsOf(const TqxPackage& package) {
  Items items;
  for (int32_t i = 0; i < package.Count(); ++i) items.emplace_back(package.Item(i).Name, package.Item(i).Value);
  return items;
}

struct Split {
  std::string name, value, rest;
  bool operator==(const Split&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Split& split) {
  return out << "{" << split.name << "|" << split.value << "|" << split.rest << "}";
}

Split FirstItem(const std::string& text) {
  Split split;
  TqxPackage::GetFirstItem(text, split.name, split.rest, split.value);
  return split;
}

TEST(TaggedPackage, GetFirstItemPositions) {
  EXPECT_EQ(FirstItem("<ErrCode>0</ErrCode><ErrMsg></ErrMsg>"), (Split{"ErrCode", "0", "<ErrMsg></ErrMsg>"}));
  EXPECT_EQ(FirstItem("xyz<a>1</a>"), (Split{"a", "1", ""}));
  EXPECT_EQ(FirstItem("<a>x</b>y</a>z"), (Split{"a", "x</b>y", "z"}));
  EXPECT_EQ(FirstItem("<a><b>1</b></a><c>2</c>"), (Split{"a", "<b>1</b>", "<c>2</c>"}));
  // Malformed text splits where the positions fall.
  EXPECT_EQ(FirstItem("<a>1"), (Split{"a", "", ""}));
  EXPECT_EQ(FirstItem("<a>123456"), (Split{"a", "", "23456"}));  // rest from position 4 of "a>123456"
  EXPECT_EQ(FirstItem("abc"), (Split{"", "", "c"}));
  EXPECT_EQ(FirstItem("<abcd"), (Split{"", "", "cd"}));
  EXPECT_EQ(FirstItem("<>v</>r"), (Split{"", "v", "r"}));
  EXPECT_EQ(FirstItem("<a<b>1</a<b>"), (Split{"a<b", "1", ""}));
  EXPECT_EQ(FirstItem("<"), (Split{"", "", ""}));
  EXPECT_EQ(FirstItem(""), (Split{"", "", ""}));
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
    for (std::string rest = text; !rest.empty(); rest = expected.back().rest) {
      expected.push_back(ReferenceFirstItem(rest));
      model.Add(expected.back().name, expected.back().value);
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

TEST(TaggedPackage, ParseTheDocumentedTexts) {
  TqxPackage reply("<ErrCode>0</ErrCode><ErrMsg></ErrMsg>");
  int32_t code = -1;
  std::string message = "untouched";
  EXPECT_TRUE(reply.GetItem("ErrCode", code));
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(reply.GetItem("ErrMsg", message));
  EXPECT_EQ(message, "");
  EXPECT_FALSE(reply.GetItem("WarnCode", code));
  EXPECT_FALSE(reply.GetItem("errcode", code));  // names are case-sensitive

  const std::string nested = "<a><b>1</b></a><c>2</c>";
  TqxPackage package(nested);
  EXPECT_EQ(ItemsOf(package), (Items{{"a", "<b>1</b>"}, {"c", "2"}}));
  EXPECT_EQ(package.GetText(), nested);
  TqxPackage inner(package.Item(0).Value);
  EXPECT_EQ(ItemsOf(inner), (Items{{"b", "1"}}));

  EXPECT_EQ(ItemsOf(TqxPackage("xyz<a>1</a>")), (Items{{"a", "1"}}));
  EXPECT_EQ(ItemsOf(TqxPackage("<a>1")), (Items{{"a", ""}}));
  // Garbage yields an empty-named item that later passes overwrite.
  EXPECT_EQ(ItemsOf(TqxPackage("<abcdef")), (Items{{"", ""}}));
  EXPECT_EQ(ItemsOf(TqxPackage("ab")), (Items{{"", ""}}));
}

TEST(TaggedPackage, AddReplacesInPlaceAndDeleteRemoves) {
  TqxPackage package;
  package.Add("a", "x");
  package.Add("b", int32_t{-5});
  package.Add("c", int64_t{9000000000});
  package.Add("a", "y");
  EXPECT_EQ(ItemsOf(package), (Items{{"a", "y"}, {"b", "-5"}, {"c", "9000000000"}}));
  package.Add("<d>4</d><a>z</a>");
  EXPECT_EQ(ItemsOf(package), (Items{{"a", "z"}, {"b", "-5"}, {"c", "9000000000"}, {"d", "4"}}));
  package.Delete("b");
  package.Delete("missing");
  EXPECT_EQ(package.GetText(), "<a>z</a><c>9000000000</c><d>4</d>");
  package.Add("b", "again");
  EXPECT_EQ(package.GetText(), "<a>z</a><c>9000000000</c><d>4</d><b>again</b>");
  std::string name = "keep";
  package.GetItemName(5, name);
  EXPECT_EQ(name, "keep");
  package.GetItemName(-1, name);
  EXPECT_EQ(name, "keep");
  package.GetItemName(3, name);
  EXPECT_EQ(name, "b");
  std::string value;
  EXPECT_TRUE(package.GetItemValue(1, value));
  EXPECT_EQ(value, "9000000000");
  EXPECT_FALSE(package.GetItemValue(4, value));
  package.Clear();
  EXPECT_EQ(package.Count(), 0);
  EXPECT_EQ(package.GetText(), "");
}

TEST(TaggedPackage, NumbersOnReadAndWrite) {
  TqxPackage package("<n>abc</n><h>$1F</h><neg>-12</neg><big>9000000000</big><f>1.5E2</f><s> 7</s>");
  int32_t number = 77;
  EXPECT_FALSE(package.GetItem("n", number));
  EXPECT_EQ(number, 77);
  EXPECT_TRUE(package.GetItem("h", number));
  EXPECT_EQ(number, 31);
  EXPECT_TRUE(package.GetItem("neg", number));
  EXPECT_EQ(number, -12);
  EXPECT_FALSE(package.GetItem("big", number));  // does not fit 32 bits
  int64_t wide = 0;
  EXPECT_TRUE(package.GetItem("big", wide));
  EXPECT_EQ(wide, 9000000000);
  double real = 0;
  EXPECT_TRUE(package.GetItem("f", real));
  EXPECT_DOUBLE_EQ(real, 150.0);
  EXPECT_FALSE(package.GetItem("n", real));
  EXPECT_TRUE(package.GetItem("s", number));
  EXPECT_EQ(number, 7);

  package.Add("pi", 3.14159, 2);
  package.Add("half", 2.5, 0);
  package.Add("pad", 1.0, 3);
  std::string text;
  ASSERT_TRUE(package.GetItem("pi", text));
  EXPECT_EQ(text, "3.14");
  ASSERT_TRUE(package.GetItem("half", text));
  EXPECT_EQ(text, "3");
  ASSERT_TRUE(package.GetItem("pad", text));
  EXPECT_EQ(text, "1.000");
}

TEST(TaggedPackage, OutputShowsEachItemThenTheText) {
  std::vector<std::pair<std::string, unsigned>> shown;
  ScopedMessageSink sink([&](std::string_view text, std::string_view, unsigned flags) {
    shown.emplace_back(std::string(text), flags);
    return kIdOk;
  });
  TqxPackage("<ErrCode>-1</ErrCode><ErrMsg>服务名不能为空</ErrMsg>").Output();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].first, "ErrCode -- -1");
  EXPECT_EQ(shown[1].first, "ErrMsg -- 服务名不能为空");
  EXPECT_EQ(shown[2].first, "<ErrCode>-1</ErrCode><ErrMsg>服务名不能为空</ErrMsg>");
  EXPECT_EQ(shown[0].second, kMbOk);
}

// Names without '<' or '>', values that may hold tags but never their own closing tag.
TEST(TaggedPackage, RandomPackagesRoundTripThroughText) {
  std::mt19937 random(11);
  const std::string name_bytes = "abcXYZ_09\xB4\xFA\xC2\xEB";  // with the GBK bytes of "代码"
  const std::string value_bytes = "ab<>/ \x01\xB4\xFA";
  for (int round = 0; round < 500; ++round) {
    Items model;
    TqxPackage package;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
      std::string name(1 + random() % 4, ' ');
      for (char& c : name) c = name_bytes[random() % name_bytes.size()];
      std::string value(random() % 10, ' ');
      for (char& c : value) c = value_bytes[random() % value_bytes.size()];
      if (value.find("</" + name + ">") != std::string::npos) continue;
      package.Add(name, value);
      auto same = std::find_if(model.begin(), model.end(), [&](const auto& item) { return item.first == name; });
      if (same != model.end()) same->second = value;
      else model.emplace_back(name, value);
    }
    ASSERT_EQ(ItemsOf(package), model);
    const std::string text = package.GetText();
    TqxPackage parsed(text);
    ASSERT_EQ(ItemsOf(parsed), model) << text;
    ASSERT_EQ(parsed.GetText(), text);
  }
}

// Add, Delete and lookups against a plain vector searched front to back.
TEST(TaggedPackage, RandomEditsAgreeWithALinearModel) {
  std::mt19937 random(5);
  TqxPackage package;
  Items model;
  for (int step = 0; step < 20000; ++step) {
    const std::string name = "k" + std::to_string(random() % 40);
    auto same = std::find_if(model.begin(), model.end(), [&](const auto& item) { return item.first == name; });
    switch (random() % 3) {
      case 0: {
        const std::string value = std::to_string(step);
        package.Add(name, value);
        if (same != model.end()) same->second = value;
        else model.emplace_back(name, value);
        break;
      }
      case 1:
        package.Delete(name);
        if (same != model.end()) model.erase(same);
        break;
      default: {
        std::string value = "none";
        const bool found = package.GetItem(name, value);
        ASSERT_EQ(found, same != model.end()) << step;
        ASSERT_EQ(value, found ? same->second : "none") << step;
      }
    }
  }
  EXPECT_EQ(ItemsOf(package), model);
}

}  // namespace
}  // namespace ruzi
