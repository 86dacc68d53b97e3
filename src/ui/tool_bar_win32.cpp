// The image lists a tool bar names: components of the bar's owner.
#include <string>

#include "ui/image_list.h"
#include "ui/tool_bar.h"

namespace ruzi {

TImageList* FindToolBarImages(TToolBar& bar, const std::string& name);

TImageList* FindToolBarImages(TToolBar& bar, const std::string& name) {
  TComponent* owner = bar.Owner() != nullptr ? bar.Owner() : &bar;
  return dynamic_cast<TImageList*>(owner->FindComponent(name));
}

}  // namespace ruzi
