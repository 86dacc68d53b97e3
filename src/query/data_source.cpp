#include "query/data_source.h"

#include <algorithm>

#include "query/data_link.h"
#include "query/data_set.h"

namespace ruzi {

DataSource::DataSource(TComponent* owner) : TComponent(owner) {}

DataSource::~DataSource() {
  SetDataSet(nullptr);
  while (!links_.empty()) links_.back()->SetDataSource(nullptr);
}

void DataSource::SetDataSet(DataSet* data_set) {
  if (data_set == data_set_) return;
  if (data_set_ != nullptr) data_set_->RemoveDataSource(this);
  data_set_ = data_set;
  if (data_set_ != nullptr) data_set_->AddDataSource(this);
  for (DataLink* link : std::vector<DataLink*>(links_)) link->UpdateState();
}

void DataSource::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  for (DataLink* link : std::vector<DataLink*>(links_)) link->UpdateState();
}

TDataSetState DataSource::State() const {
  if (data_set_ == nullptr || !enabled_) return dsInactive;
  return data_set_->GetState();
}

void DataSource::DataEvent(TDataEvent event, intptr_t info) {
  if (!enabled_) return;
  for (DataLink* link : std::vector<DataLink*>(links_)) link->DataEvent(event, info);
}

int DataSource::MaxBufferCount() const {
  int most = 0;
  for (const DataLink* link : links_) most = std::max(most, link->BufferCount());
  return most;
}

void DataSource::AddLink(DataLink* link) {
  links_.push_back(link);
  if (data_set_ != nullptr) data_set_->UpdateBufferCount();
}

void DataSource::RemoveLink(DataLink* link) {
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
  if (data_set_ != nullptr) data_set_->UpdateBufferCount();
}

}  // namespace ruzi
