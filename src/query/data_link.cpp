#include "query/data_link.h"

#include <algorithm>

#include "query/data_set.h"
#include "query/data_source.h"

namespace ruzi {

DataLink::~DataLink() {
  if (source_ != nullptr) source_->RemoveLink(this);
}

void DataLink::SetDataSource(DataSource* source) {
  if (source == source_) return;
  if (source_ != nullptr) source_->RemoveLink(this);
  source_ = source;
  if (source_ != nullptr) source_->AddLink(this);
  UpdateState();
}

DataSet* DataLink::GetDataSet() const { return source_ != nullptr ? source_->GetDataSet() : nullptr; }

void DataLink::SetBufferCount(int count) {
  count = std::max(1, count);
  if (count == buffer_count_) return;
  buffer_count_ = count;
  if (DataSet* data_set = GetDataSet()) data_set->UpdateBufferCount();
  if (active_) FollowWindow(0);
}

int DataLink::RecordCount() const {
  if (!active_) return 0;
  return std::max(0, std::min(buffer_count_, GetDataSet()->WindowRecordCount() - first_record_));
}

int DataLink::ActiveRecord() const {
  if (!active_) return 0;
  return GetDataSet()->ActiveRecordIndex() - first_record_;
}

void DataLink::SetActiveRecord(int row) {
  if (active_) GetDataSet()->SetActiveRecordIndex(first_record_ + row);
}

bool DataLink::Edit() {
  if (!active_) return false;
  DataSet* data_set = GetDataSet();
  if (!data_set->GetCanModify()) return false;
  data_set->Edit();
  return editing_;
}

int DataLink::MoveBy(int distance) { return active_ ? GetDataSet()->MoveBy(distance) : 0; }
bool DataLink::Bof() const { return !active_ || GetDataSet()->GetBof(); }
bool DataLink::Eof() const { return !active_ || GetDataSet()->GetEof(); }

void DataLink::UpdateState() {
  const TDataSetState state = source_ != nullptr ? source_->State() : dsInactive;
  const bool active = state != dsInactive && state != dsOpening;
  if (active != active_) {
    active_ = active;
    first_record_ = 0;
    if (active_) FollowWindow(0);
    ActiveChanged();
  }
  const bool editing = active_ && (state == dsEdit || state == dsInsert);
  if (editing != editing_) {
    editing_ = editing;
    EditingChanged();
  }
}

int DataLink::FollowWindow(int shift) {
  const DataSet* data_set = GetDataSet();
  const int active = data_set->ActiveRecordIndex();
  const int before = first_record_ + shift;
  int first = before;
  if (active > first + buffer_count_ - 1) first = active - buffer_count_ + 1;
  if (active < first) first = active;
  // As full as the window allows: never fewer rows than the window could show.
  first = std::min(first, std::max(0, data_set->WindowRecordCount() - buffer_count_));
  first_record_ = std::max(0, first);
  return first_record_ - before;
}

void DataLink::DataEvent(TDataEvent event, intptr_t info) {
  if (event == deUpdateState) {
    UpdateState();
    return;
  }
  if (!active_) return;
  switch (event) {
    case deFieldChange:
    case deRecordChange: RecordChanged(reinterpret_cast<DataField*>(info)); break;
    case deDataSetChange:
      FollowWindow(0);
      DataSetChanged();
      break;
    case deDataSetScroll: DataSetScrolled(FollowWindow(static_cast<int>(info))); break;
    case deLayoutChange:
      FollowWindow(0);
      LayoutChanged();
      break;
    case deUpdateRecord: UpdateData(); break;
    case deCheckBrowseMode: CheckBrowseMode(); break;
    default: break;
  }
}

}  // namespace ruzi
