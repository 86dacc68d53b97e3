#pragma once
// An icon (HICON) the object owns, drawn stretched with its mask. Windows only. Belongs to the
// thread that draws with it.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic.h"

struct HICON__;

namespace ruzi {

class RUZI_API TIcon : public TGraphic {
  RUZI_CLASS_RECORD(TIcon, TGraphic::ClassRecord())

 public:
  TIcon() = default;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  ~TIcon() override;

  bool Empty() const override { return handle_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  HICON__* Handle() const { return handle_; }
  // Takes the icon over (the object destroys it).
  void SetHandle(HICON__* icon);
  // Gives the icon up to the caller.
  HICON__* ReleaseHandle();

  void Draw(TCanvas& canvas, const TRect& rect) override;
  // A .ico file, its first image at its own size.
  void LoadFromFile(const std::string& path) override;
  TGraphic* Clone() const override;
  void Assign(TPersistent* source) override;

 private:
  HICON__* handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ruzi
