#include "library/version.h"

namespace ruzi {

const char* LibraryVersion() { return RUZI_VERSION; }

}  // namespace ruzi
