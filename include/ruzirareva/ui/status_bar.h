#pragma once
// The system's status bar along the bottom of its parent: its Panels side by side (a width of
// -1 takes what is left), or, with SimplePanel, one line of SimpleText. User-interface thread
// only.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/sections.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class RUZI_API TStatusBar : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TStatusBar, TWinControl::ClassRecord())

 public:
  explicit TStatusBar(TComponent* owner = nullptr);

  TStatusPanels& Panels() { return panels_; }
  std::string PanelsText() const { return panels_.AsText(); }
  void SetPanelsText(const std::string& text) { panels_.SetAsText(text); }
  bool SimplePanel() const { return simple_panel_; }
  void SetSimplePanel(bool simple);
  const std::string& SimpleText() const { return simple_text_; }
  void SetSimpleText(const std::string& text);
  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool size_grip);

  // The right edges of the panels as the window gets them (-1: to the end).
  std::vector<int> PanelEdges() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  // Shows the panels and texts in the window, when there is one.
  void UpdateWindowPanels();

  TStatusPanels panels_;
  bool simple_panel_ = false;
  std::string simple_text_;
  bool size_grip_ = true;
};

}  // namespace ruzi
