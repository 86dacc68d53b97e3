#pragma once
// The captioned, sized parts of a control: a status bar's panels, a header's sections, a list
// view's columns. Each has a Text and a Width (-1: what is left); every change tells the control,
// which shows it. As text the list is one line per part, "Text<tab>Width". User-interface
// thread only.
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"

namespace ruzi {

class TSections;

class RUZI_API TSection {
 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  int Width() const { return width_; }
  void SetWidth(int width);
  int Index() const;

 private:
  friend class TSections;
  TSection(TSections* list, std::string text, int width) : list_(list), text_(std::move(text)), width_(width) {}

  TSections* list_;
  std::string text_;
  int width_;
};

class RUZI_API TSections {
 public:
  // `changed` runs after every change of the list or of a part.
  explicit TSections(TEvent<> changed) : changed_(changed) {}
  TSections(const TSections&) = delete;
  TSections& operator=(const TSections&) = delete;
  ~TSections();

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises ruzi::Error for an index out of bounds.
  TSection& Items(int index) const;
  TSection& Add(const std::string& text = std::string(), int width = 50);
  void Delete(int index);
  void Clear();

  std::string AsText() const;
  void SetAsText(const std::string& text);

 private:
  friend class TSection;
  void Changed() { changed_(); }

  std::vector<std::unique_ptr<TSection>> items_;
  TEvent<> changed_;
};

using TStatusPanel = TSection;
using TStatusPanels = TSections;
using THeaderSection = TSection;
using THeaderSections = TSections;
using TListColumn = TSection;
using TListColumns = TSections;

}  // namespace ruzi
