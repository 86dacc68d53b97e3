#pragma once
// Resources of a loaded module (a face library) by name: icons, bitmaps, strings. Natively
// there are no such modules: every lookup finds nothing (null, 0).
#include <cstdint>
#include <optional>
#include <string>

namespace ruzi::platform {

// LoadIconA: the icon at the system's icon size; null when missing.
void* LoadModuleIcon(void* module, const std::string& name);
// LoadImageA as an icon of width x height, no flags; null when missing.
void* LoadModuleIconSized(void* module, const std::string& name, int width, int height);
// LoadBitmapA; null when missing.
void* LoadModuleBitmap(void* module, const std::string& name);
// LoadStringA into `buffer` (terminated); the characters copied, 0 when missing.
int LoadModuleString(void* module, uint32_t id, char* buffer, int buffer_size);
// The bytes of the resource `name` of `type` ("#10" for a numbered type), or nothing.
std::optional<std::string> ModuleResourceBytes(void* module, const std::string& type, const std::string& name);
// A module's resources without running its code; null when it cannot be opened.
void* LoadModuleAsData(const std::string& path);
// Frees a module loaded by LoadedOrLoad or LoadFullPath whose handle was kept.
void ReleaseModule(void* module);

}  // namespace ruzi::platform
