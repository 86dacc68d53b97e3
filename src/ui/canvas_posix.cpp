// No GDI here: nothing is ever selected, and pens and brushes have no handles.
#include "ui/canvas.h"

namespace ruzi {

TPen::~TPen() = default;
void TPen::Changed() { OnChange(this); }
HPEN__* TPen::Handle() const { return nullptr; }
TBrush::~TBrush() = default;
void TBrush::Changed() { OnChange(this); }
HBRUSH__* TBrush::Handle() const { return nullptr; }
void TCanvas::DeselectObjects() { selected_ = false; }

}  // namespace ruzi
