#pragma once
// A GIF picture: its first frame only, as a still image. Files ".gif". Belongs to the thread
// that draws with it; the default draw options are process-wide, set on the UI thread.
#include <cstdint>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/decoded_graphic.h"

namespace ruzi {

class RUZI_API TGIFImage : public TDecodedGraphic {
  RUZI_CLASS_RECORD(TGIFImage, TDecodedGraphic::ClassRecord())

 public:
  // Draw options new GIF pictures start with; bit 64 is set by the skin's GIF loader. Kept as
  // flags: a still first frame draws the same whatever they say.
  static uint32_t DefaultDrawOptions;

  TGIFImage() : draw_options_(DefaultDrawOptions) {}
  uint32_t DrawOptions() const { return draw_options_; }
  TGraphic* Clone() const override { return CloneInto(new TGIFImage); }

 protected:
  std::string_view Signature() const override { return "GIF8"; }
  const char* KindName() const override { return "GIF"; }

 private:
  uint32_t draw_options_;
};

}  // namespace ruzi
