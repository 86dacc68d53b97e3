#include "ui/gallery.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "foundation/class_registry.h"
#include "ui/db_grid_eh.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/splitter.h"
#include "ui/ui_classes.h"
#include "ui/virtual_string_tree.h"
#include "ui/zoom_form.h"

namespace ruzi {
namespace {

// Sample rows for the classes that show data, kept by the gallery form.
class SampleRows : public TComponent {
 public:
  explicit SampleRows(TComponent* owner) : TComponent(owner), rows_({"Code", "Name"}) {
    rows_.AddRow({"600000", "浦发银行"});
    rows_.AddRow({"000001", "平安银行"});
    rows_.AddRow({"600519", "贵州茅台"});
  }
  TGridTextRows& Rows() { return rows_; }

 private:
  TGridTextRows rows_;
};

void ShowSample(TComponent& instance, SampleRows& sample) {
  if (auto* grid = dynamic_cast<TDBGridEh*>(&instance)) {
    grid->Columns().Add("Code").SetWidth(56);
    grid->Columns().Add("Name").SetWidth(70);
    grid->DataSource().SetDataSet(&sample.Rows());
  }
  if (auto* tree = dynamic_cast<TVirtualStringTree*>(&instance)) tree->Columns() = {{"Code", 50}, {"Name", 60}};
}

// A cell's caption: a label under a class name of its own, which the zoom scales exactly like
// the cells (a TLabel would grow 3 x 5 pixels into the instance below it).
class TGalleryCaption : public TLabel {
  RUZI_CLASS_RECORD(TGalleryCaption, TLabel::ClassRecord())

 public:
  using TLabel::TLabel;
};

TLabel* Caption(TAutoZoomForm& form, const TRect& cell, const std::string& text) {
  auto* caption = new TGalleryCaption(&form);
  caption->SetParent(&form);
  caption->SetBounds(cell.Left, cell.Top, cell.Width(), kGalleryCaptionHeight);
  caption->SetColor(kGalleryCaptionColor);
  caption->SetCaption(text);
  return caption;
}

constexpr TSize kLabelGrowth{3, 5};

// Shrinks `control` until what it put beside itself in the form since `first` (a labelled
// control's label) lies inside `body` with it.
void FitBeside(TAutoZoomForm& form, TControl& control, int first, const TRect& body) {
  TRect all = control.BoundsRect();
  for (int index = first; index < form.ControlCount(); ++index) {
    const TRect& at = form.Controls(index)->BoundsRect();
    all = TRect{std::min(all.Left, at.Left), std::min(all.Top, at.Top), std::max(all.Right, at.Right),
                std::max(all.Bottom, at.Bottom)};
  }
  const TRect& at = control.BoundsRect();
  const TRect fit{at.Left + body.Left - all.Left, at.Top + body.Top - all.Top, at.Right - (all.Right - body.Right),
                  at.Bottom - (all.Bottom - body.Bottom)};
  if (!(fit == at)) control.SetBounds(fit.Left, fit.Top, fit.Width(), fit.Height());
}

// One class's instance in its cell, under its caption; answers it when it is a control.
TControl* PlaceInstance(TAutoZoomForm& form, const TClassRecord& record, const TRect& cell, SampleRows& sample) {
  const int first = form.ControlCount();
  TComponent* instance = CreateComponent(record.Name, &form);
  auto* control = dynamic_cast<TControl*>(instance);
  if (control == nullptr) return nullptr;  // a component without a window: its caption is all there is
  if (auto* zoom_form = dynamic_cast<TZoomForm*>(control)) {
    zoom_form->Zoom().Fields().ZoomEnabled = false;  // the gallery zooms it with everything else
  }
  TRect body{cell.Left, cell.Top + kGalleryCaptionHeight + 1, cell.Right, cell.Bottom};
  if (std::string(control->ClassName()) == "TLabel") {
    // The zoom makes a TLabel 3 pixels wider and 5 higher than scaled: room for that, for any
    // zoom from 100 % up.
    body.Right -= kLabelGrowth.cx;
    body.Bottom -= kLabelGrowth.cy;
  }
  if (auto* splitter = dynamic_cast<TSplitter*>(control)) {
    // The zoom leaves a splitter's bounds to its alignment: it stands aligned in a panel of
    // its own, which the zoom scales with the cell.
    auto* holder = new TPanel(&form);
    holder->SetColor(kGalleryBackground);
    holder->SetParent(&form);
    holder->SetBounds(body.Left, body.Top, body.Width(), body.Height());
    splitter->SetColor(clBtnShadow);
    splitter->SetParent(holder);
    splitter->SetCaption(record.Name);
    return holder;
  }
  control->SetAlign(TAlign::alNone);  // bars align themselves by default: kept in their cell
  control->SetParent(&form);
  control->SetBounds(body.Left, body.Top, body.Width(), body.Height());
  FitBeside(form, *control, first + 1, body);
  control->SetCaption(record.Name);
  ShowSample(*instance, sample);
  return control;
}

}  // namespace

TAutoZoomForm* CreateGalleryForm(std::vector<std::string>* failures) {
  RegisterUiClasses();
  auto form = std::make_unique<TAutoZoomForm>();
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  form->SetBounds(0, 0, kGallerySize.cx, kGallerySize.cy);
  form->SetColor(kGalleryBackground);
  form->SetCaption("控件一览");
  auto* sample = new SampleRows(form.get());
  const std::vector<const TClassRecord*> classes = RegisteredClasses();
  const TGalleryGrid grid = GalleryGrid(static_cast<int>(classes.size()), kGallerySize);
  std::vector<TControl*> placed;
  for (size_t index = 0; index < classes.size(); ++index) {
    const TRect cell = GalleryCellRect(grid, static_cast<int>(index));
    Caption(*form, cell, classes[index]->Name);
    try {
      if (TControl* control = PlaceInstance(*form, *classes[index], cell, *sample)) placed.push_back(control);
    } catch (const std::exception& error) {
      Caption(*form, TRect{cell.Left, cell.Top + kGalleryCaptionHeight + 1, cell.Right, cell.Bottom}, error.what());
      if (failures != nullptr) failures->push_back(std::string(classes[index]->Name) + ": " + error.what());
    }
  }
  // Shown only now: showing a form inside makes the gallery's window, and a control placed after
  // that would get no window of its own.
  for (TControl* control : placed) control->Show();
  return form.release();
}

}  // namespace ruzi
