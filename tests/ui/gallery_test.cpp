// The gallery without windows: its grid keeps every cell inside the area, apart from the
// others and as close to 3:2 as any column count allows; the gallery form holds, for every
// registered class, a caption naming it and (for controls) an instance of it in that cell; and,
// as designed and zoomed, everything on it stays in one cell, clear of the cell's caption.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "foundation/class_registry.h"
#include "ui/application.h"
#include "ui/form_zoom.h"
#include "ui/gallery.h"
#include "ui/label.h"
#include "ui/ui_classes.h"
#include "ui/zoom_form.h"

namespace ruzi {
namespace {

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The controls under `parent`, at every depth.
void Descendants(const TWinControl& parent, std::vector<TControl*>& found) {
  for (int child = 0; child < parent.ControlCount(); ++child) {
    found.push_back(parent.Controls(child));
    if (auto* windowed = dynamic_cast<TWinControl*>(found.back())) Descendants(*windowed, found);
  }
}

// Every control placed on the form lies inside one cell scaled by `factor`, and only the cell's
// caption in its caption band.
void ExpectNothingOverlaps(const TAutoZoomForm& form, double factor) {
  const auto classes = RegisteredClasses();
  const TGalleryGrid grid = GalleryGrid(static_cast<int>(classes.size()), kGallerySize);
  const auto at = [factor](int value) { return ZoomRound(value * factor); };
  for (int child = 0; child < form.ControlCount(); ++child) {
    const TControl& control = *form.Controls(child);
    const TRect& bounds = control.BoundsRect();
    bool inside = false;
    for (size_t index = 0; index < classes.size(); ++index) {
      const TRect design = GalleryCellRect(grid, static_cast<int>(index));
      const TRect cell{at(design.Left), at(design.Top), at(design.Right), at(design.Bottom)};
      if (!Overlap(bounds, cell)) continue;
      inside = bounds.Left >= cell.Left && bounds.Top >= cell.Top && bounds.Right <= cell.Right &&
               bounds.Bottom <= cell.Bottom;
      const TRect band{cell.Left, cell.Top, cell.Right, at(design.Top + kGalleryCaptionHeight)};
      const bool caption = bounds.Top == band.Top && control.Caption() == classes[index]->Name;
      EXPECT_TRUE(caption || !Overlap(bounds, band))
          << control.ClassName() << " over the caption of " << classes[index]->Name << " at " << factor;
      break;
    }
    EXPECT_TRUE(inside) << control.ClassName() << " \"" << control.Caption() << "\" leaves its cell at " << factor;
  }
}

double Skew(TSize cell) { return std::abs(std::log(static_cast<double>(cell.cx) / cell.cy / 1.5)); }

TEST(Gallery, GridCellsFitApartAndNearThreeToTwo) {
  const TSize areas[] = {{960, 720}, {300, 200}, {100, 500}};
  for (const TSize area : areas) {
    for (int count = 1; count <= 120; ++count) {
      const TGalleryGrid grid = GalleryGrid(count, area);
      if (grid.Columns == 0) continue;  // no room for that many
      ASSERT_GE(grid.Columns * grid.Rows, count);
      ASSERT_LT(grid.Columns * (grid.Rows - 1), count) << "no empty row";
      for (int index = 0; index < count; ++index) {
        const TRect cell = GalleryCellRect(grid, index);
        ASSERT_GE(cell.Left, kGalleryGap);
        ASSERT_GE(cell.Top, kGalleryGap);
        ASSERT_LE(cell.Right, area.cx - kGalleryGap) << count;
        ASSERT_LE(cell.Bottom, area.cy - kGalleryGap) << count;
        if (index > 0) {
          ASSERT_FALSE(Overlap(cell, GalleryCellRect(grid, index - 1)));
        }
        if (index >= grid.Columns) {
          ASSERT_FALSE(Overlap(cell, GalleryCellRect(grid, index - grid.Columns)));
        }
      }
      for (int columns = 1; columns <= count; ++columns) {  // brute force: no better column count
        const int rows = (count + columns - 1) / columns;
        const TSize cell{(area.cx - kGalleryGap) / columns - kGalleryGap, (area.cy - kGalleryGap) / rows - kGalleryGap};
        if (cell.cx > 0 && cell.cy > 0) {
          ASSERT_LE(Skew(grid.Cell), Skew(cell)) << count << " " << columns;
        }
      }
    }
  }
  EXPECT_EQ(GalleryGrid(0, {960, 720}).Columns, 0);
  EXPECT_EQ(GalleryCellRect(GalleryGrid(4, {960, 720}), 4), TRect{}) << "past the cells";
}

// Every registered class has its cell; on a 1024 x 768 screen (as natively; under Wine the
// gallery photographs cover it) the form shows as designed, and zooms by its rate.
TEST(Gallery, EveryRegisteredClassHasItsCellAsDesignedAndZoomed) {
  RegisterUiClasses();
  std::vector<std::string> failures;
  std::unique_ptr<TAutoZoomForm> form(CreateGalleryForm(&failures));
  EXPECT_TRUE(failures.empty()) << failures.front();
  const auto classes = RegisteredClasses();
  const TGalleryGrid grid = GalleryGrid(static_cast<int>(classes.size()), kGallerySize);
  for (size_t index = 0; index < classes.size(); ++index) {
    const TRect cell = GalleryCellRect(grid, static_cast<int>(index));
    bool captioned = false, shown = false, made = false;
    for (int child = 0; child < form->ControlCount(); ++child) {
      TControl* control = form->Controls(child);
      if (!Overlap(control->BoundsRect(), cell)) continue;
      if (dynamic_cast<TLabel*>(control) != nullptr && control->Caption() == classes[index]->Name) captioned = true;
      std::vector<TControl*> placed{control};
      if (auto* holder = dynamic_cast<TWinControl*>(control)) Descendants(*holder, placed);
      for (TControl* instance : placed) {
        if (instance->ClassType()->InheritsFrom(classes[index]) && instance->Visible()) shown = true;
      }
    }
    for (int owned = 0; owned < form->ComponentCount(); ++owned) {
      if (std::string(form->Components(owned)->ClassName()) == classes[index]->Name) made = true;
    }
    EXPECT_TRUE(captioned) << classes[index]->Name;
    EXPECT_TRUE(made) << classes[index]->Name;
    const bool control = FindClass(classes[index]->Name)->InheritsFrom(TControl::ClassRecord());
    EXPECT_EQ(shown, control) << classes[index]->Name;
  }
  if (Screen()->Width() != 1024 || Screen()->Height() != 768) return;
  form->Show();
  EXPECT_EQ(form->BoundsRect(), (TRect{0, 0, kGallerySize.cx, kGallerySize.cy})) << "1024 x 768: as designed";
  ExpectNothingOverlaps(*form, 1.0);
  form->SetFResolutionRate(125);
  ExpectNothingOverlaps(*form, 1.25);
  form->SetFResolutionRate(50);
  EXPECT_EQ(form->BoundsRect(), (TRect{0, 0, kGallerySize.cx / 2, kGallerySize.cy / 2}));
  EXPECT_EQ(form->Controls(0)->Left(), GalleryCellRect(grid, 0).Left / 2);
}

}  // namespace
}  // namespace ruzi
