// Random inputs through our ciphers and through OpenSSL's EVP (DES from its legacy provider):
// 100,000 comparisons per algorithm, no mismatch allowed.
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "security/d3des.h"
#include "security/des_block.h"
#include "security/sm3.h"
#include "security/sm4.h"

namespace ruzi {
namespace {

constexpr int kComparisons = 100000;

struct CipherContextDeleter {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
struct CipherDeleter {
  void operator()(EVP_CIPHER* cipher) const { EVP_CIPHER_free(cipher); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter>;
using Cipher = std::unique_ptr<EVP_CIPHER, CipherDeleter>;

class OpenSsl : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    legacy_ = OSSL_PROVIDER_load(nullptr, "legacy");
    default_ = OSSL_PROVIDER_load(nullptr, "default");
  }
  static void TearDownTestSuite() {
    OSSL_PROVIDER_unload(legacy_);
    OSSL_PROVIDER_unload(default_);
  }

  template <typename Ours>
  int CountEcbMismatches(const char* name, size_t key_size, size_t block_size, Ours ours);

  std::mt19937_64 random_{20261206};
  void Fill(unsigned char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(random_());
  }

  static OSSL_PROVIDER* legacy_;
  static OSSL_PROVIDER* default_;
};

OSSL_PROVIDER* OpenSsl::legacy_ = nullptr;
OSSL_PROVIDER* OpenSsl::default_ = nullptr;

TEST_F(OpenSsl, Sm3) {
  EVP_MD* md = EVP_MD_fetch(nullptr, "SM3", nullptr);
  ASSERT_NE(md, nullptr);
  std::vector<unsigned char> message(300);
  int mismatches = 0;
  for (int i = 0; i < kComparisons; ++i) {
    const size_t length = random_() % message.size();
    Fill(message.data(), length);
    unsigned char ours[32], theirs[32];
    unsigned int theirs_size = 0;
    Sm3Hash(message.data(), length, ours);
    ASSERT_EQ(EVP_Digest(message.data(), length, theirs, &theirs_size, md, nullptr), 1);
    ASSERT_EQ(theirs_size, 32u);
    if (std::memcmp(ours, theirs, 32) != 0) ++mismatches;
  }
  EVP_MD_free(md);
  EXPECT_EQ(mismatches, 0);
}

// One block per comparison, enciphering and deciphering in turn, each under a fresh random key.
template <typename Ours>
int OpenSsl::CountEcbMismatches(const char* name, size_t key_size, size_t block_size, Ours ours) {
  Cipher cipher(EVP_CIPHER_fetch(nullptr, name, nullptr));
  EXPECT_NE(cipher, nullptr) << name << " (DES needs OpenSSL's legacy provider)";
  if (cipher == nullptr) return -1;
  CipherContext context(EVP_CIPHER_CTX_new());
  int mismatches = 0;
  unsigned char key[16], block[16], mine[16], theirs[16];
  for (int i = 0; i < kComparisons; ++i) {
    Fill(key, key_size);
    Fill(block, block_size);
    const bool encrypt = i % 2 == 0;
    ours(key, encrypt, block, mine);
    EVP_CipherInit_ex2(context.get(), cipher.get(), key, nullptr, encrypt ? 1 : 0, nullptr);
    EVP_CIPHER_CTX_set_padding(context.get(), 0);
    int written = 0;
    if (EVP_CipherUpdate(context.get(), theirs, &written, block, static_cast<int>(block_size)) != 1 ||
        std::memcmp(mine, theirs, block_size) != 0) {
      ++mismatches;
    }
  }
  return mismatches;
}

TEST_F(OpenSsl, Sm4Ecb) {
  auto ours = [](const unsigned char* key, bool encrypt, const unsigned char* in, unsigned char* out) {
    Sm4RoundKeys keys;
    Sm4ExpandKey(key, encrypt ? Sm4Direction::Encipher : Sm4Direction::Decipher, keys);
    Sm4CryptBlock(keys, in, out);
  };
  EXPECT_EQ(CountEcbMismatches("SM4-ECB", 16, 16, ours), 0);
}

TEST_F(OpenSsl, SingleDes) {
  auto ours = [](const unsigned char* key, bool encrypt, const unsigned char* in, unsigned char* out) {
    DesSchedule schedule;
    MakeDesSchedule(key, encrypt ? EN0 : DE1, schedule);
    DesCryptBlock(schedule, in, out);
  };
  EXPECT_EQ(CountEcbMismatches("DES-ECB", 8, 8, ours), 0);
}

// D2des = single DES (first key) on both halves, exchange of bytes 4-7 with 8-11, single DES
// deciphering under the second key, the exchange again, the first key once more.
TEST_F(OpenSsl, DoubleBlockModeIsThreeSingleDesPassesWithTwoExchanges) {
  Cipher cipher(EVP_CIPHER_fetch(nullptr, "DES-ECB", nullptr));
  ASSERT_NE(cipher, nullptr) << "DES needs OpenSSL's legacy provider";
  CipherContext first(EVP_CIPHER_CTX_new()), second(EVP_CIPHER_CTX_new());
  std::lock_guard guard(DesEngineLock());
  int mismatches = 0;
  for (int i = 0; i < kComparisons; ++i) {
    unsigned char key[16], data[16], ours[16], theirs[16];
    Fill(key, 16);
    Fill(data, 16);
    const bool encrypt = i % 2 == 0;
    des2key(key, encrypt ? EN0 : DE1);
    D2des(data, ours);
    ASSERT_EQ(EVP_CipherInit_ex2(first.get(), cipher.get(), key, nullptr, encrypt ? 1 : 0, nullptr), 1);
    ASSERT_EQ(EVP_CipherInit_ex2(second.get(), cipher.get(), key + 8, nullptr, encrypt ? 0 : 1, nullptr), 1);
    EVP_CIPHER_CTX_set_padding(first.get(), 0);
    EVP_CIPHER_CTX_set_padding(second.get(), 0);
    std::memcpy(theirs, data, 16);
    int written = 0;
    auto exchange = [&] {
      unsigned char middle[4];
      std::memcpy(middle, theirs + 4, 4);
      std::memcpy(theirs + 4, theirs + 8, 4);
      std::memcpy(theirs + 8, middle, 4);
    };
    ASSERT_EQ(EVP_CipherUpdate(first.get(), theirs, &written, theirs, 16), 1);
    exchange();
    ASSERT_EQ(EVP_CipherUpdate(second.get(), theirs, &written, theirs, 16), 1);
    exchange();
    ASSERT_EQ(EVP_CipherUpdate(first.get(), theirs, &written, theirs, 16), 1);
    if (std::memcmp(ours, theirs, 16) != 0) ++mismatches;
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace ruzi
