#pragma once
// Hmskinpngclass: resource sets, the face-library images of one control look held together.
// Each accessor returns the process-wide set, creating and filling it (through
// Skinresmanager::LoadSkinPng) on its first call; later calls load nothing. The images belong
// to the face library: a set never frees them. FreeAllRes empties every set (skinners keep
// their pointers to the sets) and an emptied set fills again on its next request. A name the
// face library lacks leaves its slot null. UI thread only: creation is not synchronised.
#include <cstddef>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/skin/face_library.h"

namespace ruzi {

// The border pieces of a nine-part frame, in the set's field order.
enum class TResBorder { BottomLeft, MidRight, BottomRight, TopMid, MidLeft, TopRight, BottomMid, TopLeft };
enum class TResState { Normal, Over, Down, Focus };
enum class TResSlice { Left, Mid, Right };
// A nine-slice button look's pieces per state: the corners and edges, the background, and the
// middle band's two ends.
enum class TResNinePiece { TopLeft, TopMid, TopRight, BottomLeft, BottomMid, BottomRight, Bg, BandLeft, BandRight };

class RUZI_API TResBase : public TComponent {
 public:
  TResBase() : TResBase(kBorderSlots) {}

  const FaceImage* PngBorder(TResBorder piece) const { return images_[static_cast<size_t>(piece)]; }
  void SetPngBorderBottomLeft(const FaceImage* png) { Set(TResBorder::BottomLeft, png); }
  void SetPngBorderBottomMid(const FaceImage* png) { Set(TResBorder::BottomMid, png); }
  void SetPngBorderBottomRight(const FaceImage* png) { Set(TResBorder::BottomRight, png); }
  void SetPngBorderMidLeft(const FaceImage* png) { Set(TResBorder::MidLeft, png); }
  void SetPngBorderMidRight(const FaceImage* png) { Set(TResBorder::MidRight, png); }
  void SetPngBorderTopLeft(const FaceImage* png) { Set(TResBorder::TopLeft, png); }
  void SetPngBorderTopMid(const FaceImage* png) { Set(TResBorder::TopMid, png); }
  void SetPngBorderTopRight(const FaceImage* png) { Set(TResBorder::TopRight, png); }

  // Every slot in field order, the border pieces first; null where nothing is loaded.
  const std::vector<const FaceImage*>& Images() const { return images_; }
  // The face-library name each slot was filled from ("" for a slot this look leaves empty).
  const std::vector<std::string>& ImageNames() const { return names_; }
  // How many times the set has been filled (once, and once more after each FreeAllRes).
  int FillCount() const { return fill_count_; }
  bool Filled() const { return filled_; }

  // Fills slot `slot` from the face library's image `name`.
  void LoadSlot(size_t slot, const std::string& name);
  void MarkFilled();
  // Every slot back to null, unfilled.
  void Empty();

 protected:
  static constexpr size_t kBorderSlots = 8;
  explicit TResBase(size_t slots) : images_(slots), names_(slots) {}
  const FaceImage* Slot(size_t slot) const { return images_[slot]; }

 private:
  void Set(TResBorder piece, const FaceImage* png) { images_[static_cast<size_t>(piece)] = png; }

