#include "skin/library_directory_loader.h"

#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "platform/last_error.h"
#include "platform/paths.h"
#include "platform/win32_error.h"
#include "ruzirareva/foundation/error.h"

namespace ruzi::skin {

void* LoadLibraryFromProgramDirectory(const std::string& file) {
  // The directory ends with its separator already.
  const std::string path = platform::ExecutableDirectory() + file;
  if (!platform::SystemFileSystem().FileExists(path)) throw Error("[" + file + "]文件不存在!");
  // Always a reference of our own, even to a module already loaded: FreeFaceDll then gives
  // back only that, never the one Facemanager's bound queries live on.
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadFullPath(path);
  if (!library.IsLoaded()) {
    const uint32_t error = platform::LastSystemError();
    throw Error("[" + file + "]" + std::to_string(error) + ":" + platform::Win32ErrorText(error));
  }
  library.Keep();
  return library.Handle();
}

}  // namespace ruzi::skin
