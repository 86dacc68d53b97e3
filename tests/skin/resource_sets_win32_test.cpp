// Every resource set filled from face_diag.dll: each slot holds the image of its own name,
// together they load the manifest's images but those the skinners draw themselves (which the
// library answers too), a second request loads nothing, and
// FreeAllRes empties the sets, which fill again on their next request.
#include <gtest/gtest.h>

#include <algorithm>

#include <functional>
#include <set>

#include "platform/environment.h"
#include "ruzirareva/skin/hm_skin_png_class.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "skin/diag_skin.h"
#include "skin/skin_manifest.h"

namespace ruzi {
namespace {

struct Accessor {
  const char* name;
  std::function<TResBase*()> get;
};

// Every set by its accessor.
#define A(get) Accessor{#get, [] { return static_cast<TResBase*>(get()); }}
const std::vector<Accessor>& Accessors() {
  static const std::vector<Accessor> accessors = {
      A(GetResQxForm), A(GetResText), A(GetResDisText), A(GetResEnterText), A(GetResCombo), A(GetResCheckCombo),
      A(GetResButton), A(GetResButton_green), A(GetResButton_green_new), A(GetResButton_red_new),
      A(GetResButton_blue_new), A(GetResButton_new), A(GetResButton_SaleMore), A(GetResButton_BuyMore),
      A(GetResButton_ClosePositionMore), A(GetResButton_blue), A(GetResButton_red), A(GetResBitBtn),
      A(GetResSpeedBtn), A(GetResSpeedBtn_gray), A(GetResPanel), A(GetResListBox), A(GetResQxListBox),
      A(GetResScrollBar), A(GetResTreeView), A(GetResListView), A(GetResdxTreeList), A(GetResPageGuide),
      A(GetResCheckListBox), A(GetResSpinEdit), A(GetResVirtualStringTree), A(GetResCheckableDBGrid),
      A(GetResStringGrid), A(GetResMemo), A(GetResRichEdit), A(GetResBcEdit), A(GetResStaticText), A(GetResGroupBox),
      A(GetResDateTimePicker), A(GetResLabel), A(GetResdxDbGrid), A(GetResLabeledEdit), A(GetResScrollBox),
      A(GetResqrLabel), A(GetResRadioGroup), A(GetResTrackBar), A(GetResQxEdit), A(GetResQxDateTimePicker),
      A(GetResPopupMenu)};
  return accessors;
}
#undef A

// The image in a slot is the face library's image of that name, decoded once, of the look's
// size and premultiplied colour.
void ExpectOwnImage(const FaceImage* image, const std::string& name, const char* accessor) {
  ASSERT_NE(image, nullptr) << accessor << " " << name;
  EXPECT_EQ(image, Skinresmanager::LoadSkinPng(name)) << accessor << " " << name;
  const skin::DiagImageLook look = skin::DiagImage(name);
  const auto premultiplied = [&](uint8_t channel) { return (channel * look.alpha + 127) / 255; };
  EXPECT_EQ((std::vector<int>{image->width, image->height, image->bgra[0], image->bgra[1], image->bgra[2], image->bgra[3]}),
            (std::vector<int>{look.width, look.height, premultiplied(look.blue), premultiplied(look.green), premultiplied(look.red), look.alpha}))
      << name;
}

// Every slot, then slots by their meaning, then a set emptied and refilled.
TEST(ResourceSets, EverySlotHoldsTheImageOfItsNameAndTogetherTheManifestAndEmptiedSetsRefill) {
  platform::SetEnvironment("FaceDllName", "face_diag.dll");
  std::set<std::string> loaded;
  for (const Accessor& accessor : Accessors()) {
    const TResBase* set = accessor.get();
    ASSERT_NE(set, nullptr) << accessor.name;
    EXPECT_EQ(set->FillCount(), 1) << accessor.name;
    for (size_t slot = 0; slot < set->Images().size(); ++slot) {
      const std::string& name = set->ImageNames()[slot];
      if (name.empty()) {
        EXPECT_EQ(set->Images()[slot], nullptr) << accessor.name << " slot " << slot;
        continue;
      }
      ExpectOwnImage(set->Images()[slot], name, accessor.name);
      loaded.insert(name);
    }
  }
  std::set<std::string> manifest;
  for (const skin::ManifestEntry& entry : skin::LibraryManifest()) {
    if (entry.kind == skin::ManifestEntry::Kind::kImage) manifest.insert(entry.attribute);
  }
  // The rest of the manifest is drawn by the skinners themselves, not through a set.
  const std::string drawn_elsewhere[] = {"png.checkbox.", "png.radiobutton.", "png.common.statusbar.",
                                         "png.pagecontrol.", "png_scroll_", "png_popup_", "png_prompt_"};
  const auto elsewhere = [&](const std::string& name) {
    return std::any_of(std::begin(drawn_elsewhere), std::end(drawn_elsewhere),
                       [&](const std::string& prefix) { return name.starts_with(prefix); });
  };
  for (const std::string& name : loaded) {
    EXPECT_TRUE(manifest.count(name)) << name << " is requested but not in the manifest";
    EXPECT_FALSE(elsewhere(name)) << name;
  }
  size_t unrequested = 0;
  for (const std::string& name : manifest) {
    if (loaded.count(name)) continue;
    unrequested += elsewhere(name) ? 0 : 1;
    ExpectOwnImage(Skinresmanager::LoadSkinPng(name), name, "the library");
  }
  EXPECT_EQ(unrequested, 0u) << "every manifest image is requested by a set or a skinner";
  EXPECT_EQ(manifest.size() - loaded.size(), 66u);
  // Slots by their meaning, against the names the looks are drawn from: each accessor once.
  const std::pair<const FaceImage*, const char*> cases[] = {
      {GetResQxForm()->PngBorder(TResBorder::MidLeft), "png.common.border.leftmid"},
      {GetResText()->PngBorder(TResBorder::TopLeft), "png.text.border.topleft"},
      {GetResText()->PngLeft(), "png.text.normal.left"},
      {GetResDisText()->PngLeft(), "png.text.dis.left"},
      {GetResEnterText()->PngRight(), "png.text.focus.right"},
      {GetResCheckCombo()->PngDropOver(), "png.combox.over"},
      {GetResCombo()->PngBorder(TResBorder::MidRight), "png.text.border.midright"},
      {GetResQxListBox()->PngMid(), "png.text.normal.mid"},
      {GetResButton()->Png(TResState::Down, TResSlice::Mid), "png.button.down.mid"},
      {GetResBitBtn()->Png(TResState::Down, TResSlice::Right), "png.bitbtn.down.right"},
      {GetResButton_green_new()->NinePng(TResState::Focus, TResNinePiece::BandLeft),
       "png.button_green_new.normal_mid.left.focus"},
      {GetResButton_BuyMore()->NinePng(TResState::Over, TResNinePiece::BottomMid), "png.button.BuyMore.normal.bottom.mid.over"},
      {GetResButton_ClosePositionMore()->NinePng(TResState::Normal, TResNinePiece::Bg),
       "png.button.closepostionmore.normal.bg"},
      {GetResSpeedBtn_gray()->Png(TResState::Over, TResSlice::Mid), "png.speedbtn.over.mid_gray"},
      {GetResPanel()->PngBg(), "png.toolbar.bg"},
      {GetResScrollBar()->PngGridBg(), "png.grid.scrollbar.bg"},
      {GetResScrollBar()->PngBody(), "png.text.normal.left"},
      {GetResTrackBar()->PngThumbVert(), "png.trackbar.Vert"},
      {GetResTrackBar()->PngChannelHorz(), "png.track.horz"},
  };
  for (const auto& [image, name] : cases) ExpectOwnImage(image, name, "named slot");
  for (const TResBase* empty : {static_cast<const TResBase*>(GetResTreeView()), static_cast<const TResBase*>(GetResPopupMenu())}) {
    EXPECT_EQ(empty->Images(), std::vector<const FaceImage*>(8, nullptr));
  }
  // FreeAllRes and FreeFaceDll empty the sets a skinner holds; each fills again on its next
  // request, the second from the library loaded anew.
  TResButton* button = GetResButton();
  EXPECT_EQ(GetResButton(), button);
  EXPECT_EQ(button->FillCount(), 1);
  const FaceImage* left = button->Png(TResState::Normal, TResSlice::Left);
  FreeAllRes();
  EXPECT_TRUE(button->Png(TResState::Normal, TResSlice::Left) == nullptr && !button->Filled());
  EXPECT_EQ(GetResButton(), button) << "the same set, refilled";
  EXPECT_EQ(button->FillCount(), 2);
  EXPECT_EQ(button->Png(TResState::Normal, TResSlice::Left), left);
  Skinresmanager::FreeFaceDll();
  EXPECT_EQ(button->Png(TResState::Normal, TResSlice::Left), nullptr);
  EXPECT_EQ(GetResButton()->FillCount(), 3);
  ExpectOwnImage(button->Png(TResState::Normal, TResSlice::Left), "png.button.normal.left", "GetResButton");
}



}  // namespace
}  // namespace ruzi
