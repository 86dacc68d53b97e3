#pragma once
// The face library (or the resource library) loaded from the program's own directory, with a
// reference of its own that is kept (a module already loaded is shared, not loaded twice). Throws ruzi::Error
// "[" + file + "]文件不存在!" when no such file lies there, and "[" + file + "]" + the system's
// error number + ":" + its text when it does not load.
#include <string>

namespace ruzi::skin {

void* LoadLibraryFromProgramDirectory(const std::string& file);

}  // namespace ruzi::skin
