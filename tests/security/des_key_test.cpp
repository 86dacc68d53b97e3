#include <gtest/gtest.h>

#include <random>

#include "security/des_key.h"

namespace ruzi {
namespace {

// A zero byte would cut the key short where it is read as a zero-terminated string: there is
// none for an empty or ASCII key. Byte i of the result depends on key byte i alone where there
// is one, else on the base string.
TEST(DesKey, EachKeyByteReplacesOneBaseByteAndAsciiKeysGiveNoZero) {
  std::mt19937 random(19);
  for (int type = 1; type <= 4; ++type) {
    const std::string base = GetDESKey(type, "");
    ASSERT_EQ(base.size(), 15u);
    EXPECT_EQ(base.find('\0'), std::string::npos) << "type " << type;
    for (int trial = 0; trial < 600; ++trial) {
      const bool ascii = trial % 2 == 0;
      std::string key(random() % 16, '\0');
      for (char& c : key) c = static_cast<char>(ascii ? random() % 128 : random());
      const std::string derived = GetDESKey(type, key);
      ASSERT_EQ(derived.size(), 15u);
      if (ascii) {
        ASSERT_EQ(derived.find('\0'), std::string::npos);
      }
      for (size_t i = key.size(); i < 15; ++i) ASSERT_EQ(derived[i], base[i]);
      if (key.empty()) continue;
      std::string changed = key;
      const size_t at = random() % key.size();
      changed[at] = static_cast<char>(changed[at] ^ 0x5a);
      const std::string other = GetDESKey(type, changed);
      for (size_t i = 0; i < 15; ++i) ASSERT_EQ(other[i] != derived[i], i == at);
      // The same key string under another type only differs beyond the key.
      const std::string next_type = GetDESKey(type % 4 + 1, key);
      ASSERT_EQ(next_type.substr(0, key.size()), derived.substr(0, key.size()));
    }
  }
  for (int a = 1; a <= 4; ++a) {
    for (int b = a + 1; b <= 4; ++b) EXPECT_NE(GetDESKey(a, "x"), GetDESKey(b, "x"));
  }
}

}  // namespace
}  // namespace ruzi
