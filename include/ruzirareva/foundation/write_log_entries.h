#pragma once
// The log writer as plain C entries, for a host that loads the library with LoadLibrary and
// looks them up by name (Windows only). The library owns every writer made here: RuziWriteLogFree
// ends one, the library's unload ends the rest. Any thread may add lines to a writer.
#include <cstdint>

#include "ruzirareva/export.h"

extern "C" {

// A new TqxWriteLogEx (nullptr texts count as empty); nullptr when it cannot be made.
RUZI_API void* RuziWriteLogCreate(const char* base_name, const char* log_path, double max_file_size_mb,
                                  const char* ini_file_name);
// AddLog on the writer; log_type is a TLogType (0 to 60), anything else is ignored.
RUZI_API void RuziWriteLogAdd(void* writer, const char* msg, const char* sub_name, int level, int log_type);
// Lines accepted and not yet in their file (0 for nullptr).
RUZI_API int64_t RuziWriteLogUnwritten(void* writer);
// Appends that did not reach the file whole (a full disk, a file that cannot be opened).
RUZI_API int64_t RuziWriteLogFailedWrites(void* writer);
// Writes out and ends the writer; 1 when it was one of the library's, else 0.
RUZI_API int RuziWriteLogFree(void* writer);

}
