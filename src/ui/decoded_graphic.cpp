#include "ruzirareva/ui/decoded_graphic.h"

#include "platform/file_system.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/ui/canvas.h"
#include "skin/image_decode.h"
#include "ui/face_image_draw.h"

namespace ruzi {

bool TDecodedGraphic::Empty() const { return Image() == nullptr; }

int TDecodedGraphic::Width() const { return Empty() ? 0 : Image()->width; }

int TDecodedGraphic::Height() const { return Empty() ? 0 : Image()->height; }

const FaceImage* TDecodedGraphic::Image() const {
  if (borrowed_ != nullptr) return borrowed_->bgra != nullptr ? borrowed_ : nullptr;
  return bgra_.empty() ? nullptr : &own_;
}

void TDecodedGraphic::Draw(TCanvas& canvas, const TRect& rect) {
  ui::DrawFaceImage(canvas.Handle(), Image(), rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TDecodedGraphic::LoadFromFile(const std::string& path) {
  const std::optional<std::string> bytes = platform::SystemFileSystem().ReadWholeFile(path);
  if (!bytes) throw Error("Cannot load picture " + path + ": cannot read the file");
  try {
    LoadFromBytes(*bytes);
  } catch (const Error& error) {
    throw Error("Cannot load picture " + path + ": " + error.what());
  }
}

void TDecodedGraphic::LoadFromBytes(std::string_view bytes) {
  // The decoder reads every kind; a picture of one kind takes only files of that kind.
  if (!bytes.starts_with(Signature())) throw Error(std::string("not a ") + KindName() + " picture");
  skin::DecodedImage image =
      skin::DecodeImage({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  if (!image.error.empty()) throw Error(std::string(KindName()) + " picture does not decode: " + image.error);
  Adopt(std::string(bytes), image.width, image.height, std::move(image.bgra));
}

std::string TDecodedGraphic::SaveToBytes() const {
  const FaceImage* image = Image();
  if (image == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(image->png), image->png_size);
}

void TDecodedGraphic::Adopt(std::string bytes, int width, int height, std::vector<uint8_t> bgra) {
  file_ = std::move(bytes);
  bgra_ = std::move(bgra);
  borrowed_ = nullptr;
  own_ = FaceImage{};
  if (!bgra_.empty()) {
    own_.width = width;
    own_.height = height;
    own_.bgra = bgra_.data();
    own_.png = reinterpret_cast<const uint8_t*>(file_.data());
    own_.png_size = static_cast<uint32_t>(file_.size());
  }
  Changed();
}

void TDecodedGraphic::FromFaceImage(const FaceImage* image) {
  file_.clear();
  bgra_.clear();
  own_ = FaceImage{};
  borrowed_ = image;
  Changed();
}

void TDecodedGraphic::CopyFrom(const TDecodedGraphic& other) {
  const FaceImage* image = other.Image();
  if (image == nullptr) {
    Adopt({}, 0, 0, {});
    return;
  }
  Adopt(other.SaveToBytes(), image->width, image->height,
        std::vector<uint8_t>(image->bgra, image->bgra + static_cast<size_t>(image->width) * image->height * 4));
}

TGraphic* TDecodedGraphic::CloneInto(TDecodedGraphic* copy) const {
  copy->CopyFrom(*this);
  copy->SetTransparent(Transparent());
  return copy;
}

void TDecodedGraphic::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TDecodedGraphic*>(source);
  if (other == nullptr || other->ClassType() != ClassType()) {
    TGraphic::Assign(source);
  } else if (other != this) {
    CopyFrom(*other);
  }
}

}  // namespace ruzi
