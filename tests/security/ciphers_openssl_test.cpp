// Random input through our ciphers and through OpenSSL's EVP (DES from its legacy provider):
// 100,000 comparisons per algorithm, enciphering and deciphering in turn, no mismatch allowed.
// Our digest takes each message in random pieces, so that block edges and the padding that
// spills into a second block are crossed at every offset.
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>

#include "sec_cipher_blocks.h"
#include "security/sm3.h"

namespace ruzi {
namespace {

using Block = std::function<void(const unsigned char* key, bool encrypt, unsigned char* data)>;

// One ECB pass of OpenSSL's `name` over `size` bytes, in place.
Block Evp(const char* name, size_t size) {
  std::shared_ptr<EVP_CIPHER> cipher(EVP_CIPHER_fetch(nullptr, name, nullptr), EVP_CIPHER_free);
  std::shared_ptr<EVP_CIPHER_CTX> context(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
  return [cipher, context, size](const unsigned char* key, bool encrypt, unsigned char* data) {
    ASSERT_NE(cipher, nullptr) << "DES needs OpenSSL's legacy provider";
    int written = 0;
    EVP_CipherInit_ex2(context.get(), cipher.get(), key, nullptr, encrypt ? 1 : 0, nullptr);
    EVP_CIPHER_CTX_set_padding(context.get(), 0);
    EXPECT_EQ(EVP_CipherUpdate(context.get(), data, &written, data, static_cast<int>(size)), 1);
  };
}

// The double-block mode is single DES (first key half) on both halves, an exchange of bytes 4-7
// with 8-11, single DES the other way under the second half, the exchange again, the first once more.
Block TheirD2des(const Block& des) {
  return [des](const unsigned char* key, bool encrypt, unsigned char* data) {
    for (int pass = 0; pass < 3; ++pass) {
      if (pass > 0) std::swap_ranges(data + 4, data + 8, data + 8);
      for (unsigned char* half : {data, data + 8}) des(key + (pass == 1 ? 8 : 0), encrypt == (pass != 1), half);
    }
  };
}

TEST(OpenSsl, CiphersAndDigestAgreeOnRandomInput) {
  OSSL_PROVIDER* providers[] = {OSSL_PROVIDER_load(nullptr, "legacy"), OSSL_PROVIDER_load(nullptr, "default")};
  const Block des = Evp("DES-ECB", 8);
  // Name, block size, ours, theirs.
  const std::tuple<const char*, size_t, Block, Block> algorithms[] = {{"SM4", 16, testing::Sm4Block, Evp("SM4-ECB", 16)},
                                                                       {"DES", 8, testing::DesBlock, des},
                                                                       {"D2des", 16, testing::D2desBlock, TheirD2des(des)}};
  EVP_MD* sm3 = EVP_MD_fetch(nullptr, "SM3", nullptr);
  ASSERT_NE(sm3, nullptr);
  std::mt19937_64 random(20261206);
  unsigned char key[16], ours[300 + 32], theirs[300 + 32];
  Sm3 digest;  // one for every message: Finish starts the next
  for (int i = 0; i < 100000; ++i) {
    for (unsigned char& byte : key) byte = static_cast<unsigned char>(random());
    for (unsigned char& byte : ours) byte = static_cast<unsigned char>(random());
    std::memcpy(theirs, ours, sizeof ours);
    for (const auto& [name, size, our_block, their_block] : algorithms) {
      our_block(key, i % 2 == 0, ours);
      their_block(key, i % 2 == 0, theirs);
      ASSERT_EQ(std::memcmp(ours, theirs, size), 0) << name << " comparison " << i;
    }
    const size_t length = random() % 300;
    for (size_t at = 0, piece = 0; at < length; at += piece) digest.Update(ours + at, piece = std::min<size_t>(length - at, random() % 70));
    digest.Finish(ours + length);
    unsigned int digest_size = 0;
    ASSERT_EQ(EVP_Digest(theirs, length, theirs + length, &digest_size, sm3, nullptr), 1);
    ASSERT_EQ(std::memcmp(ours + length, theirs + length, 32), 0) << "SM3 of " << length << " bytes";
  }
  EVP_MD_free(sm3);
  for (OSSL_PROVIDER* provider : providers) OSSL_PROVIDER_unload(provider);
}

}  // namespace
}  // namespace ruzi
