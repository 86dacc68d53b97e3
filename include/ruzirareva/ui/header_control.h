#pragma once
// The system's header control: a row of Sections, each a text and a width. A click on a
// section runs OnSectionClick with its index. User-interface thread only.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/sections.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

// The sender and the index of the section clicked.
using TSectionNotifyEvent = TEvent<TPersistent*, int>;

class RUZI_API THeaderControl : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(THeaderControl, TWinControl::ClassRecord())

 public:
  explicit THeaderControl(TComponent* owner = nullptr);

  THeaderSections& Sections() { return sections_; }
  std::string SectionsText() const { return sections_.AsText(); }
  void SetSectionsText(const std::string& text) { sections_.SetAsText(text); }

  TSectionNotifyEvent OnSectionClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  // The Win32 half: the sections shown again; the section a click notification names (-1 for
  // other messages).
  void UpdateWindowSections();
  int ClickedSection(const TMessage& message);

  THeaderSections sections_;
};

}  // namespace ruzi
