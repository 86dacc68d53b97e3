#pragma once
// What a data grid shows: rows by columns of text, from any supplier (the tree dataset plugs in
// here), and the grid's data source, which holds the supplier (DataSet) and tells the grid when
// the rows changed. TGridTextRows keeps rows in memory. Belongs to the thread of the grid.
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"

namespace ruzi {

class RUZI_API IGridRows {
 public:
  virtual ~IGridRows() = default;
  // The supplier's class name ("TQXTreeQry" marks a tree grid).
  virtual std::string ClassName() const = 0;
  virtual int RowCount() const = 0;
  virtual int FieldCount() const = 0;
  virtual std::string FieldName(int field) const = 0;
  virtual std::string CellText(int row, int field) const = 0;
  // The field of that name (letter case ignored), or -1.
  int FieldIndex(const std::string& name) const;
};

class RUZI_API TGridTextRows : public IGridRows {
 public:
  explicit TGridTextRows(std::vector<std::string> field_names = {}) : names_(std::move(field_names)) {}

  std::string ClassName() const override { return "TGridTextRows"; }
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  int FieldCount() const override { return static_cast<int>(names_.size()); }
  std::string FieldName(int field) const override { return names_.at(static_cast<size_t>(field)); }
  // Empty for a field the row lacks.
  std::string CellText(int row, int field) const override;
  void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  void Clear() { rows_.clear(); }

 private:
  std::vector<std::string> names_;
  std::vector<std::vector<std::string>> rows_;
};

class RUZI_API TGridDataSource {
 public:
  IGridRows* DataSet() const { return data_set_; }
  // Shows another supplier (nullptr: none); the grid redraws.
  void SetDataSet(IGridRows* data_set);
  // The supplier's rows changed.
  void DataChanged() { OnDataChange(nullptr); }

  TNotifyEvent OnDataChange;

 private:
  IGridRows* data_set_ = nullptr;
};

}  // namespace ruzi
