#pragma once
// A face library judged against the manifest of every skin entry the library requests:
// what `ruzi skin check` reports and what the build refuses.
#include <string>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

// The manifest lines (tab-separated: kind, family, element, attribute) the face library at
// `path` lacks, in manifest order; empty when it has everything. Throws ruzi::Error when the
// file cannot be opened as a module or its skin description does not parse.
RUZI_API std::vector<std::string> CheckFaceLibrary(const std::string& path);
// Every line of the manifest.
RUZI_API std::vector<std::string> SkinManifestLines();

}  // namespace ruzi
