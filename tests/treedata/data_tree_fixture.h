#pragma once
// A data tree over an in-memory source: the tree's columns (field 0 the tree column "NAME") and
// a source query with the same names, each column given a group type.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "query/memory_data_set.h"
#include "treedata/data_tree.h"

namespace ruzi::treetest {

struct ColumnSpec {
  std::string Name;
  TFieldType Type;
  TColFieldGroupType Group;
};

template <typename Tree = TDBTreeNode>
class DataTreeFixture {
 public:
  explicit DataTreeFixture(const std::vector<ColumnSpec>& columns) {
    this->columns.GetFieldDefs().Add("NAME", ftString, 40);
    for (const ColumnSpec& column : columns) {
      this->columns.GetFieldDefs().Add(column.Name, column.Type, column.Type == ftString ? 40 : 0);
      source.GetFieldDefs().Add(column.Name, column.Type, column.Type == ftString ? 40 : 0);
      groups_[column.Name] = column.Group;
    }
    this->columns.Open();
    tree = std::make_unique<Tree>();
    tree->SetDataSet(&this->columns);
    tree->SetStockQry(&source);
    tree->OnGetFieldGroupType = TGetFieldGroupType{
        [](void* data, const std::string& name, TColFieldGroupType& type) {
          const auto& groups = *static_cast<std::map<std::string, TColFieldGroupType>*>(data);
          if (const auto found = groups.find(name); found != groups.end()) type = found->second;
        },
        &groups_};
  }

  // Opens the source with these rows (cells in column order, nullopt for null) and builds.
  void Build(const std::vector<MemoryDataSet::Row>& rows, TBeginBuildTree build) {
    source.Close();
    for (const MemoryDataSet::Row& row : rows) source.AddRow(row);
    source.Open();
    tree->BeginBuildTree = build;
    tree->ParseDbDatas();
  }

  DataField* F(const std::string& name) { return columns.FieldByName(name); }
  std::string Cell(TsnTreeNode* node, const std::string& name) { return tree->GetCellValue(node, F(name)); }

  // Declared first so they outlive the tree, whose companions point at the fields.
  MemoryDataSet columns;
  MemoryDataSet source;

 private:
  std::map<std::string, TColFieldGroupType> groups_;

 public:
  std::unique_ptr<Tree> tree;
};

}  // namespace ruzi::treetest
