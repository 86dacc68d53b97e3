// The file-backed lists: the exact file bytes, a round trip through the events, the version
// rule that puts a stale file aside, and the release of data blocks through OnFreeData.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fnd_fake_clock.h"
#include "foundation/f_order_list.h"
#include "foundation/f_str_order_list.h"
#include "platform/file_system.h"
#include "test_paths.h"

namespace ruzi {
namespace {

platform::FileSystem& Files() { return platform::SystemFileSystem(); }

std::string KeyText(int32_t key) { return std::to_string(key); }
std::string KeyText(const std::string& key) { return key; }
void ReadKey(const std::string& text, int32_t& key) { key = std::stoi(text); }
void ReadKey(const std::string& text, std::string& key) { key = text; }

// Data blocks are heap strings; the events turn them into "key=value" lines and back.
template <typename Key, typename List>
void WireStrings(List& list, std::multiset<std::string>* freed) {
  list.OnSaveItem = [](Key key, void* data, std::string& line) {
    line = KeyText(key) + "=" + *static_cast<std::string*>(data);
  };
  list.OnLoadItem = [](const std::string& line, Key& key, void*& data) {
    const size_t equals = line.find('=');
    ReadKey(line.substr(0, equals), key);
    data = new std::string(line.substr(equals + 1));
  };
  list.OnFreeData = [freed](void* data) {
    auto* text = static_cast<std::string*>(data);
    if (freed != nullptr) freed->insert(*text);
    delete text;
  };
}

TEST(FOrderList, SavesVersionThenEntriesInKeyOrderAndLoadsThemBack) {
  const std::string file = testing::FreshTestFolder("f_order_list_save") + "list.txt";
  std::multiset<std::string> freed;
  {
    TFOrderList list(file, 3);
    WireStrings<int32_t>(list, &freed);
    // The events see the low 32 bits of the last key.
    for (const auto& [key, value] : {std::pair{20LL, "b"}, {-5LL, "a"}, {0x100000007LL, "c"}}) {
      list.Insert(key, new std::string(value));
    }
    list.Save();
    EXPECT_EQ(list.Lines, (std::vector<std::string>{"3", "-5=a", "20=b", "7=c"}));
  }
  EXPECT_EQ(Files().ReadWholeFile(file).value(), "3\r\n-5=a\r\n20=b\r\n7=c\r\n");
  EXPECT_EQ(freed, (std::multiset<std::string>{"a", "b", "c"}));  // the destructor's releases
  // Any line end; a duplicate key is dropped and its block released.
  ASSERT_TRUE(Files().WriteWholeFile(file, "3\r\n9=nine\n2=two\r1=one\r\n2=again\r\n"));
  freed.clear();
  TFOrderList list(file, 3);
  WireStrings<int32_t>(list, &freed);
  list.Load();
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetItems(0)->Key, 1);
  EXPECT_EQ(*static_cast<std::string*>(list.GetItems(1)->Data), "two");  // the first "2" wins
  EXPECT_EQ(list.GetItems(2)->Key, 9);
  EXPECT_EQ(freed, (std::multiset<std::string>{"again"}));
  EXPECT_TRUE(list.Delete(9));
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(freed, (std::multiset<std::string>{"again", "nine", "one", "two"}));
}

TEST(FOrderList, OtherVersionIsPutAsideMissingFileLoadsNothingBadVersionIsZero) {
  const std::string folder = testing::FreshTestFolder("f_order_list_version");
  const std::string file = folder + "list.txt";
  ASSERT_TRUE(Files().WriteWholeFile(file, "2\r\n1=x\r\n"));
  testing::FakeClock clock({2026, 1, 9, 7, 5, 3, 999});
  TFOrderList list(file, 3, Files(), clock);
  WireStrings<int32_t>(list, nullptr);
  list.Load();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_FALSE(Files().FileExists(file));
  EXPECT_EQ(Files().ReadWholeFile(file + ".20260109070503").value(), "2\r\n1=x\r\n");
  list.Save();
  EXPECT_EQ(Files().ReadWholeFile(file).value(), "3\r\n");
  TFOrderList absent(folder + "none.txt", 0);
  absent.Load();
  EXPECT_EQ(absent.GetCount(), 0);
  EXPECT_FALSE(Files().FileExists(folder + "none.txt"));
  // "abc" is not a number: version 0, which this list expects, so the lines load.
  ASSERT_TRUE(Files().WriteWholeFile(folder + "zero.txt", "abc\r\n5=five\r\n"));
  TFOrderList zero(folder + "zero.txt", 0);
  WireStrings<int32_t>(zero, nullptr);
  zero.Load();
  EXPECT_EQ(zero.GetCount(), 1);
}
TEST(FStrOrderList, RoundTripWithStringKeys) {
  const std::string file = testing::FreshTestFolder("f_str_order_list") + "names.txt";
  std::multiset<std::string> freed;
  {
    TFStrOrderList list(file, 7);
    WireStrings<std::string>(list, &freed);
    // GBK text after ASCII.
    for (const auto& [key, value] : {std::pair{"b", "2"}, {"B", "1"}, {"\xD6\xD0", "3"}}) list.Insert(key, new std::string(value));
    list.Save();
  }
  EXPECT_EQ(Files().ReadWholeFile(file).value(), "7\r\nB=1\r\nb=2\r\n\xD6\xD0=3\r\n");
  EXPECT_EQ(freed, (std::multiset<std::string>{"1", "2", "3"}));
  TFStrOrderList again(file, 7);
  WireStrings<std::string>(again, nullptr);
  again.Load();
  ASSERT_EQ(again.GetCount(), 3);
  EXPECT_EQ(again.GetItems(2)->Key, "\xD6\xD0");
  EXPECT_EQ(*static_cast<std::string*>(again.GetItems(2)->Data), "3");
}

}  // namespace
}  // namespace ruzi
