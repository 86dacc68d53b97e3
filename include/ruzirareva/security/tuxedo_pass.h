#pragma once
// Hand-over of the middleware sign-on to the connection start through the process
// environment ("tuxedo_name", "tuxedo_pass"; names are case-insensitive there). Any thread may call
// them; the environment is the process's, so a change is seen at once by every thread.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// Sets each variable only when its argument is not empty. Returns 0.
RUZI_API int InitTuxedoPass(std::string_view name, std::string_view password);
// "tuxedo_pass", or "" when it is not set.
RUZI_API std::string GetTuxedoPass();

}  // namespace ruzi
