#include "ui/glyph.h"

namespace ruzi {

void TGlyph::LoadFromFile(const std::string& file_name) {
  if (file_name.empty()) {
    picture_.SetGraphic(nullptr);
  } else {
    picture_.LoadFromFile(file_name);
  }
  file_name_ = file_name;
}

}  // namespace ruzi
