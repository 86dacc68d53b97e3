#pragma once
// The manifest: every skin entry the library requests, kept as data beside the face library's
// sources (components/face/manifest.txt) and compiled into the library. A skin lacking an
// entry fails its build, and `ruzi skin check` reports the same.
//
// One entry a line, fields separated by tabs (so a key's trailing blank survives):
//   image<TAB>name                     colour<TAB>family<TAB>element<TAB>attribute
//   flag<TAB>family<TAB>element<TAB>attribute     text<TAB>family<TAB>element<TAB>attribute
// Blank lines and lines starting with '#' are ignored.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_description.h"

namespace ruzi::skin {

struct ManifestEntry {
  enum class Kind { kImage, kColour, kFlag, kText };
  Kind kind;
  SkinFamily family;      // not used by images
  std::string element;    // not used by images
  std::string attribute;  // an image's resource name
};

// Throws ruzi::Error naming the line on anything malformed.
std::vector<ManifestEntry> ParseManifest(std::string_view text);
// The line the manifest holds for the entry.
std::string ManifestLine(const ManifestEntry& entry);
// The manifest compiled into the library (library_manifest.cpp).
const std::vector<ManifestEntry>& LibraryManifest();

// The entries a skin lacks, as manifest lines in manifest order.
std::vector<std::string> MissingSkinEntries(const std::vector<ManifestEntry>& manifest, const SkinDescription& skin,
                                            const std::function<bool(const std::string&)>& has_image);

}  // namespace ruzi::skin
