#pragma once
// Where loose skin files that override the face library's images lie, below the program's
// directory: "skin\form7\" while the face library is face.dll (any case), "skin\form7_black\"
// for every other library. A loose file is thus honoured only for its own library.
#include <string>

namespace ruzi::skin {

std::string LooseSkinFolder(const std::string& face_library);

}  // namespace ruzi::skin
