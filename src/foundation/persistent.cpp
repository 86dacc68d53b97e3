#include "foundation/persistent.h"

#include "foundation/error.h"

namespace ruzi {

void TPersistent::AssignTo(TPersistent* dest) {
  throw Error("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

void TPersistent::DefineProperties(TFiler*) {}

void TPersistent::Assign(TPersistent* source) {
  if (source != nullptr) {
    source->AssignTo(this);
    return;
  }
  throw Error("Cannot assign a nil to a " + ClassName());
}

}  // namespace ruzi
