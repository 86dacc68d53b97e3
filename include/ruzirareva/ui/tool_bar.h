#pragma once
// A bar of tool buttons along the top of its parent. The bar places its TToolButtons in the
// order they were put in, left to right, ButtonWidth x ButtonHeight each (separators and
// dividers narrower); each button draws its image from the bar's Images, its caption when
// ShowCaptions, and itself pressed while Down. A check button keeps Down between clicks.
// User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class TImageList;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

template <>
struct TEnumNames<TToolButtonStyle> {
  static constexpr std::array<const char*, 5> Names{"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator",
                                                    "tbsDivider"};
};

class RUZI_API TToolBar : public TCustomControl {
  RUZI_CLASS_RECORD_PUBLISHED(TToolBar, TCustomControl::ClassRecord())

 public:
  explicit TToolBar(TComponent* owner = nullptr);

  int ButtonWidth() const { return button_width_; }
  void SetButtonWidth(int width);
  int ButtonHeight() const { return button_height_; }
  void SetButtonHeight(int height);
  bool ShowCaptions() const { return show_captions_; }
  void SetShowCaptions(bool show);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  // Where the first button starts.
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  // Places the buttons again.
  void ArrangeButtons();

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int button_width_ = 23;
  int button_height_ = 22;
  int indent_ = 0;
  bool show_captions_ = false;
  bool flat_ = true;
  TImageList* images_ = nullptr;
};

class RUZI_API TToolButton : public TGraphicControl {
  RUZI_CLASS_RECORD_PUBLISHED(TToolButton, TGraphicControl::ClassRecord())

 public:
  explicit TToolButton(TComponent* owner = nullptr);
  ~TToolButton() override;

  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle style);
  bool Down() const { return down_; }
  void SetDown(bool down);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  // The bar it sits on, or nullptr.
  TToolBar* ToolBar() const;

  void SetParent(TWinControl* parent) override;
  void Click() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
  bool down_ = false;
  bool pressed_ = false;  // the mouse is held down on it
  int image_index_ = -1;
};

}  // namespace ruzi
