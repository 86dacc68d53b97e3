#pragma once
// A control as plain data: class name (and the names of its ancestors), bounds, alignment,
// an optional font size and children. The portable stand-in for a control tree, on which the
// form zoom is worked out and checked without a window system. A parent owns its children.
// Not thread-safe.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/zoom_control.h"

namespace ruzi {

class RUZI_API TControlModel : public IZoomControl {
 public:
  // `ancestors`: the class names it derives from, nearest first ("TFrame" for a frame class).
  TControlModel(std::string class_name, TRect bounds, std::vector<std::string> ancestors = {});
  TControlModel(const TControlModel&) = delete;
  TControlModel& operator=(const TControlModel&) = delete;

  // Adds a child at the end of the child list and answers it.
  TControlModel& AddChild(std::string class_name, TRect bounds, std::vector<std::string> ancestors = {});
  // Adds a control of a derived model class.
  TControlModel& AddChild(std::unique_ptr<TControlModel> child);

  std::string ClassName() const override;
  bool InheritsFromClass(std::string_view class_name) const override;
  TRect BoundsRect() const override;
  void SetBounds(int left, int top, int width, int height) override;
  TAlign Align() const override;
  void SetAlign(TAlign align);
  bool HasFont() const override;
  int FontSize() const override;
  void SetFontSize(int size) override;
  bool IsWindowed() const override;
  void SetWindowed(bool windowed);
  int ControlCount() const override;
  IZoomControl* Controls(int index) const override;
  TControlModel& Child(int index) const;
  void SetStretch(bool stretch) override;
  bool Stretch() const;
  int ItemHeight() const override;
  void SetItemHeight(int height) override;

 private:
  std::string class_name_;
  std::vector<std::string> ancestors_;
  TRect bounds_;
  TAlign align_ = TAlign::alNone;
  std::optional<int> font_size_;
  bool windowed_ = true;
  bool stretch_ = false;
  int item_height_ = 0;
  std::vector<std::unique_ptr<TControlModel>> children_;
};

}  // namespace ruzi
