#pragma once
// What a data-aware control holds: a view of BufferCount consecutive records of a dataset,
// moving with the dataset's cursor so that the active record is always inside it. The view is
// as full as the dataset allows. A control overrides the notice methods it needs; while a link
// shows row I of its view (SetActiveRecord), the dataset's fields read that row.
// Not thread-safe.
#include <cstdint>

#include "ruzirareva/export.h"
#include "ruzirareva/query/data_set_types.h"

namespace ruzi {

class DataSource;

class RUZI_API DataLink {
 public:
  DataLink() = default;
  virtual ~DataLink();
  DataLink(const DataLink&) = delete;
  DataLink& operator=(const DataLink&) = delete;

  DataSource* GetDataSource() const { return source_; }
  void SetDataSource(DataSource* source);
  DataSet* GetDataSet() const;
  // True while the dataset is open and reachable.
  bool Active() const { return active_; }
  bool Editing() const { return editing_; }

  int BufferCount() const { return buffer_count_; }
  // At least 1; the dataset's window grows to the largest count of its links.
  void SetBufferCount(int count);
  // Rows of the view holding records, and the view's row of the dataset's active record.
  int RecordCount() const;
  int ActiveRecord() const;
  // Makes row `row` of the view the dataset's active record, for reading its fields.
  void SetActiveRecord(int row);
  // The view's first row in the dataset's window.
  int FirstRecord() const { return first_record_; }

  // Puts the dataset into edit mode; false when it cannot be edited.
  bool Edit();
  int MoveBy(int distance);
  bool Bof() const;
  bool Eof() const;

  // Called by the data source.
  void DataEvent(TDataEvent event, intptr_t info);

 protected:
  virtual void ActiveChanged() {}
  virtual void DataSetChanged() {}
  virtual void DataSetScrolled(int distance) { (void)distance; DataSetChanged(); }
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void RecordChanged(DataField* field) { (void)field; }
  virtual void EditingChanged() {}
  virtual void UpdateData() {}
  virtual void CheckBrowseMode() {}

 private:
  friend class DataSource;
  void UpdateState();
  // Moves the view after the window shifted by `shift` rows; returns how far the view moved
  // relative to its records.
  int FollowWindow(int shift);

  DataSource* source_ = nullptr;
  int buffer_count_ = 1;
  int first_record_ = 0;
  bool active_ = false;
  bool editing_ = false;
};

}  // namespace ruzi
