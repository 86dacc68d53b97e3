#include "service/gm_server_config.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/ascii_case.h"
#include "foundation/trim.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "security/encrypt_public.h"
#include "service/own_files_switch.h"

namespace ruzi {
namespace {

constexpr const char* kGeerVersion = "gergmssl";
constexpr const char* kXasjVersion = "xasjgmssl";
constexpr size_t kCredentialKeyLength = 15;

std::vector<std::string> ServerSections(const std::string& file) {
  std::vector<std::string> sections;
  for (std::string& name : platform::ReadIniKeys(file, "")) {
    if (name.find(".ini") == std::string::npos) sections.push_back(std::move(name));
  }
  return sections;
}

// The first section for `version` whose address is `server`.
std::optional<std::string> FindServerSection(const std::string& file, const char* version,
                                             const std::string& server) {
  for (const std::string& name : ServerSections(file)) {
    const std::string section = Trim(name);
    auto value = [&](const char* key) { return platform::ReadIniString(file, section, key, ""); };
    if (AsciiEqualIgnoreCase(value("version"), version) &&
        AsciiEqualIgnoreCase(value("HOSTIP") + ":" + value("HOSTPORT"), server)) {
      return section;
    }
  }
  return std::nullopt;
}

// Stored credentials are cipher texts exactly when they have the length of one.
std::string OpenCredential(const std::string& value, const std::string& ssl_file) {
  if (value.size() != 32 && value.size() != 64) return value;
  const size_t keep = std::min(ssl_file.size(), kCredentialKeyLength);
  return qxDecryptEx(3, std::string_view(ssl_file).substr(ssl_file.size() - keep), value, etNone);
}

}  // namespace

std::string ServerConfigFileIn(const std::string& executable_dir) {
  const std::string folder = executable_dir + "config" + platform::PathSeparator();
  const std::string special = folder + "server_special.ini";
  if (SpecialConfigRequested(SpecialConfigValue()) && platform::SystemFileSystem().FileExists(special)) {
    return special;
  }
  return folder + "server.ini";
}

std::string ServerConfigFile() { return ServerConfigFileIn(platform::ExecutableDirectory()); }

int32_t CheckGMTypeByServerConfig(const std::string& FileName) {
  try {
    const std::string file = Trim(FileName).empty() ? ServerConfigFile() : FileName;
    int32_t type = 0;
    for (const std::string& section : ServerSections(file)) {
      const std::string version = platform::ReadIniString(file, section, "version", "");
      if (AsciiEqualIgnoreCase(version, kGeerVersion)) type = 1;
      if (AsciiEqualIgnoreCase(version, kXasjVersion)) type = 2;
    }
    return type;
  } catch (...) {
    return 0;
  }
}

GeerGMParams ReadGeerGMParams(const std::string& file, const std::string& server) {
  GeerGMParams params;
  const std::optional<std::string> section = FindServerSection(file, kGeerVersion, server);
  if (!section) return params;
  auto value = [&](const char* key) { return platform::ReadIniString(file, *section, key, ""); };
  const std::string ssl_file = value("SSLFILE");
  params.SksServer = value("sks_server");
  params.SksUser = OpenCredential(value("sks_user"), ssl_file);
  params.SksPassword = OpenCredential(value("sks_password"), ssl_file);
  return params;
}

XASJGMParams ReadXASJGMParams(const std::string& file, const std::string& server) {
  XASJGMParams params;
  const std::optional<std::string> section = FindServerSection(file, kXasjVersion, server);
  if (!section) return params;
  auto value = [&](const char* key) { return platform::ReadIniString(file, *section, key, ""); };
  params.Url = value("xasj_url");
  params.MauthCaRoot = value("xasj_mauth_ca_root");
  params.UserName = OpenCredential(value("xasj_user_name"), value("SSLFILE"));
  params.FilePath = value("xasj_file_path");
  params.SslCaRoot = value("xasj_ssl_ca_root");
  return params;
}

void ReadGeerGMParamsByServer(const std::string& Server, std::string& SksServer, std::string& SksUser,
                              std::string& SksPassword) {
  SksServer.clear();
  SksUser.clear();
  SksPassword.clear();
  GeerGMParams params = ReadGeerGMParams(ServerConfigFile(), Server);
  SksServer = std::move(params.SksServer);
  SksUser = std::move(params.SksUser);
  SksPassword = std::move(params.SksPassword);
}

void ReadXASJGMParamsByServer(const std::string& Server, std::string& Url, std::string& MauthCaRoot,
                              std::string& UserName, std::string& FilePath, std::string& SslCaRoot) {
  for (std::string* output : {&Url, &MauthCaRoot, &UserName, &FilePath, &SslCaRoot}) output->clear();
  XASJGMParams params = ReadXASJGMParams(ServerConfigFile(), Server);
  Url = std::move(params.Url);
  MauthCaRoot = std::move(params.MauthCaRoot);
  UserName = std::move(params.UserName);
  FilePath = std::move(params.FilePath);
  SslCaRoot = std::move(params.SslCaRoot);
}

}  // namespace ruzi
