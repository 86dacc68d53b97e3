// The portable halves of the common controls: picture placement, lists published as text,
// tree indentation, page switching, scroll boxes and tool bar layout (a track bar's range is a
// script of tests/data/uia_property_scripts.txt).
// Pictures hold their own copy of what they are given and read files by the kind their extension
// names, as registered by other modules.
#include <gtest/gtest.h>

#include <memory>

#include "error_text.h"
#include "foundation/class_registry.h"
#include "foundation/error.h"
#include "foundation/property_access.h"
#include "ui/header_control.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/picture.h"
#include "ui/scroll_box.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"
#include "ui/ui_classes.h"
#include "ui_fixtures.h"
#include "vector_file.h"

namespace ruzi {
namespace {

TEST(CommonControls, ImagePlacementFollowsStretchCenterAndProportional) {
  testing::CheckAnswers("ui_image_placements.txt", {{"place", [](const std::vector<std::string>& a) {
                                                       const auto n = [&](size_t i) { return std::stoi(a.at(i)); };
                                                       return testing::RectText(ImageDestRect(TSize{100, 100}, TSize{n(0), n(1)}, n(2), n(3), n(4)));
                                                     }}});
}

TEST(CommonControls, ListsReadBackAsWrittenAndReportEachChange) {
  RegisterUiClasses();
  for (const testing::VectorCase& c : testing::ReadVectors("ui_list_texts.txt")) {
    std::unique_ptr<TComponent> control(CreateComponent(c.at(0), nullptr));
    SetPropText(*control, c.at(1), c.at(2));
    EXPECT_EQ(GetPropText(*control, c[1]), c.at(3)) << c[0] << " " << c[2];
  }
  int changes = 0;
  TSections sections(TEvent<>{[](void* count) { ++*static_cast<int*>(count); }, &changes});
  TSection& first = sections.Add("a", 10);
  sections.Add("b", 20);
  first.SetText("a");  // no change
  first.SetWidth(11);
  sections.Delete(1);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(sections.AsText(), "a\t11");
  EXPECT_THROW(sections.Items(1), Error);
}

TEST(CommonControls, TreeNodesKnowTheirPlace) {
  TTreeView view;
  SetPropText(view, "Items", "a\n\tb\n\t\tc\n\td\ne");
  TTreeNodes& nodes = view.Items();
  EXPECT_EQ(nodes.Count(), 5);
  EXPECT_EQ(nodes.RootCount(), 2);
  TTreeNode* d = nodes.Root(0)->Item(1);
  EXPECT_EQ(d->Text(), "d");
  EXPECT_EQ(d->Index(), 1);
  EXPECT_EQ(d->Level(), 1);
  EXPECT_EQ(nodes.Root(0)->Item(0)->Item(0)->Level(), 2);
  nodes.Add(d, "d2");
  nodes.AddChild(nullptr, "f");
  nodes.Delete(nodes.Root(0)->Item(0));  // b and c with it
  EXPECT_EQ(GetPropText(view, "Items"), "a\r\n\td\r\n\td2\r\ne\r\nf");
  TTreeView other;
  TTreeNode* stranger = other.Items().AddChild(nullptr, "x");
  EXPECT_THROW(nodes.AddChild(stranger, "y"), Error);
}

TEST(CommonControls, OnePageShowsAndTabsSkipHiddenOnes) {
  TPageControl pages;
  TTabSheet* sheets[3];
  for (int i = 0; i < 3; ++i) {
    sheets[i] = new TTabSheet(&pages);
    sheets[i]->SetName("Sheet" + std::to_string(i));
    sheets[i]->SetPageControl(&pages);
  }
  auto shown = [&] {
    std::string which;
    for (int i = 0; i < pages.PageCount(); ++i) which += pages.Pages(i)->Visible() ? '1' : '0';
    return which;
  };
  EXPECT_EQ(pages.ActivePage(), sheets[0]) << "the first page shows";
  EXPECT_EQ(shown(), "100");
  SetPropText(pages, "ActivePage", "sheet2");
  EXPECT_EQ(shown(), "001");
  EXPECT_EQ(GetPropText(pages, "ActivePageIndex"), "2");
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(sheets[2]->TabIndex(), 1);
  EXPECT_EQ(sheets[1]->TabIndex(), -1);
  SetPropText(*sheets[2], "PageIndex", "0");
  EXPECT_EQ(pages.Pages(0), sheets[2]);
  EXPECT_EQ(sheets[0]->PageIndex(), 1);
  EXPECT_EQ(sheets[2]->TabIndex(), 0);
  delete sheets[2];  // the active page: the one after it takes over
  EXPECT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(pages.ActivePage(), sheets[0]);
  EXPECT_EQ(shown(), "10");
  TTabSheet stray;
  EXPECT_THROW(pages.SetActivePage(&stray), Error);
  EXPECT_EQ(sheets[0]->BoundsRect(), pages.DisplayRect());
}

TEST(CommonControls, AScrollBoxScrollsItsControlsWithinItsRange) {
  TScrollBox box;
  box.SetBounds(0, 0, 100, 100);
  auto* distant = new TImage(&box);
  distant->SetBounds(150, 250, 50, 50);
  distant->SetParent(&box);
  EXPECT_EQ(box.ScrollRange(), (TSize{100, 200}));
  box.ScrollTo(30, 500);
  EXPECT_EQ(box.VertPosition(), 200);
  EXPECT_EQ(distant->Left(), 120);
  EXPECT_EQ(distant->Top(), 50);
  EXPECT_EQ(box.ScrollRange(), (TSize{100, 200})) << "the range does not drift as the controls move";
  box.ScrollTo(0, 0);
  EXPECT_EQ(distant->BoundsRect(), (TRect{150, 250, 200, 300}));
}

TEST(CommonControls, ToolButtonsLineUpInOrder) {
  TToolBar bar;
  bar.SetButtonWidth(30);
  bar.SetIndent(4);
  std::vector<TToolButton*> buttons;
  const TToolButtonStyle styles[] = {TToolButtonStyle::tbsButton, TToolButtonStyle::tbsSeparator,
                                     TToolButtonStyle::tbsCheck, TToolButtonStyle::tbsButton};
  for (TToolButtonStyle style : styles) {
    auto* button = new TToolButton(&bar);
    button->SetStyle(style);
    button->SetParent(&bar);
    buttons.push_back(button);
  }
  auto lefts = [&] {
    std::string text;
    for (TToolButton* button : buttons) text += std::to_string(button->Left()) + " ";
    return text;
  };
  EXPECT_EQ(lefts(), "4 34 42 72 ");
  buttons[1]->SetStyle(TToolButtonStyle::tbsButton);
  EXPECT_EQ(lefts(), "4 34 64 94 ");
  delete buttons[0];
  buttons.erase(buttons.begin());
  EXPECT_EQ(lefts(), "4 34 64 ") << "the others close up";
  for (int click = 0; click < 3; ++click) buttons[1]->Click();
  EXPECT_TRUE(buttons[1]->Down()) << "a check button toggles on each click";
  buttons[0]->Click();
  EXPECT_FALSE(buttons[0]->Down());
}

// A picture kind of the test's own: its "file" is its path, its size the path's length.
class PathPicture : public TGraphic {
 public:
  bool Empty() const override { return path_.empty(); }
  int Width() const override { return static_cast<int>(path_.size()); }
  int Height() const override { return 1; }
  void Draw(TCanvas&, const TRect&) override {}
  void LoadFromFile(const std::string& path) override {
    if (path.find("missing") != std::string::npos) throw Error("Cannot open " + path);
    path_ = path;
    Changed();
  }
  TGraphic* Clone() const override {
    auto* copy = new PathPicture;
    copy->path_ = path_;
    return copy;
  }

