#pragma once
// Making and releasing the SDK's packers and readers for function-number calls and server
// selection. No state: every object belongs to the caller until released here. Any thread may call
// them; a packer or reader is used by one thread at a time.
#include <cstdint>

#include "ruzirareva/export.h"
#include "ruzirareva/service/zt_sdk_interfaces.h"

namespace ruzi {

// A new packer of that version (the library passes 2), already started.
RUZI_API IF2Packer* GetPacker(int32_t Version);
// Releases the packet buffer through the packer, then the caller's reference. Nil is ignored.
RUZI_API void FreePacker(IF2Packer* Packer);
// A reader over Buffer (which it does not own): the version-1 reader when the buffer's packet
// is version 1, else the current one. Nil for a nil Buffer, without calling the SDK.
RUZI_API IF2UnPacker* GetUnPacker(void* Buffer, int32_t Length);
// Frees the bytes the reader reads (a process-heap block, as the transaction client hands
// replies over), then the caller's reference. Nil is ignored.
RUZI_API void FreeUnPacker(IF2UnPacker* UnPacker);

}  // namespace ruzi
