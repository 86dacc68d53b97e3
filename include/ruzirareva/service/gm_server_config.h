#pragma once
// The national-cipher (GM) settings of the servers in the client's server configuration file:
// which SDK build the file asks for, and a server's connection parameters for either build.
// Sections whose names contain ".ini" are not servers. A missing file or server gives empty
// outputs (or type 0), without a message. Any thread may call them; the file is read afresh on each
// call.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

// <dir>config\server_special.ini when "62409value", trimmed, is neither "0" nor unset (read as
// "0") and that file exists; else <dir>config\server.ini. `executable_dir` ends with a separator.
RUZI_API std::string ServerConfigFileIn(const std::string& executable_dir);
// The same beside the running executable.
RUZI_API std::string ServerConfigFile();

// 1 when a section's "version" is "gergmssl", 2 for "xasjgmssl" (ignoring case); the last such
// section decides; 0 otherwise or on any failure. An empty (trimmed) FileName means the
// server configuration file.
RUZI_API int32_t CheckGMTypeByServerConfig(const std::string& FileName);

struct GeerGMParams {
  std::string SksServer, SksUser, SksPassword;
};
struct XASJGMParams {
  std::string Url, MauthCaRoot, UserName, FilePath, SslCaRoot;
};

// The first section of `file` for the build whose "HOSTIP:HOSTPORT" is `server` (ignoring
// case). Stored credentials of 32 or 64 characters are deciphered under the last 15
// characters of the section's "SSLFILE"; a bad cipher text throws the decryption's error.
RUZI_API GeerGMParams ReadGeerGMParams(const std::string& file, const std::string& server);
RUZI_API XASJGMParams ReadXASJGMParams(const std::string& file, const std::string& server);

RUZI_API void ReadGeerGMParamsByServer(const std::string& Server, std::string& SksServer, std::string& SksUser,
                              std::string& SksPassword);
RUZI_API void ReadXASJGMParamsByServer(const std::string& Server, std::string& Url, std::string& MauthCaRoot,
                              std::string& UserName, std::string& FilePath, std::string& SslCaRoot);

}  // namespace ruzi
