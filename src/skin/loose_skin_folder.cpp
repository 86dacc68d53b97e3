#include "skin/loose_skin_folder.h"

#include "platform/ascii_case.h"

namespace ruzi::skin {

std::string LooseSkinFolder(const std::string& face_library) {
  return AsciiEqualIgnoreCase(face_library, "face.dll") ? "skin\\form7\\" : "skin\\form7_black\\";
}

}  // namespace ruzi::skin
