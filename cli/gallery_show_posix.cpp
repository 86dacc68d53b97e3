#include <stdexcept>

#include "gallery_show.h"
#include "ui/zoom_form.h"

namespace ruzi::cli {

// No windows here: the laid-out form's size is all there is to show.
void ShowGallery(TAutoZoomForm& form, double rate, const std::string& shot, CommandContext& context) {
  if (!shot.empty()) throw std::runtime_error("a screenshot needs Windows");
  form.Show();
  if (rate > 0) form.SetFResolutionRate(rate);
  context.PrintLine("gallery " + std::to_string(form.Width()) + " x " + std::to_string(form.Height()));
}

}  // namespace ruzi::cli
