#include "foundation/class_registry.h"
#include "ui/image_list.h"

namespace ruzi {

void RegisterWindowsOnlyClasses() { RegisterComponentClass<TImageList>(); }

}  // namespace ruzi
