#include "ui/picture.h"

#include <map>

#include "foundation/error.h"
#include "platform/ascii_case.h"

namespace ruzi {
namespace {

std::string Lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Kept for the whole process, so that formats registered at start stay valid at the end.
std::map<std::string, TGraphicFactory>& Formats() {
  static auto* formats = new std::map<std::string, TGraphicFactory>;
  return *formats;
}

std::string ExtensionOf(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return Lowered(path.substr(dot));
}

}  // namespace

void RegisterStandardPictureFormats();
void RegisterDecodedPictureFormats();

void RegisterFileFormat(const std::string& extension, TGraphicFactory factory) {
  Formats()[Lowered(extension)] = factory;
}

TPicture::TPicture() {
  RegisterStandardPictureFormats();
  RegisterDecodedPictureFormats();
}

TPicture::~TPicture() = default;

void TPicture::Hold(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) {
    graphic_->OnChange = TNotifyEvent{
        [](void* picture, TPersistent*) { static_cast<TPicture*>(picture)->OnChange(static_cast<TPicture*>(picture)); },
        this};
  }
  OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  Hold(std::unique_ptr<TGraphic>(graphic != nullptr ? graphic->Clone() : nullptr));
}

void TPicture::LoadFromFile(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  auto format = Formats().find(extension);
  if (format == Formats().end()) throw Error("Unknown picture file extension (" + extension + ")");
  std::unique_ptr<TGraphic> graphic(format->second());
  graphic->LoadFromFile(path);
  Hold(std::move(graphic));
}

void TPicture::Assign(TPersistent* source) {
  if (source == nullptr) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
    if (picture != this) SetGraphic(picture->Graphic());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

}  // namespace ruzi
