// Hmskinpngclass: the resource sets and what each loads, in load order.
#include "ruzirareva/skin/hm_skin_png_class.h"

#include <array>
#include <memory>

#include "ruzirareva/skin/skin_res_manager.h"

namespace ruzi {

void TResBase::LoadSlot(size_t slot, const std::string& name) {
  images_[slot] = Skinresmanager::LoadSkinPng(name);
  names_[slot] = name;
}

void TResBase::MarkFilled() {
  filled_ = true;
  ++fill_count_;
}

void TResBase::Empty() {
  std::fill(images_.begin(), images_.end(), nullptr);
  std::fill(names_.begin(), names_.end(), std::string());
  filled_ = false;
}

namespace {

constexpr size_t kSetCount = 49;
std::array<std::unique_ptr<TResBase>, kSetCount> sets;

constexpr size_t Border(TResBorder piece) { return static_cast<size_t>(piece); }

// The eight border pieces "<prefix>topleft" ... in the order the client loads them; the
// side pieces are spelled `left_mid`/`right_mid` ("leftmid" or "midleft").
void FillBorder(TResBase& set, const std::string& prefix, const char* left_mid, const char* right_mid) {
  set.LoadSlot(Border(TResBorder::TopLeft), prefix + "topleft");
  set.LoadSlot(Border(TResBorder::TopMid), prefix + "topmid");
  set.LoadSlot(Border(TResBorder::TopRight), prefix + "topright");
  set.LoadSlot(Border(TResBorder::MidLeft), prefix + left_mid);
  set.LoadSlot(Border(TResBorder::MidRight), prefix + right_mid);
  set.LoadSlot(Border(TResBorder::BottomLeft), prefix + "bottomleft");
  set.LoadSlot(Border(TResBorder::BottomMid), prefix + "bottommid");
  set.LoadSlot(Border(TResBorder::BottomRight), prefix + "bottomright");
}

void FillQxForm(TResQxForm& set) { FillBorder(set, "png.common.border.", "leftmid", "rightmid"); }

void FillTextBorder(TResBase& set, const std::string& prefix) { FillBorder(set, prefix + "border.", "midleft", "midright"); }

// "png.text.border.topleft" ... then the body "png.text.normal.left", ".mid", ".right"; the
// disabled and focused looks drop the "normal." ("png.text.dis.left").
void FillText(TResText& set, const std::string& prefix, const std::string& body) {
  FillTextBorder(set, prefix);
  set.LoadSlot(TResText::kLeft, body + "left");
  set.LoadSlot(TResText::kMid, body + "mid");
  set.LoadSlot(TResText::kRight, body + "right");
}

void FillCombo(TResCombo& set) {
  FillTextBorder(set, "png.text.");
  set.LoadSlot(TResCombo::kNormal, "png.combox.normal");
  set.LoadSlot(TResCombo::kOver, "png.combox.over");
  set.LoadSlot(TResCombo::kDown, "png.combox.down");
}

constexpr std::pair<TResState, const char*> kButtonStates[] = {
    {TResState::Normal, "normal"}, {TResState::Over, "over"}, {TResState::Focus, "focus"}, {TResState::Down, "down"}};
constexpr std::pair<TResSlice, const char*> kSlices[] = {
    {TResSlice::Left, "left"}, {TResSlice::Mid, "mid"}, {TResSlice::Right, "right"}};

void FillButton(TResButton& set, const std::string& look) {
  for (const auto& [state, state_name] : kButtonStates) {
    for (const auto& [slice, slice_name] : kSlices) {
      set.LoadSlot(TResButton::SliceSlot(state, slice), look + state_name + "." + slice_name);
    }
  }
}

// A bit button: the plain button's left and middle, its own right end.
void FillBitBtn(TResButton& set) {
  for (const auto& [state, state_name] : kButtonStates) {
    const std::string name = state_name;
    set.LoadSlot(TResButton::SliceSlot(state, TResSlice::Left), "png.button." + name + ".left");
    set.LoadSlot(TResButton::SliceSlot(state, TResSlice::Mid), "png.button." + name + ".mid");
    set.LoadSlot(TResButton::SliceSlot(state, TResSlice::Right), "png.bitbtn." + name + ".right");
  }
}

// The nine-slice looks: the state is a suffix ("" for normal) on every name; the middle band
// is named with the look's underscore spelling ("png.button_green_new.normal_mid.left").
void FillNineButton(TResButton& set, const std::string& look, const std::string& band) {
  constexpr std::pair<TResState, const char*> kSuffixes[] = {
      {TResState::Normal, ""}, {TResState::Focus, ".focus"}, {TResState::Down, ".down"}, {TResState::Over, ".over"}};
  constexpr std::pair<TResNinePiece, const char*> kPieces[] = {
      {TResNinePiece::TopLeft, "top.left"},       {TResNinePiece::TopMid, "top.mid"},
      {TResNinePiece::TopRight, "top.right"},     {TResNinePiece::BottomLeft, "bottom.left"},
      {TResNinePiece::BottomMid, "bottom.mid"},   {TResNinePiece::BottomRight, "bottom.right"},
      {TResNinePiece::Bg, "bg"}};
  for (const auto& [state, suffix] : kSuffixes) {
    const std::string band_prefix = "png.button_" + band + ".normal_mid.";
    set.LoadSlot(TResButton::NineSlot(state, TResNinePiece::BandLeft), band_prefix + "left" + suffix);
    set.LoadSlot(TResButton::NineSlot(state, TResNinePiece::BandRight), band_prefix + "right" + suffix);
    for (const auto& [piece, piece_name] : kPieces) {
      set.LoadSlot(TResButton::NineSlot(state, piece), "png.button." + look + ".normal." + piece_name + suffix);
    }
  }
}

void FillSpeedBtn(TResSpeedBtn& set, const std::string& suffix) {
  constexpr std::pair<TResState, const char*> kStates[] = {
      {TResState::Normal, "normal"}, {TResState::Over, "over"}, {TResState::Down, "down"}};
  for (const auto& [state, state_name] : kStates) {
    for (const auto& [slice, slice_name] : kSlices) {
      set.LoadSlot(TResSpeedBtn::SliceSlot(state, slice),
                   std::string("png.speedbtn.") + state_name + "." + slice_name + suffix);
    }
  }
}

// Panels take the toolbar's background, so the two look alike.
void FillPanel(TResPanel& set) { set.LoadSlot(TResPanel::kBg, "png.toolbar.bg"); }

void FillScrollBar(TResScrollBar& set) {
  set.LoadSlot(TResScrollBar::kGridBg, "png.grid.scrollbar.bg");
  set.LoadSlot(TResScrollBar::kBody, "png.text.normal.left");
}

void FillTrackBar(TResTrackBar& set) {
  set.LoadSlot(TResTrackBar::kChannelVert, "png.track.vert");
  set.LoadSlot(TResTrackBar::kChannelHorz, "png.track.horz");
  set.LoadSlot(TResTrackBar::kThumbVert, "png.trackbar.Vert");
  set.LoadSlot(TResTrackBar::kThumbHorz, "png.trackbar.horz");
}

// The set in slot `index`, created on first use and filled whenever it is not.
template <typename Set, typename Fill>
Set* Shared(size_t index, Fill fill) {
  if (!sets[index]) sets[index] = std::make_unique<Set>();
  Set& set = static_cast<Set&>(*sets[index]);
  if (!set.Filled()) {
    // A load that throws leaves the set unfilled: the next request tries again.
    fill(set);
    set.MarkFilled();
  }
  return &set;
}

}  // namespace

TResQxForm* GetResQxForm() { return Shared<TResQxForm>(0, FillQxForm); }
TResText* GetResText() { return Shared<TResText>(1, [](TResText& set) { FillText(set, "png.text.", "png.text.normal."); }); }
TResText* GetResDisText() { return Shared<TResText>(2, [](TResText& set) { FillText(set, "png.text.dis.", "png.text.dis."); }); }
TResText* GetResEnterText() { return Shared<TResText>(3, [](TResText& set) { FillText(set, "png.text.focus.", "png.text.focus."); }); }
TResCombo* GetResCombo() { return Shared<TResCombo>(4, FillCombo); }
TResCheckCombo* GetResCheckCombo() { return Shared<TResCheckCombo>(5, FillCombo); }
TResButton* GetResButton() { return Shared<TResButton>(6, [](TResButton& set) { FillButton(set, "png.button."); }); }
TResButton* GetResButton_green() { return Shared<TResButton>(7, [](TResButton& set) { FillButton(set, "png.button_green."); }); }
TResButton* GetResButton_green_new() { return Shared<TResButton>(8, [](TResButton& set) { FillNineButton(set, "green.new", "green_new"); }); }
TResButton* GetResButton_red_new() { return Shared<TResButton>(9, [](TResButton& set) { FillNineButton(set, "red.new", "red_new"); }); }
TResButton* GetResButton_blue_new() { return Shared<TResButton>(10, [](TResButton& set) { FillNineButton(set, "blue.new", "blue_new"); }); }
TResButton* GetResButton_new() { return Shared<TResButton>(11, [](TResButton& set) { FillNineButton(set, "new", "new"); }); }
TResButton* GetResButton_SaleMore() { return Shared<TResButton>(12, [](TResButton& set) { FillNineButton(set, "SaleMore", "SaleMore"); }); }
TResButton* GetResButton_BuyMore() { return Shared<TResButton>(13, [](TResButton& set) { FillNineButton(set, "BuyMore", "BuyMore"); }); }
TResButton* GetResButton_ClosePositionMore() { return Shared<TResButton>(14, [](TResButton& set) { FillNineButton(set, "closepostionmore", "closepostionmore"); }); }
TResButton* GetResButton_blue() { return Shared<TResButton>(15, [](TResButton& set) { FillButton(set, "png.button_blue."); }); }
TResButton* GetResButton_red() { return Shared<TResButton>(16, [](TResButton& set) { FillButton(set, "png.button_red."); }); }
TResButton* GetResBitBtn() { return Shared<TResButton>(17, FillBitBtn); }
TResSpeedBtn* GetResSpeedBtn() { return Shared<TResSpeedBtn>(18, [](TResSpeedBtn& set) { FillSpeedBtn(set, ""); }); }
TResSpeedBtn* GetResSpeedBtn_gray() { return Shared<TResSpeedBtn>(19, [](TResSpeedBtn& set) { FillSpeedBtn(set, "_gray"); }); }
TResPanel* GetResPanel() { return Shared<TResPanel>(20, FillPanel); }
TResListBox* GetResListBox() { return Shared<TResListBox>(21, [](TResListBox& set) { FillText(set, "png.text.", "png.text.normal."); }); }
TResQxListBox* GetResQxListBox() { return Shared<TResQxListBox>(22, [](TResQxListBox& set) { FillText(set, "png.text.", "png.text.normal."); }); }
TResScrollBar* GetResScrollBar() { return Shared<TResScrollBar>(23, FillScrollBar); }
TResTreeView* GetResTreeView() { return Shared<TResTreeView>(24, [](TResBase&) {}); }
TResListView* GetResListView() { return Shared<TResListView>(25, [](TResBase&) {}); }
TResdxTreeList* GetResdxTreeList() { return Shared<TResdxTreeList>(26, [](TResBase&) {}); }
TResPageGuide* GetResPageGuide() { return Shared<TResPageGuide>(27, [](TResBase&) {}); }
TResCheckListBox* GetResCheckListBox() { return Shared<TResCheckListBox>(28, [](TResBase&) {}); }
TResSpinEdit* GetResSpinEdit() { return Shared<TResSpinEdit>(29, [](TResBase&) {}); }
TResVirtualStringTree* GetResVirtualStringTree() { return Shared<TResVirtualStringTree>(30, [](TResBase&) {}); }
TResCheckableDBGrid* GetResCheckableDBGrid() { return Shared<TResCheckableDBGrid>(31, [](TResBase&) {}); }
TResStringGrid* GetResStringGrid() { return Shared<TResStringGrid>(32, [](TResBase&) {}); }
TResMemo* GetResMemo() { return Shared<TResMemo>(33, [](TResBase&) {}); }
TResRichEdit* GetResRichEdit() { return Shared<TResRichEdit>(34, [](TResBase&) {}); }
TResBcEdit* GetResBcEdit() { return Shared<TResBcEdit>(35, [](TResBase&) {}); }
TResStaticText* GetResStaticText() { return Shared<TResStaticText>(36, [](TResBase&) {}); }
TResGroupBox* GetResGroupBox() { return Shared<TResGroupBox>(37, [](TResBase&) {}); }
TResDateTimePicker* GetResDateTimePicker() { return Shared<TResDateTimePicker>(38, [](TResBase&) {}); }
TResLabel* GetResLabel() { return Shared<TResLabel>(39, [](TResBase&) {}); }
TResdxDbGrid* GetResdxDbGrid() { return Shared<TResdxDbGrid>(40, [](TResBase&) {}); }
TResLabeledEdit* GetResLabeledEdit() { return Shared<TResLabeledEdit>(41, [](TResBase&) {}); }
TResScrollBox* GetResScrollBox() { return Shared<TResScrollBox>(42, [](TResBase&) {}); }
TResqrLabel* GetResqrLabel() { return Shared<TResqrLabel>(43, [](TResBase&) {}); }
TResRadioGroup* GetResRadioGroup() { return Shared<TResRadioGroup>(44, [](TResBase&) {}); }
TResTrackBar* GetResTrackBar() { return Shared<TResTrackBar>(45, FillTrackBar); }
TResQxEdit* GetResQxEdit() { return Shared<TResQxEdit>(46, [](TResBase&) {}); }
TResQxDateTimePicker* GetResQxDateTimePicker() { return Shared<TResQxDateTimePicker>(47, [](TResBase&) {}); }
TResPopupMenu* GetResPopupMenu() { return Shared<TResPopupMenu>(48, [](TResBase&) {}); }

void FreeAllRes() {
  for (const auto& set : sets) {
    if (set) set->Empty();
  }
}

}  // namespace ruzi
