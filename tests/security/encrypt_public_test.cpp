#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "registry_gate.h"
#include "security/des_key.h"
#include "security/encrypt_public.h"
#include "security/encrypt_switches.h"
#include "security/sm_encrypt.h"

namespace ruzi {
namespace {

bool IsUpperHex(const std::string& text) { return text.find_first_not_of("0123456789ABCDEF") == std::string::npos; }

// This test executable exports no GetIsUseSM: the facade enciphers with DES. On the way back
// the length of the text chooses the cipher, whatever the host chose; DES text is trimmed first.
TEST(EncryptFacade, DesWithoutTheHostExportAndDecryptionByTextLength) {
  EXPECT_FALSE(is_use_sm());
  const std::string des = qxEncryptEx(3, "cfgkey", "stored", etEncrypt);
  EXPECT_EQ(des, Encrypt3DES(3, "cfgkey", "stored", etEncrypt));
  EXPECT_EQ(qxDecryptEx(3, "cfgkey", des, etEncrypt), "stored");
  EXPECT_EQ(qxDecryptEx(3, "cfgkey", EncryptSM4(3, "cfgkey", "stored", etEncrypt), etEncrypt), "stored");
  EXPECT_EQ(Decrypt3DES(3, "cfgkey", "  " + des + "\t\r\n", etEncrypt), "stored");
  EXPECT_EQ(Decrypt3DES(2, "key", " \t ", etEncrypt), "");
  EXPECT_EQ(qxDecryptEx(2, "key", "", etEncrypt), "");
}

// Random keys and texts up to sixteen bytes round-trip through every text cipher. Key type 0
// takes the key string as it is; 1 to 4 the derived key; the two never agree.
TEST(EncryptFacade, RandomTextsRoundTripUnderEveryKeyType) {
  std::mt19937 random(31);
  for (int type = 0; type <= 4; ++type) {
    for (int trial = 0; trial < 80; ++trial) {
      std::string key(random() % 16, '\0'), plain(random() % 17, '\0');
      for (char& c : key) c = static_cast<char>(random() % 255 + 1);
      for (char& c : plain) c = static_cast<char>(random() % 255 + 1);
      const std::string sm4 = EncryptSM4(type, key, plain, etEncrypt);
      ASSERT_EQ(sm4.size(), 64u);
      ASSERT_EQ(sm4.find_first_not_of("0123456789abcdef"), std::string::npos);
      ASSERT_EQ(DecryptSM4(type, key, sm4, etEncrypt), plain);
      std::string upper = sm4;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      ASSERT_EQ(DecryptSM4(type, key, upper, etEncrypt), plain);
      const std::string des = Encrypt3DES(type, key, plain, etEncrypt);
      ASSERT_EQ(des.size(), 32u);
      ASSERT_TRUE(IsUpperHex(des));
      ASSERT_EQ(Decrypt3DES(type, key, des, etEncrypt), plain);
      const std::string working = type == 0 ? key : GetDESKey(type, key);
      ASSERT_EQ(sm4, SM4_Encrypt(working, plain));
      ASSERT_EQ(des, des3_encrypt(working, plain));
    }
  }
  EXPECT_NE(EncryptSM4(0, "abc", "p", etEncrypt), EncryptSM4(1, "abc", "p", etEncrypt));
}

TEST(EncryptFacade, PasswordHashIsSm3OfTheSm4Text) {
  const std::string hash = qxNewEncrypt("user", "password");
  EXPECT_EQ(hash, SM3_Digest(SM4_Encrypt(GetDESKey(3, "user"), "password")));
  EXPECT_EQ(hash.size(), 64u);
  EXPECT_NE(hash, qxNewEncrypt("user", "passwore"));
  EXPECT_NE(hash, qxNewEncrypt("usex", "password"));
  EXPECT_EQ(SM3Digest("abc"), SM3_Digest("abc"));
}

TEST(EncryptFacade, CBufferEntries) {
  char out[33];
  ASSERT_EQ(qxspecial("key", "pw", out), 0);
  char back[17];
  ASSERT_EQ(qxunspecial("key", out, back), 0);
  EXPECT_STREQ(back, "pw");
  EXPECT_EQ(qxspecial("key", std::string(17, 'p').c_str(), out), -1);
  EXPECT_EQ(qxunspecial("key", "ABC", back), -1);
}

// One test, so that no other test process changes the switch meanwhile (under Wine the
// registry is shared by every process of the prefix).
TEST(RegistryGate, SwitchDecidesForEtNoneOnly) {
  testing::DisableEncryptSwitch disable_encrypt;
  disable_encrypt.Set("Yes");
  EXPECT_FALSE(CheckDisableEncrypt());
  EXPECT_EQ(qxEncryptEx(1, "key", "plain", etNone), "plain");
  EXPECT_EQ(qxDecryptEx(1, "key", "plain", etNone), "plain");
  EXPECT_EQ(EncryptSM4(1, "key", "plain", etNone), "plain");
  const std::string cipher = qxEncryptEx(1, "key", "plain", etEncrypt);
  EXPECT_EQ(cipher.size(), 32u);
  EXPECT_EQ(qxDecryptEx(1, "key", cipher, etEncrypt), "plain");

  // Anything but exactly "Yes" keeps enciphering, read afresh on every call.
  for (const char* value : {"yes", "YES", "Yes ", "No", "", "1"}) {
    disable_encrypt.Set(value);
    EXPECT_TRUE(CheckDisableEncrypt()) << value;
    const std::string text = qxEncryptEx(1, "key", "plain", etNone);
    EXPECT_EQ(text.size(), 32u) << value;
    EXPECT_EQ(qxDecryptEx(1, "key", text, etNone), "plain");
    disable_encrypt.Set("Yes");
    EXPECT_EQ(Encrypt3DES(1, "k", "p", etNone), "p");
  }
  disable_encrypt.Remove();
  EXPECT_TRUE(CheckDisableEncrypt());
  EXPECT_EQ(Encrypt3DES(1, "k", "p", etNone).size(), 32u);
}

TEST(EncryptFacadeGate, DisableEncryptNeverTouchesTheText) {
  for (const std::string& text : {std::string("plain"), std::string(64, 'a'), std::string(32, 'A'),
                                  std::string(20, 'x'), std::string(40, 'y')}) {
    EXPECT_EQ(qxEncryptEx(1, "key", text, etDisableEncrypt), text);
    EXPECT_EQ(qxDecryptEx(1, "key", text, etDisableEncrypt), text);
    EXPECT_EQ(Decrypt3DES(9, std::string(30, 'k'), text, etDisableEncrypt), text);
  }
}

TEST(EncryptFacadeGate, MissingKeyMeansEncipheringIsOn) {
  if (platform::RegistryKey::Open(platform::RegistryRoot::CurrentUser, "Software\\Trade\\Login").IsOpen()) {
    GTEST_SKIP() << "the key exists in this registry";
  }
  EXPECT_TRUE(CheckDisableEncrypt());
  EXPECT_EQ(qxEncryptEx(1, "key", "plain", etNone).size(), 32u);
}

}  // namespace
}  // namespace ruzi
