#pragma once
// The meeting point of one dataset and the data links that show it: a dataset tells each of
// its sources what happened, and each source tells its links. Not thread-safe.
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/query/data_set_types.h"

namespace ruzi {

class DataLink;

class RUZI_API DataSource : public TComponent {
  RUZI_CLASS_RECORD(DataSource, TComponent::ClassRecord())

 public:
  explicit DataSource(TComponent* owner = nullptr);
  ~DataSource() override;

  DataSet* GetDataSet() const { return data_set_; }
  // Links the source to another dataset (or none); its links follow.
  void SetDataSet(DataSet* data_set);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The dataset's state; dsInactive without a dataset or while disabled.
  TDataSetState State() const;

  // Called by the dataset.
  void DataEvent(TDataEvent event, intptr_t info);
  // The largest window any link asks for (0 with no links).
  int MaxBufferCount() const;

 private:
  friend class DataLink;
  void AddLink(DataLink* link);
  void RemoveLink(DataLink* link);

  DataSet* data_set_ = nullptr;
  bool enabled_ = true;
  std::vector<DataLink*> links_;
};

}  // namespace ruzi
