#pragma once
// Whether a field's value equals a key of Locate or Lookup: by text, letter case folded when
// asked, the key's text a prefix of the value's under a partial key. A null key matches a null
// or empty value.
#include <optional>
#include <string>

#include "foundation/variant.h"

namespace ruzi {

bool FieldValueMatches(const std::optional<std::string>& value, const Variant& key, bool ignore_case, bool partial);

}  // namespace ruzi