 private:
  std::string path_;
};

TEST(Picture, FilesAreReadByTheKindTheirExtensionNamesAndItHoldsItsOwnCopy) {
  RegisterFileFormat(".Pth", []() -> TGraphic* { return new PathPicture; });
  TPicture picture, other;
  int changes = 0;
  picture.OnChange = testing::Counting(&changes);
  picture.LoadFromFile("C:\\pictures\\a.b\\logo.PTH");
  ASSERT_NE(dynamic_cast<PathPicture*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 24);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(testing::ErrorOf([&] { picture.LoadFromFile("C:\\pictures\\logo.xyz"); }),
            "Unknown picture file extension (.xyz)");
  EXPECT_EQ(testing::ErrorOf([&] { picture.LoadFromFile("C:\\pictures.pth\\logo"); }),
            "Unknown picture file extension ()");
  EXPECT_EQ(testing::ErrorOf([&] { picture.LoadFromFile("missing.pth"); }), "Cannot open missing.pth");
  EXPECT_EQ(picture.Width(), 24) << "a failed read leaves the picture as it was";
  EXPECT_EQ(changes, 1);
  // Copies: of a graphic given, and of another picture's.
  PathPicture original;
  original.LoadFromFile("one");
  picture.Assign(&original);
  original.LoadFromFile("three");
  EXPECT_EQ(picture.Width(), 3);
  other.Assign(&picture);
  EXPECT_NE(other.Graphic(), picture.Graphic());
  EXPECT_EQ(other.Width(), 3);
  const int before = changes;
  static_cast<PathPicture*>(picture.Graphic())->LoadFromFile("seven!!");
  EXPECT_EQ(changes, before + 1) << "a change of the held graphic is the picture's";
  other.Assign(nullptr);
  EXPECT_EQ(other.Graphic(), nullptr);
  EXPECT_EQ(other.Width(), 0);
}

}  // namespace
}  // namespace ruzi
