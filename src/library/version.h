#pragma once

namespace ruzi {

// "major.minor.patch" of this build.
const char* LibraryVersion();

}  // namespace ruzi
