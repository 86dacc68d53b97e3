// The GM settings read through the Windows profile API from config\ beside the executable
// (this test runs from a folder of its own): the file "62409value" chooses and the servers
// found in it. Credentials here are plain (under 32 characters): the deciphering is checked
// natively, away from the registry switch other tests flip.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/environment.h"
#include "platform/paths.h"
#include "service/gm_server_config.h"

namespace ruzi {
namespace {

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST(GMServerFileWine, ChosenFileAndItsServers) {
  const std::string config = platform::ExecutableDirectory() + "config\\";
  std::filesystem::create_directories(config);
  Write(config + "server.ini",
        "[main]\nversion=GERGMSSL\nHOSTIP=10.0.0.5\nHOSTPORT=9001\nSSLFILE=c.pem\nsks_server=s:1\n"
        "sks_user=" + std::string(31, 'u') + "\nsks_password=pw\n");
  Write(config + "server_special.ini",
        "[gm]\nversion=xasjgmssl\nHOSTIP=Host\nHOSTPORT=7\nSSLFILE=c.pem\nxasj_url=u\nxasj_mauth_ca_root=m\n"
        "xasj_user_name=n\nxasj_file_path=f\nxasj_ssl_ca_root=r\n[trade.ini]\nversion=gergmssl\n");
  std::string a, b, c, d, e;

  // "1" chooses the special file while it exists (the value's reading: the pubfunmodel's tests).
  platform::SetEnvironment("62409value", "1");
  EXPECT_EQ(ServerConfigFile(), config + "server_special.ini");
  EXPECT_EQ(CheckGMTypeByServerConfig(" "), 2);
  EXPECT_EQ(CheckGMTypeByServerConfig(config + "server.ini"), 1) << "a named file wins";
  ReadXASJGMParamsByServer("host:7", a, b, c, d, e);
  EXPECT_EQ(a + b + c + d + e, "umnfr");
  ReadGeerGMParamsByServer("10.0.0.5:9001", a, b, c);
  EXPECT_EQ(a + b + c, "") << "not in the special file";
  platform::SetEnvironment("62409value", "0");
  ReadGeerGMParamsByServer("10.0.0.5:9001", a, b, c);
  EXPECT_EQ(a + "/" + b + "/" + c, "s:1/" + std::string(31, 'u') + "/pw");
  ReadXASJGMParamsByServer("host:7", a, b, c, d, e);
  EXPECT_EQ(a + b + c + d + e, "") << "every output cleared";
  platform::UnsetEnvironment("62409value");
  std::filesystem::remove(config + "server_special.ini");
  EXPECT_EQ(ServerConfigFile(), config + "server.ini") << "no special file to choose";
  std::filesystem::remove_all(config);
}

}  // namespace
}  // namespace ruzi
