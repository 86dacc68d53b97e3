#include "ruzirareva/skin/skin_check.h"

#include "platform/module_resources.h"
#include "ruzirareva/foundation/error.h"
#include "skin/skin_manifest.h"

namespace ruzi {

std::vector<std::string> CheckFaceLibrary(const std::string& path) {
  void* module = platform::LoadModuleAsData(path);
  if (module == nullptr) throw Error("cannot open " + path);
  try {
    const auto text = platform::ModuleResourceBytes(module, "#10", "SKIN");
    const skin::SkinDescription description = text ? skin::SkinDescription::Parse(*text) : skin::SkinDescription{};
    std::vector<std::string> missing = skin::MissingSkinEntries(
        skin::LibraryManifest(), description,
        [module](const std::string& name) { return platform::ModuleResourceBytes(module, "PNG", name).has_value(); });
    if (!text) missing.insert(missing.begin(), "resource\tSKIN");
    platform::ReleaseModule(module);
    return missing;
  } catch (...) {
    platform::ReleaseModule(module);
    throw;
  }
}

std::vector<std::string> SkinManifestLines() {
  std::vector<std::string> lines;
  for (const skin::ManifestEntry& entry : skin::LibraryManifest()) lines.push_back(skin::ManifestLine(entry));
  return lines;
}

}  // namespace ruzi
