#pragma once
// Skinresmanager's face library handle, shared by its loaders: loaded from the program's
// directory on first use (its errors raised as the directory loader words them) and kept
// until FreeFaceDll.
#include <string>

namespace ruzi::Skinresmanager {

void* FaceLibraryModule();
// The TPNGObjects LoadSkinPngFromFile handed out for the library's images, let go with it.
void ForgetLibraryPngObjects();

}  // namespace ruzi::Skinresmanager
