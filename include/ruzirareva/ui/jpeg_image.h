#pragma once
// A JPEG picture. Files ".jpg" and ".jpeg". Belongs to the thread that draws with it.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/decoded_graphic.h"

namespace ruzi {

class RUZI_API TJPEGImage : public TDecodedGraphic {
  RUZI_CLASS_RECORD(TJPEGImage, TDecodedGraphic::ClassRecord())

 public:
  TGraphic* Clone() const override { return CloneInto(new TJPEGImage); }

 protected:
  std::string_view Signature() const override { return {"\xFF\xD8\xFF", 3}; }
  const char* KindName() const override { return "JPEG"; }
};

}  // namespace ruzi
