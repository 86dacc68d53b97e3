#pragma once
// The SDK's packet writer and reader: the library declares their slot order (the contract
// both sides keep); the SDK's objects implement the same declarations.
#include "service/zt_sdk_interfaces.h"

namespace ruzi::sdk {

using ruzi::IF2Packer;
using ruzi::IF2UnPacker;
using ruzi::IRefCounted;

}  // namespace ruzi::sdk