  std::vector<const FaceImage*> images_;
  std::vector<std::string> names_;
  int fill_count_ = 0;
  bool filled_ = false;
};

// A text box: the border and the body's middle, right and left images (slots 8, 9, 10).
class RUZI_API TResText : public TResBase {
 public:
  static constexpr size_t kMid = 8, kRight = 9, kLeft = 10;
  TResText() : TResBase(11) {}
  const FaceImage* PngMid() const { return Slot(kMid); }
  const FaceImage* PngRight() const { return Slot(kRight); }
  const FaceImage* PngLeft() const { return Slot(kLeft); }
};

// A button: three slices per state, and for the nine-slice looks nine pieces per state.
class RUZI_API TResButton : public TResBase {
 public:
  static constexpr size_t SliceSlot(TResState state, TResSlice slice) {
    return kBorderSlots + static_cast<size_t>(state) * 3 + static_cast<size_t>(slice);
  }
  static constexpr size_t NineSlot(TResState state, TResNinePiece piece) {
    return kBorderSlots + 12 + static_cast<size_t>(state) * 9 + static_cast<size_t>(piece);
  }
  TResButton() : TResBase(kBorderSlots + 12 + 36) {}
  const FaceImage* Png(TResState state, TResSlice slice) const { return Slot(SliceSlot(state, slice)); }
  const FaceImage* NinePng(TResState state, TResNinePiece piece) const { return Slot(NineSlot(state, piece)); }
};

// A speed button: three slices for normal, over and down.
class RUZI_API TResSpeedBtn : public TResBase {
 public:
  static constexpr size_t SliceSlot(TResState state, TResSlice slice) {
    return kBorderSlots + static_cast<size_t>(state) * 3 + static_cast<size_t>(slice);
  }
  TResSpeedBtn() : TResBase(kBorderSlots + 9) {}
  const FaceImage* Png(TResState state, TResSlice slice) const { return Slot(SliceSlot(state, slice)); }
};

// A drop-down's button in its normal, over and down states (slots 8, 9, 10).
class RUZI_API TResCombo : public TResBase {
 public:
  static constexpr size_t kNormal = 8, kOver = 9, kDown = 10;
  TResCombo() : TResBase(11) {}
  const FaceImage* PngDropNormal() const { return Slot(kNormal); }
  const FaceImage* PngDropOver() const { return Slot(kOver); }
  const FaceImage* PngDropDown() const { return Slot(kDown); }
};

class RUZI_API TResCheckCombo : public TResCombo {};

class RUZI_API TResPanel : public TResBase {
 public:
  static constexpr size_t kBg = 8;
  TResPanel() : TResBase(9) {}
  const FaceImage* PngBg() const { return Slot(kBg); }
};

// A grid's scroll bar: its background and one body image.
class RUZI_API TResScrollBar : public TResBase {
 public:
  static constexpr size_t kGridBg = 8, kBody = 9;
  TResScrollBar() : TResBase(10) {}
  const FaceImage* PngGridBg() const { return Slot(kGridBg); }
  const FaceImage* PngBody() const { return Slot(kBody); }
};

// A track bar's channel and thumb, upright and level.
class RUZI_API TResTrackBar : public TResBase {
 public:
  static constexpr size_t kChannelVert = 8, kChannelHorz = 9, kThumbVert = 10, kThumbHorz = 11;
  TResTrackBar() : TResBase(12) {}
  const FaceImage* PngChannelVert() const { return Slot(kChannelVert); }
  const FaceImage* PngChannelHorz() const { return Slot(kChannelHorz); }
  const FaceImage* PngThumbVert() const { return Slot(kThumbVert); }
  const FaceImage* PngThumbHorz() const { return Slot(kThumbHorz); }
};

class RUZI_API TResQxForm : public TResBase {};
// The list boxes keep the text body images they load beside their border.
class RUZI_API TResListBox : public TResText {};
class RUZI_API TResQxListBox : public TResText {};

// Sets created empty: the skinners of these controls draw without images.

class RUZI_API TResTreeView : public TResBase {};
class RUZI_API TResListView : public TResBase {};
class RUZI_API TResdxTreeList : public TResBase {};
class RUZI_API TResPageGuide : public TResBase {};
class RUZI_API TResCheckListBox : public TResBase {};
class RUZI_API TResSpinEdit : public TResBase {};
class RUZI_API TResVirtualStringTree : public TResBase {};
class RUZI_API TResCheckableDBGrid : public TResBase {};
class RUZI_API TResStringGrid : public TResBase {};
class RUZI_API TResMemo : public TResBase {};
class RUZI_API TResRichEdit : public TResBase {};
class RUZI_API TResBcEdit : public TResBase {};
class RUZI_API TResStaticText : public TResBase {};
class RUZI_API TResGroupBox : public TResBase {};
class RUZI_API TResDateTimePicker : public TResBase {};
class RUZI_API TResLabel : public TResBase {};
class RUZI_API TResdxDbGrid : public TResBase {};
class RUZI_API TResLabeledEdit : public TResBase {};
class RUZI_API TResScrollBox : public TResBase {};
class RUZI_API TResqrLabel : public TResBase {};
class RUZI_API TResRadioGroup : public TResBase {};
class RUZI_API TResQxEdit : public TResBase {};
class RUZI_API TResQxDateTimePicker : public TResBase {};
class RUZI_API TResPopupMenu : public TResBase {};

RUZI_API TResQxForm* GetResQxForm();
RUZI_API TResText* GetResText();
RUZI_API TResText* GetResDisText();
RUZI_API TResText* GetResEnterText();
RUZI_API TResCombo* GetResCombo();
RUZI_API TResCheckCombo* GetResCheckCombo();
RUZI_API TResButton* GetResButton();
RUZI_API TResButton* GetResButton_green();
RUZI_API TResButton* GetResButton_green_new();
RUZI_API TResButton* GetResButton_red_new();
RUZI_API TResButton* GetResButton_blue_new();
RUZI_API TResButton* GetResButton_new();
RUZI_API TResButton* GetResButton_SaleMore();
RUZI_API TResButton* GetResButton_BuyMore();
RUZI_API TResButton* GetResButton_ClosePositionMore();
RUZI_API TResButton* GetResButton_blue();
RUZI_API TResButton* GetResButton_red();
RUZI_API TResButton* GetResBitBtn();
RUZI_API TResSpeedBtn* GetResSpeedBtn();
RUZI_API TResSpeedBtn* GetResSpeedBtn_gray();
RUZI_API TResPanel* GetResPanel();
RUZI_API TResListBox* GetResListBox();
RUZI_API TResQxListBox* GetResQxListBox();
RUZI_API TResScrollBar* GetResScrollBar();
RUZI_API TResTreeView* GetResTreeView();
RUZI_API TResListView* GetResListView();
RUZI_API TResdxTreeList* GetResdxTreeList();
RUZI_API TResPageGuide* GetResPageGuide();
RUZI_API TResCheckListBox* GetResCheckListBox();
RUZI_API TResSpinEdit* GetResSpinEdit();
RUZI_API TResVirtualStringTree* GetResVirtualStringTree();
RUZI_API TResCheckableDBGrid* GetResCheckableDBGrid();
RUZI_API TResStringGrid* GetResStringGrid();
RUZI_API TResMemo* GetResMemo();
RUZI_API TResRichEdit* GetResRichEdit();
RUZI_API TResBcEdit* GetResBcEdit();
RUZI_API TResStaticText* GetResStaticText();
RUZI_API TResGroupBox* GetResGroupBox();
RUZI_API TResDateTimePicker* GetResDateTimePicker();
RUZI_API TResLabel* GetResLabel();
RUZI_API TResdxDbGrid* GetResdxDbGrid();
RUZI_API TResLabeledEdit* GetResLabeledEdit();
RUZI_API TResScrollBox* GetResScrollBox();
RUZI_API TResqrLabel* GetResqrLabel();
RUZI_API TResRadioGroup* GetResRadioGroup();
RUZI_API TResTrackBar* GetResTrackBar();
RUZI_API TResQxEdit* GetResQxEdit();
RUZI_API TResQxDateTimePicker* GetResQxDateTimePicker();
RUZI_API TResPopupMenu* GetResPopupMenu();

// Empties every set created so far (the sets themselves stay).
RUZI_API void FreeAllRes();

}  // namespace ruzi
