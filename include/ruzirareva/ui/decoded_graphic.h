#pragma once
// A picture decoded into premultiplied BGRA pixels and drawn with alpha blending: the common
// body of the PNG, GIF and JPEG pictures. It keeps the bytes it was read from, so saving gives
// back the very file. It may instead stand for an image the face library owns (FromFaceImage):
// it then borrows that image and never frees it. Belongs to the thread that draws with it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/skin/face_library.h"
#include "ruzirareva/ui/graphic.h"

namespace ruzi {

class RUZI_API TDecodedGraphic : public TGraphic {
  RUZI_CLASS_RECORD(TDecodedGraphic, TGraphic::ClassRecord())

 public:
  TDecodedGraphic() = default;
  TDecodedGraphic(const TDecodedGraphic&) = delete;
  TDecodedGraphic& operator=(const TDecodedGraphic&) = delete;

  bool Empty() const override;
  int Width() const override;
  int Height() const override;
  // Stretched to `rect`, blended over what the canvas already shows.
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // Raises ruzi::Error "Cannot load picture " + path + ": " + why, the picture left as it was.
  void LoadFromFile(const std::string& path) override;
  // A picture file held in memory (a resource, a copy). Raises ruzi::Error saying why the
  // bytes are not a picture of this kind, the picture left as it was.
  void LoadFromBytes(std::string_view bytes);
  // The file the picture was read from ("" when empty).
  std::string SaveToBytes() const;
  void Assign(TPersistent* source) override;

  // Borrows an image of the face library (nullptr: empty); what was held is let go.
  void FromFaceImage(const FaceImage* image);
  // The pixels as the skin's drawing code takes them; nullptr when empty.
  const FaceImage* Image() const;

 protected:
  // The first bytes every file of this kind starts with.
  virtual std::string_view Signature() const = 0;
  // The kind's name in error texts ("PNG").
  virtual const char* KindName() const = 0;
  // Copies the image into `copy`, a new picture of the caller's class.
  TGraphic* CloneInto(TDecodedGraphic* copy) const;

 private:
  void Adopt(std::string bytes, int width, int height, std::vector<uint8_t> bgra);
  void CopyFrom(const TDecodedGraphic& other);

  std::string file_;
  std::vector<uint8_t> bgra_;
  FaceImage own_{};
  const FaceImage* borrowed_ = nullptr;
};

}  // namespace ruzi
