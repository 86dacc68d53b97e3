#include "security/des_key.h"

#include "foundation/error.h"
#include "security/secure_wipe.h"

namespace ruzi {
namespace {

constexpr size_t kKeyLength = 15;

// One base string per key type (15 bytes and the zero of the 16-byte block). Every base byte
// XOR the second mask has its top bit set, so an empty key string never derives a zero byte.
constexpr unsigned char kBase[4][16] = {
    {0x6b, 0x28, 0x14, 0xb9, 0x2e, 0x4a, 0xb4, 0x64, 0xcb, 0x85, 0x80, 0x46, 0x06, 0x87, 0xf9, 0x00},
    {0x61, 0x6f, 0x48, 0x95, 0x52, 0x02, 0xfe, 0x77, 0x83, 0xe5, 0xb5, 0x77, 0x4c, 0xe7, 0x9a, 0x00},
    {0x54, 0x61, 0x2e, 0x83, 0x3f, 0x60, 0xaa, 0x08, 0xb6, 0xa1, 0xb2, 0x48, 0x53, 0xac, 0xce, 0x00},
    {0x4d, 0x6e, 0x3f, 0xe9, 0x6c, 0x3a, 0xfb, 0x2b, 0xd1, 0xb2, 0xc1, 0x19, 0x4e, 0xd7, 0xa4, 0x00},
};

// The two masks differ in the top bit of every byte used, so a key string of ASCII characters
// never derives a zero byte either (a zero would cut the key short where it is read as a
// zero-terminated string).
constexpr unsigned char kFirstMask[16] = {0x68, 0x2e, 0x13, 0xbc, 0x0c, 0x10, 0xaa, 0x43,
                                          0xe6, 0xc2, 0xe8, 0x29, 0x0f, 0xe5, 0xd2, 0x0a};
constexpr unsigned char kSecondMask[16] = {0xb2, 0x8e, 0xa6, 0x56, 0xb6, 0x8e, 0x5f, 0x8c,
                                           0x29, 0x19, 0x2d, 0xfe, 0xf9, 0x66, 0x08, 0xea};

}  // namespace

std::string GetDESKey(int key_type, std::string_view key) {
  if (key_type < 1 || key_type > 4) throw Error("密钥类型错误");
  if (key.size() > kKeyLength) throw Error("初始密钥长度不能大于15");
  unsigned char block[16];
  ScopedWipe wipe(block, sizeof block);
  for (size_t i = 0; i < sizeof block; ++i) block[i] = kBase[key_type - 1][i];
  for (size_t i = 0; i < key.size(); ++i) block[i] = static_cast<unsigned char>(key[i]) ^ kFirstMask[i];
  std::string result(kKeyLength, '\0');
  for (size_t i = 0; i < kKeyLength; ++i) result[i] = static_cast<char>(block[i] ^ kSecondMask[i]);
  return result;
}

}  // namespace ruzi
