#include "skin/skin_manifest.h"

namespace ruzi::skin {

// Written by the build from components/face/manifest.txt.
extern const char kSkinManifestText[];

const std::vector<ManifestEntry>& LibraryManifest() {
  static const std::vector<ManifestEntry> manifest = ParseManifest(kSkinManifestText);
  return manifest;
}

}  // namespace ruzi::skin
