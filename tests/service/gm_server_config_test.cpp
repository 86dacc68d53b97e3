// A server's GM parameters in a server configuration file, with stored credentials of every
// length (the build the file asks for: svc_answers.txt; the file's choice: gm_server_file).
// Deciphering reads the user's DisableEncrypt switch, which the security tests flip: both
// executables hold the same CTest resource lock.
#include <gtest/gtest.h>

#include <fstream>

#include "security/encrypt_public.h"
#include "service/gm_server_config.h"
#include "test_paths.h"

namespace ruzi {
namespace {

// The last 15 characters of SSLFILE below are the credentials' key.
const std::string kSslFile = "certs/sm2/client_sm2_enc.pem";
const std::string kKey = kSslFile.substr(kSslFile.size() - 15);

std::string WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string Section(const std::string& name, const std::string& version, const std::string& address,
                    const std::string& extra = "") {
  const size_t colon = address.rfind(':');
  return "[" + name + "]\nversion=" + version + "\nHOSTIP=" + address.substr(0, colon) +
         "\nHOSTPORT=" + address.substr(colon + 1) + "\nSSLFILE=" + kSslFile + "\n" + extra;
}

TEST(GMServerConfig, GeerParamsOfTheFirstMatchingServer) {
  const std::string dir = testing::FreshTestFolder("gm_geer");
  const std::string des = Encrypt3DES(3, kKey, "sks-user", etEncrypt);
  const std::string sm4 = EncryptSM4(3, kKey, "sks-pass", etEncrypt);
  ASSERT_EQ(des.size(), 32u);
  ASSERT_EQ(sm4.size(), 64u);
  const std::string plain31(31, 'u');
  const std::string file = WriteFile(
      dir + "server.ini",
      Section("wrong build", "xasjgmssl", "10.1.1.1:9001", "sks_server=x\n") +
          Section("first", "GerGmSsl", "Host.Example:9001",
                  "sks_server=sks.example:443\nsks_user=" + des + "\nsks_password=" + sm4 + "\n") +
          Section("second", "gergmssl", "host.example:9001", "sks_server=later\n") +
          Section("plain", "gergmssl", "10.1.1.1:9001",
                  "sks_server=p\nsks_user=" + plain31 + "\nsks_password=" + std::string(33, 'p') + "\n"));

  GeerGMParams found = ReadGeerGMParams(file, "HOST.example:9001");
  EXPECT_EQ(found.SksServer, "sks.example:443");
  EXPECT_EQ(found.SksUser, "sks-user");
  EXPECT_EQ(found.SksPassword, "sks-pass");

  GeerGMParams plain = ReadGeerGMParams(file, "10.1.1.1:9001");
  EXPECT_EQ(plain.SksServer, "p") << "the xasj section with the same address is skipped";
  EXPECT_EQ(plain.SksUser, plain31);
  EXPECT_EQ(plain.SksPassword, std::string(33, 'p'));

  GeerGMParams none = ReadGeerGMParams(file, "host.example:9002");
  EXPECT_EQ(none.SksServer + none.SksUser + none.SksPassword, "");
  EXPECT_EQ(ReadGeerGMParams(dir + "missing.ini", "host.example:9001").SksServer, "");
}

TEST(GMServerConfig, XasjParamsDecipherOnlyTheUserName) {
  const std::string dir = testing::FreshTestFolder("gm_xasj");
  const std::string user = EncryptSM4(3, kKey, "xasj-user", etEncrypt);
  const std::string path32(32, 'f');  // the length of a cipher text, yet never deciphered
  const std::string file =
      WriteFile(dir + "server.ini", Section("gm", "xasjgmssl", "10.2.2.2:7000",
                                            "xasj_url=https://ca\nxasj_mauth_ca_root=root.pem\nxasj_user_name=" +
                                                user + "\nxasj_file_path=" + path32 + "\nxasj_ssl_ca_root=ssl.pem\n"));
  XASJGMParams params = ReadXASJGMParams(file, "10.2.2.2:7000");
  EXPECT_EQ(params.Url, "https://ca");
  EXPECT_EQ(params.MauthCaRoot, "root.pem");
  EXPECT_EQ(params.UserName, "xasj-user");
  EXPECT_EQ(params.FilePath, path32);
  EXPECT_EQ(params.SslCaRoot, "ssl.pem");
  EXPECT_EQ(ReadGeerGMParams(file, "10.2.2.2:7000").SksServer, "") << "a geer search ignores xasj sections";
}

}  // namespace
}  // namespace ruzi
