#include "ui/tree_view.h"

#include <algorithm>
#include <iterator>

#include "foundation/error.h"
#include "ui/control_messages.h"
#include "ui/tab_text.h"

namespace ruzi {
namespace {

constexpr uint32_t kHasButtons = 0x1, kHasLines = 0x2, kLinesAtRoot = 0x4, kShowSelectionAlways = 0x20;
constexpr uint32_t kClientEdge = 0x200;

int CountUnder(const TTreeNode& node) {
  int count = node.Count();
  for (int index = 0; index < node.Count(); ++index) count += CountUnder(*node.Item(index));
  return count;
}

void WriteLines(const TTreeNode& node, int level, TTabRows& rows) {
  for (int index = 0; index < node.Count(); ++index) {
    const TTreeNode& child = *node.Item(index);
    rows.emplace_back(static_cast<size_t>(level), std::string());
    rows.back().push_back(child.Text());
    WriteLines(child, level + 1, rows);
  }
}

}  // namespace

TTreeNode::~TTreeNode() { owner_->deleting_(this); }

void TTreeNode::SetText(const std::string& text) {
  text_ = text;
  owner_->Changed();
}

void TTreeNode::SetExpanded(bool expanded) {
  if (expanded == expanded_) return;
  expanded_ = expanded;
  owner_->Changed();
}

TTreeNode* TTreeNode::Parent() const { return parent_ == &owner_->root_ ? nullptr : parent_; }

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) throw Error("Tree node index out of bounds (" + std::to_string(index) + ")");
  return children_[static_cast<size_t>(index)].get();
}

int TTreeNode::Index() const {
  if (parent_ == nullptr) return -1;
  const auto& siblings = parent_->children_;
  auto found = std::find_if(siblings.begin(), siblings.end(), [this](const auto& node) { return node.get() == this; });
  return static_cast<int>(found - siblings.begin());
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* up = Parent(); up != nullptr; up = up->Parent()) ++level;
  return level;
}

TTreeNodes::TTreeNodes(TEvent<> changed, TEvent<TTreeNode*> deleting)
    : deleting_(deleting), root_(this, nullptr, std::string()), changed_(changed) {}

// Whoever listens may be going too: the nodes that go with the list are announced to no one.
TTreeNodes::~TTreeNodes() { deleting_ = {}; }

int TTreeNodes::Count() const { return CountUnder(root_); }

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  TTreeNode* under = parent != nullptr ? parent : &root_;
  if (under->owner_ != this) throw Error("The node belongs to another tree");
  under->children_.push_back(std::unique_ptr<TTreeNode>(new TTreeNode(this, under, text)));
  Changed();
  return under->children_.back().get();
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  return AddChild(sibling != nullptr ? sibling->Parent() : nullptr, text);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (node == nullptr || node->owner_ != this || node == &root_) return;
  auto& siblings = node->parent_->children_;
  siblings.erase(siblings.begin() + node->Index());
  Changed();
}

void TTreeNodes::Clear() {
  root_.children_.clear();
  Changed();
}

std::string TTreeNodes::AsText() const {
  TTabRows rows;
  WriteLines(root_, 0, rows);
  return JoinTabText(rows);
}

void TTreeNodes::SetAsText(const std::string& text) {
  root_.children_.clear();
  TTreeNode* last = &root_;  // the node of the line before
  int last_level = -1;
  for (const auto& row : SplitTabText(text)) {
    // Leading empty fields are the indent; the rest (tabs inside kept) is the text.
    size_t level = 0;
    while (level + 1 < row.size() && row[level].empty()) ++level;
    std::string node_text = row[level];
    for (size_t field = level + 1; field < row.size(); ++field) node_text += '\t' + row[field];
    // A line indented deeper than one step under the line before hangs one step under it.
    int depth = std::min(static_cast<int>(level), last_level + 1);
    TTreeNode* parent = last;
    for (int up = last_level; up >= depth; --up) parent = parent->parent_;
    parent->children_.push_back(std::unique_ptr<TTreeNode>(new TTreeNode(this, parent, node_text)));
    last = parent->children_.back().get();
    last_level = depth;
  }
  Changed();
}

const TPropertyTable* TTreeView::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TTreeView::ItemsText, &TTreeView::SetItemsText>("Items"),
      Published<&TTreeView::ShowLines, &TTreeView::SetShowLines>("ShowLines"),
      Published<&TTreeView::ShowRoot, &TTreeView::SetShowRoot>("ShowRoot")};
  static const TEventInfo events[] = {PublishedEvent<&TTreeView::OnChange>("OnChange"),
                                      PublishedEvent<&TTreeView::OnChanging>("OnChanging")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TTreeView::TTreeView(TComponent* owner)
    : TWinControl(owner),
      items_(TEvent<>{[](void* view) { static_cast<TTreeView*>(view)->batch_.Changed(); }, this},
             TEvent<TTreeNode*>{[](void* view, TTreeNode* node) { static_cast<TTreeView*>(view)->NodeDeleting(node); },
                                this}),
      batch_(TEvent<>{[](void* view) { static_cast<TTreeView*>(view)->ShowContents(); }, this}) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

void TTreeView::Recreate() {
  if (!HandleAllocated()) return;
  // What the old window says as its items go is not a change of the selection.
  TTreeNode* keep = selected_;
  filling_window_ = true;
  DestroyHandle();
  filling_window_ = false;
  selected_ = keep;
  Handle();
}

void TTreeView::SetShowLines(bool show) {
  show_lines_ = show;
  Recreate();
}

void TTreeView::SetShowRoot(bool show) {
  show_root_ = show;
  Recreate();
}

void TTreeView::SetSelected(TTreeNode* node) {
  if (node != nullptr && node->owner_ != &items_) throw Error("The node belongs to another tree");
  if (HandleAllocated()) {
    SelectInWindow(node);
  } else {
    selected_ = node;
  }
}

void TTreeView::NodeDeleting(TTreeNode* node) {
  if (node == selected_) selected_ = nullptr;
}

void TTreeView::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const TSelectionNotice notice = SelectionNotice(message);
    if (notice.Kind == TSelectionNotice::Changing) {
      bool allow = true;
      if (!filling_window_) OnChanging(this, notice.Node, allow);
      message.Result = allow ? 0 : 1;  // non-zero keeps the old selection
      return;
    }
    if (notice.Kind == TSelectionNotice::Changed) {
      selected_ = notice.Node;
      if (!filling_window_) OnChange(this, notice.Node);
      message.Result = 0;
      return;
    }
  }
  TWinControl::WndProc(message);
}

void TTreeView::ShowContents() {
  if (HandleAllocated()) UpdateWindowContents();
}

void TTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "SysTreeView32";
  params.Style |= kHasButtons | kShowSelectionAlways | (show_lines_ ? kHasLines : 0) | (show_root_ ? kLinesAtRoot : 0);
  params.ExStyle |= kClientEdge;
}

void TTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindowContents();
}

}  // namespace ruzi
