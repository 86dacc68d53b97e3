#pragma once
// A button without a window, painted by its parent: a raised face (none when Flat), its glyph
// and caption centred, sunken while Down. Buttons of one parent with the same non-zero
// GroupIndex act as a group: a click puts the clicked one down and the others up (or, with
// AllowAllUp, a down button back up). User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/glyph.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TSpeedButton : public TGraphicControl {
  RUZI_CLASS_RECORD_PUBLISHED(TSpeedButton, TGraphicControl::ClassRecord())

 public:
  explicit TSpeedButton(TComponent* owner = nullptr);

  TPicture& Glyph() { return glyph_.Picture(); }
  const std::string& GlyphFile() const { return glyph_.FileName(); }
  void SetGlyphFile(const std::string& file_name);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool allow) { allow_all_up_ = allow; }

  void Click() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  TGlyph glyph_;
  bool flat_ = false, down_ = false, allow_all_up_ = false;
  bool pressed_ = false;  // the mouse button held down on it
  int group_index_ = 0;
};

}  // namespace ruzi
