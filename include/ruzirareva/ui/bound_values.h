#pragma once
// The bound values of a list's lines (the bound combo boxes): beside each shown line, the value
// it stands for. Line i stands for Values[i], or for its own text when that entry is missing or
// empty, so "" is never a line's value. Values follow their lines: a line inserted inside the
// list shifts the later values down, a deleted line takes its value along, sorting the lines
// moves each value with its line, lines replaced all at once keep the values by the index
// they are given at (a sorted list then moves them with their lines) and an emptied list drops
// them. Values given ahead of their
// lines wait for lines added at the end. User-interface thread.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/strings.h"

namespace ruzi {

class RUZI_API TBoundValues : public TStringsObserver {
 public:
  explicit TBoundValues(const TStrings& items) : items_(items) {}

  TStrings& Values() { return values_; }
  const TStrings& Values() const { return values_; }
  // The value line `index` stands for; "" for no line.
  std::string ValueOf(int index) const;
  // The first line standing for `value`, bytes compared; -1 for "" or a value no line stands for.
  int IndexOfValue(const std::string& value) const;
  // Line `index` stands for `value` (Values grows with empty entries to reach it).
  void SetValueOf(int index, const std::string& value);

  void StringInserted(int index) override;
  void StringDeleted(int index) override;
  void StringsReset() override;
  void StringsMoved(const std::vector<int>& from) override;

 private:
  const TStrings& items_;
  TStrings values_;
};

}  // namespace ruzi
