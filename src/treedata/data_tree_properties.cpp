// The data tree's published properties and events.
#include <iterator>

#include "foundation/property_access.h"
#include "query/data_set.h"
#include "treedata/data_tree.h"

namespace ruzi {
namespace {

// The source query by its component name; a name is looked up among the components of the
// owner of the dataset the tree already knows (the source's, else the columns').
TPropertyInfo StockQryProperty() {
  return TPropertyInfo{
      "StockQry", TTypeKind::tkClass,
      [](const TPersistent& instance) {
        const DataSet* query = static_cast<const TDBTreeNode&>(instance).GetStockQry();
        return query != nullptr ? query->Name() : std::string();
      },
      [](TPersistent& instance, std::string_view text) {
        auto& tree = static_cast<TDBTreeNode&>(instance);
        if (text.empty()) {
          tree.SetStockQry(nullptr);
          return true;
        }
        for (const DataSet* known : {tree.GetStockQry(), tree.GetDataSet()}) {
          if (known == nullptr || known->Owner() == nullptr) continue;
          if (auto* found = dynamic_cast<DataSet*>(known->Owner()->FindComponent(std::string(text)))) {
            tree.SetStockQry(found);
            return true;
          }
        }
        return false;
      }};
}

}  // namespace

const TPropertyTable* TDBTreeNode::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TDBTreeNode::GetFieldOperType, &TDBTreeNode::SetFieldOperType>("FieldOperType"),
      StockQryProperty(),
      PublishedReadOnly<&TDBTreeNode::GetFieldCount>("FieldCount"),
      Published<&TDBTreeNode::GetOnlySortDataNode, &TDBTreeNode::SetOnlySortDataNode>("OnlySortDataNode"),
      PublishedReadOnly<&TDBTreeNode::GetRecordCount>("RecordCount"),
      Published<&TDBTreeNode::GetRefreshReadOnly, &TDBTreeNode::SetRefreshReadOnly>("RefreshReadOnly")};
  static const TEventInfo events[] = {PublishedEvent<&TDBTreeNode::OnFreeRowNode>("OnFreeRowNode"),
                                      PublishedEvent<&TDBTreeNode::OnGetFieldGroupType>("OnGetFieldGroupType"),
                                      PublishedEvent<&TDBTreeNode::BeginBuildTree>("BeginBuildTree"),
                                      PublishedEvent<&TDBTreeNode::OnGetRooterValue>("OnGetRooterValue"),
                                      PublishedEvent<&TDBTreeNode::OnShareValue>("OnShareValue"),
                                      PublishedEvent<&TDBTreeNode::OnGetFieldValue>("OnGetFieldValue"),
                                      PublishedEvent<&TDBTreeNode::OnBeforeEditValue>("OnBeforeEditValue"),
                                      PublishedEvent<&TDBTreeNode::OnAfterEditValue>("OnAfterEditValue"),
                                      PublishedEvent<&TDBTreeNode::OnGetGroupValue>("OnGetGroupValue"),
                                      PublishedEvent<&TDBTreeNode::OnBindStock>("OnBindStock")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

}  // namespace ruzi
