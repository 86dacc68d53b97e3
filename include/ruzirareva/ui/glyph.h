#pragma once
// The picture on a button (TBitBtn, TSpeedButton), published as the name of the file it was
// read from: setting that text reads the file, "" takes the picture away. User-interface
// thread only.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/picture.h"

namespace ruzi {

class RUZI_API TGlyph {
 public:
  TPicture& Picture() { return picture_; }
  const TPicture& Picture() const { return picture_; }
  const std::string& FileName() const { return file_name_; }
  // Raises like TPicture::LoadFromFile; the picture and the name stay as they were then.
  void LoadFromFile(const std::string& file_name);

 private:
  TPicture picture_;
  std::string file_name_;
};

}  // namespace ruzi
