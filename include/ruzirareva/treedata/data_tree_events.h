#pragma once
// The data tree's events, each a {code, data} pair (foundation/method.h); an event without code
// is not called. They are called on the thread that builds, reads or edits the tree.
#include <cstdint>
#include <string>

#include "ruzirareva/foundation/method.h"
#include "ruzirareva/treedata/row_data_types.h"
#include "ruzirareva/treedata/tree_row_data.h"

namespace ruzi {

class DataField;
class TDBTreeNode;
class TsnTreeNode;

// Before a row is freed.
using TOnFreeRowData = TEvent<TTreeRowData*>;
// Sets the group type of the column of that (source) field name.
using TGetFieldGroupType = TEvent<const std::string&, TColFieldGroupType&>;
// After a data row is bound: its node, record number, position flag and investment types.
using TOnBindStock = TEvent<TsnTreeNode*, int32_t, uint8_t, const TInvestType&>;
// The application's tree-building procedure.
using TBeginBuildTree = TEvent<TDBTreeNode*>;
// The root row's value of a column.
using TGetRooterValue = TEvent<DataField*, std::string&>;
// Share-out of an edited group value over a child: set NewValue, or leave it at -1e17 to stop.
using TOnShareValue = TEvent<TsnTreeNode*, TsnTreeNode*, TColFieldGroupType, DataField*, double, double, double,
                             double, double&>;
using TOnAfterEditValue = TEvent<TsnTreeNode*, DataField*, const std::string&>;
// May refuse the edit (CanEdit) or change the new value.
using TOnBeforeEditValue = TEvent<TsnTreeNode*, DataField*, bool&, const std::string&, std::string&>;
// Clearing DefaultGetValue makes Value the cell's text (the group aggregate's).
using TOnGetFieldValue = TEvent<TsnTreeNode*, DataField*, std::string&, bool&>;
using TOnGetGroupValue = TEvent<TsnTreeNode*, DataField*, std::string&, bool&>;
// Clearing UseDefaultSort makes Compare the order of the two nodes.
using TOnNodeSort = TEvent<TsnTreeNode*, TsnTreeNode*, TsnTreeNode*, bool&, int32_t&>;
// Called for each row by BeginCalAllRow.
using TRowProc = TEvent<TTreeRowData*>;

}  // namespace ruzi
