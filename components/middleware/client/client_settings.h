#pragma once
// Where the client finds its server: the process environment variable "WSNADDR" first, else
// the key WSNADDR of section [Client] in "wtuxws32.ini" beside this DLL. Both are looked at
// at every sign-on (the file again whenever it changed), so a changed setting takes effect at
// the next tpinit.
#include <string>

namespace ruzi::wsclient {

inline constexpr const char* kSettingsFileName = "wtuxws32.ini";
inline constexpr const char* kSettingsSection = "Client";

std::string ServerAddressSetting();
// [Client] ConnectTimeout in milliseconds (default 5000): the bound of one connect attempt
// and of the wait for the sign-on answer.
int ConnectTimeoutSetting();
// Full path of the settings file beside the DLL.
std::string SettingsFilePath();

}  // namespace ruzi::wsclient
