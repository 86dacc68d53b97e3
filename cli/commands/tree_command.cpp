// The rows of a section packet grouped in a data tree with live totals, as a grid shows them:
// grouped by one or more columns, summed, sorted, filtered, and optionally one cell edited
// before printing (a group row's edit is shared out over its rows).
#include <map>

#include "command.h"
#include "input_text.h"
#include "packets/unpack.h"
#include "query/data_field.h"
#include "query/memory_data_set.h"
#include "text_table.h"
#include "treedata/filtered_data_tree.h"

namespace ruzi::cli {
namespace {

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1) {
    parts.push_back(text.substr(start, comma - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::vector<std::string> TakeAll(CommandContext& context, std::string_view name) {
  std::vector<std::string> values;
  for (std::string value = context.TakeOption(name); !value.empty(); value = context.TakeOption(name)) {
    values.push_back(value);
  }
  return values;
}

struct TreeShape {
  std::vector<int> groupColumns;  // source field indexes
  std::map<std::string, TsnTreeNode*> groups;  // group path -> node
};

// Each record under the group of its values in the grouping columns, one level per column.
void BuildGroups(void* data, TDBTreeNode* tree) {
  auto* shape = static_cast<TreeShape*>(data);
  auto* source = static_cast<MemoryDataSet*>(tree->GetStockQry());
  for (int32_t rec = 1; rec <= source->GetRecordCount(); ++rec) {
    TsnTreeNode* parent = tree;
    std::string path;
    for (int column : shape->groupColumns) {
      const auto value = source->ReadRecordText(rec, column);
      const std::string text = value ? std::string(*value) : std::string();
      path += text + '\t';
      TsnTreeNode*& group = shape->groups[path];
      if (group == nullptr) group = tree->AppendChild(parent, text, -1, true, false).Node;
      parent = group;
    }
    tree->BindStock(parent, "#" + std::to_string(rec), -1, {}, '1', rec);
  }
}

int RunTree(CommandContext& context) {
  if (context.Count() == 0 || context.Arg(0) != "show") throw UsageError("tree show PACKET --group COLS ...");
  const std::string groupList = context.TakeOption("group");
  if (groupList.empty()) throw UsageError("--group COLS is needed");
  const std::vector<std::string> sums = TakeAll(context, "sum");
  const std::vector<std::string> sorts = TakeAll(context, "sort");
  const std::string filter = context.TakeOption("filter");
  const std::string editRow = context.TakeOption("edit");
  context.ExpectCount(editRow.empty() ? 2 : 4, editRow.empty() ? 2 : 4);

  std::string packet = ReadInputText(context.Arg(1));
  TUnpack reader(false);
  reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
  if (reader.SectionCount() == 0) throw std::runtime_error("the packet has no section");
  TUnpackSection& section = reader.GetSection(0);

  MemoryDataSet source;
  MemoryDataSet columns;
  columns.GetFieldDefs().Add("NAME", ftString, 40);
  for (int32_t c = 0; c < section.ColCount(); ++c) {
    const std::string name = section.GetFieldName(c);
    bool summed = false;
    for (const std::string& sum : sums) summed = summed || sum == name;
    source.GetFieldDefs().Add(name, summed ? ftFloat : ftString, 40);
    columns.GetFieldDefs().Add(name, summed ? ftFloat : ftString, 40);
  }
  for (section.First(); !section.Eof(); section.Next()) {
    MemoryDataSet::Row row;
    for (int32_t c = 0; c < section.ColCount(); ++c) row.emplace_back(section.GetField(c).Text());
    source.AddRow(std::move(row));
  }
  source.Open();
  columns.Open();

  TreeShape shape;
  for (const std::string& name : SplitCommas(groupList)) shape.groupColumns.push_back(source.FieldByName(name)->Index());
  FilteredDataTree tree;
  tree.SetDefaultExpanded(efExpand);
  tree.SetDataSet(&columns);
  tree.SetStockQry(&source);
  tree.OnGetFieldGroupType = TGetFieldGroupType{
      [](void* data, const std::string& name, TColFieldGroupType& type) {
        for (const std::string& sum : *static_cast<const std::vector<std::string>*>(data)) {
          if (sum == name) type = GTSum;
        }
      },
      const_cast<std::vector<std::string>*>(&sums)};
  tree.BeginBuildTree = TBeginBuildTree{&BuildGroups, &shape};
  tree.ParseDbDatas();
  for (const std::string& sort : sorts) {
    const size_t colon = sort.find(':');
    tree.AppendSort(sort.substr(0, colon), colon == std::string::npos || sort.substr(colon + 1) != "desc");
  }
  if (!sorts.empty()) tree.reSort();
  if (!filter.empty()) tree.ActivateFilters(filter, 0);
  if (!editRow.empty()) {
    const int32_t row = IntegerArgument(editRow, "row");
    tree.ModifyField(tree.GetRowData(row - 1), columns.FieldByName(context.Arg(2)), context.Arg(3), true);
  }

  std::vector<std::string> header;
  for (int f = 0; f < columns.GetFieldCount(); ++f) header.push_back(columns.Fields(f)->FieldName());
  TextTable table(header);
  std::vector<std::string> totals;
  for (int f = 0; f < columns.GetFieldCount(); ++f) totals.push_back(tree.GetRooterValue(columns.Fields(f)));
  table.AddRow(totals);
  for (int32_t r = 0; r < tree.GetRecordCount(); ++r) {
    TTreeRowData* row = tree.GetRowData(r);
    std::vector<std::string> cells;
    for (int f = 0; f < columns.GetFieldCount(); ++f) {
      std::string cell = tree.GetCellValue(row->GetNode(), columns.Fields(f));
      if (f == 0) cell = std::string(2 * static_cast<size_t>(row->GetNode()->GetLevel()), ' ') + cell;
      cells.push_back(std::move(cell));
    }
    table.AddRow(std::move(cells));
  }
  table.Print(context);
  context.PrintLine("rows: " + std::to_string(tree.GetRecordCount()));
  return 0;
}

const CommandRegistration kRegistration{
    {"tree", "group the rows of a section packet in a data tree with live totals",
     "tree show PACKET|- --group COL[,COL...] [--sum COL]... [--sort COL[:desc]]... [--filter EXPR]\n"
     "  [--edit ROW COL VALUE]  (ROW counts the shown rows from 1; the first line printed is the total)",
     RunTree}};

}  // namespace
}  // namespace ruzi::cli
