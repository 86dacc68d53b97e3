#pragma once
// A PNG picture with its alpha channel, as the skin draws it. Files ".png". Belongs to the
// thread that draws with it.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/decoded_graphic.h"

namespace ruzi {

class RUZI_API TPNGObject : public TDecodedGraphic {
  RUZI_CLASS_RECORD(TPNGObject, TDecodedGraphic::ClassRecord())

 public:
  TGraphic* Clone() const override { return CloneInto(new TPNGObject); }

 protected:
  std::string_view Signature() const override { return {"\x89PNG\r\n\x1a\n", 8}; }
  const char* KindName() const override { return "PNG"; }
};

}  // namespace ruzi
