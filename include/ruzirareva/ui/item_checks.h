#pragma once
// The check marks of a list's lines (a check list box, a check combo): one flag per line that
// moves with its line when lines come and go, all cleared when the lines are replaced. As text,
// the checked lines' indexes joined by commas ("0,2"). User-interface thread.
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/strings.h"

namespace ruzi {

class RUZI_API TItemChecks : public TStringsObserver {
 public:
  explicit TItemChecks(const TStrings& items) : items_(items), checked_(static_cast<size_t>(items.Count())) {}

  // Raises like TStrings for an index outside the lines.
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  std::string Text() const;
  // False, changing nothing, for a text that is no list of line indexes.
  bool SetText(std::string_view text);

  void StringInserted(int index) override;
  void StringDeleted(int index) override;
  void StringsReset() override;
  void StringsMoved(const std::vector<int>& from) override;

 private:
  const TStrings& items_;
  std::vector<bool> checked_;
};

}  // namespace ruzi
