#pragma once
// Registers the form and control classes by name (class_registry.h), once: what a host, a form
// description or the C API creates from a class name. User-interface thread.
#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API void RegisterUiClasses();

}  // namespace ruzi
