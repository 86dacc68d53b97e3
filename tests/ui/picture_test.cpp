// A picture holds its own copy of what it is given and reads files by the kind their extension
// names, as registered by other modules.
#include <gtest/gtest.h>

#include "error_text.h"
#include "ui/picture.h"

namespace ruzi {
namespace {

// A picture kind of the test's own: its "file" is its path, its size the path's length.
class PathPicture : public TGraphic {
 public:
  static inline int loads = 0;
  bool Empty() const override { return path_.empty(); }
  int Width() const override { return static_cast<int>(path_.size()); }
  int Height() const override { return 1; }
  void Draw(TCanvas&, const TRect&) override {}
  void LoadFromFile(const std::string& path) override {
    if (path.find("missing") != std::string::npos) throw Error("Cannot open " + path);
    ++loads;
    path_ = path;
    Changed();
  }
  TGraphic* Clone() const override {
    auto* copy = new PathPicture;
    copy->path_ = path_;
    return copy;
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

TEST(Picture, FilesAreReadByTheKindTheirExtensionNames) {
  RegisterFileFormat(".Pth", []() -> TGraphic* { return new PathPicture; });
  TPicture picture;
  int changes = 0;
  picture.OnChange = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &changes};
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
}

TEST(Picture, HoldsItsOwnCopy) {
  PathPicture original;
  original.LoadFromFile("one");
  TPicture picture, other;
  picture.Assign(&original);
  original.LoadFromFile("three");
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_NE(picture.Graphic(), &original);
  other.Assign(&picture);
  EXPECT_NE(other.Graphic(), picture.Graphic());
  EXPECT_EQ(other.Width(), 3);
  int changes = 0;
  other.OnChange = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &changes};
  static_cast<PathPicture*>(other.Graphic())->LoadFromFile("seven!!");
  EXPECT_EQ(changes, 1) << "a change of the held graphic is the picture's";
  other.Assign(nullptr);
  EXPECT_EQ(other.Graphic(), nullptr);
  EXPECT_EQ(other.Width(), 0);
}

}  // namespace
}  // namespace ruzi
