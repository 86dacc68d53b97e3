#pragma once
// The system's tree view over a tree of TTreeNode held by its Items. The window follows every
// change, or, between BeginUpdate and EndUpdate, once at the end. As text, Items is one line per
// node in tree order, indented by one tab per level. Selected follows the window's
// notifications: OnChanging may refuse a new selection before it happens, OnChange tells it
// after. User-interface thread only.
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/update_batch.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class TTreeNode;
class TTreeNodes;

// The sender and the node now selected (nullptr: none).
using TTVChangedEvent = TEvent<TPersistent*, TTreeNode*>;
// The sender, the node about to be selected, and whether that may happen (preset true).
using TTVChangingEvent = TEvent<TPersistent*, TTreeNode*, bool&>;

class RUZI_API TTreeNode {
 public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;
  ~TTreeNode();

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  bool Expanded() const { return expanded_; }
  void SetExpanded(bool expanded);
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }
  // The parent node, nullptr for a top-level one.
  TTreeNode* Parent() const;
  int Count() const { return static_cast<int>(children_.size()); }
  // Raises ruzi::Error for an index out of bounds.
  TTreeNode* Item(int index) const;
  // The place among its siblings, and the depth (0 for a top-level node).
  int Index() const;
  int Level() const;

 private:
  friend class TTreeNodes;
  friend class TTreeView;
  TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text)
      : owner_(owner), parent_(parent), text_(std::move(text)) {}

  TTreeNodes* owner_;
  TTreeNode* parent_;  // the hidden root for a top-level node
  std::string text_;
  bool expanded_ = false;
  void* data_ = nullptr;
  std::vector<std::unique_ptr<TTreeNode>> children_;
};

class RUZI_API TTreeNodes {
 public:
  // `changed` after every change; `deleting` for each node about to be freed.
  explicit TTreeNodes(TEvent<> changed, TEvent<TTreeNode*> deleting = {});
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;
  ~TTreeNodes();

  // Every node.
  int Count() const;
  // The top-level nodes.
  int RootCount() const { return root_.Count(); }
  TTreeNode* Root(int index) const { return root_.Item(index); }
  // A new last child of `parent` (nullptr: a new top-level node).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  // A new last sibling of `sibling` (nullptr: a new top-level node).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  // Frees the node and everything under it.
  void Delete(TTreeNode* node);
  void Clear();

  std::string AsText() const;
  void SetAsText(const std::string& text);

 private:
  friend class TTreeNode;
  void Changed() { changed_(); }

  TEvent<TTreeNode*> deleting_;  // before root_: the nodes still call it as root_ goes
  TTreeNode root_;
  TEvent<> changed_;
};

class RUZI_API TTreeView : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TTreeView, TWinControl::ClassRecord())

 public:
  explicit TTreeView(TComponent* owner = nullptr);

  TTreeNodes& Items() { return items_; }
  std::string ItemsText() const { return items_.AsText(); }
  void SetItemsText(const std::string& text) { items_.SetAsText(text); }
  bool ShowLines() const { return show_lines_; }
  void SetShowLines(bool show);
  bool ShowRoot() const { return show_root_; }
  void SetShowRoot(bool show);
  // The selected node, or nullptr. Setting it selects the node in the window (whose
  // notifications then run the events, OnChanging possibly refusing).
  TTreeNode* Selected() const { return selected_; }
  void SetSelected(TTreeNode* node);

  TTVChangingEvent OnChanging;
  TTVChangedEvent OnChange;

  void BeginUpdate() { batch_.Begin(); }
  void EndUpdate() { batch_.End(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  // A reflected TVN_SELCHANGING or TVN_SELCHANGED, with the node it is about.
  struct TSelectionNotice {
    enum { None, Changing, Changed } Kind = None;
    TTreeNode* Node = nullptr;
  };

  void ShowContents();
  void Recreate();
  void NodeDeleting(TTreeNode* node);
  // The Win32 half: the nodes shown again (the selection kept); a node selected.
  void UpdateWindowContents();
  void SelectInWindow(TTreeNode* node);
  TSelectionNotice SelectionNotice(const TMessage& message) const;

  TTreeNodes items_;
  bool show_lines_ = true;
  bool show_root_ = true;
  TTreeNode* selected_ = nullptr;
  bool filling_window_ = false;  // the window's own notices while it is filled are not the user's
  TUpdateBatch batch_;
};

}  // namespace ruzi
