// Control contents as a host hands them in as text (grid cells, list items and columns, tree
// nodes, status panels, header sections): no crash, and what a control reads back sets the
// same contents again and reads back unchanged. The first byte picks the property.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/property_access.h"
#include "ui/header_control.h"
#include "ui/list_view.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tree_view.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  ruzi::TStringGrid grid;
  ruzi::TListView list;
  ruzi::TTreeView tree;
  ruzi::TStatusBar status;
  ruzi::THeaderControl header;
  const struct {
    ruzi::TPersistent* control;
    const char* property;
  } targets[] = {{&grid, "Cells"},  {&list, "Items"},   {&list, "Columns"},
                 {&tree, "Items"},  {&status, "Panels"}, {&header, "Sections"}};
  const auto& target = targets[data[0] % std::size(targets)];
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  ruzi::SetPropText(*target.control, target.property, text);
  const std::string first = ruzi::GetPropText(*target.control, target.property);
  ruzi::SetPropText(*target.control, target.property, first);
  Check(ruzi::GetPropText(*target.control, target.property) == first);
  return 0;
}
