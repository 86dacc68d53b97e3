#pragma once
// Resources of a loaded module (a face library) by name: icons, bitmaps, strings. Natively
// there are no such modules: every lookup finds nothing (null, 0).
#include <cstdint>
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
// Frees a module loaded by LoadedOrLoad or LoadFullPath whose handle was kept.
void FreeModule(void* module);

}  // namespace ruzi::platform
