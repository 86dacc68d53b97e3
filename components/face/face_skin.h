#pragma once
// The skin a face library carries: its description (the "SKIN" resource, parsed on first
// use) and its PNG images, each decoded once on first request and kept until the library is
// unloaded. Any thread may call these.
#include <string_view>

#include "ruzirareva/skin/face_library.h"
#include "skin/skin_description.h"

namespace ruzi::face {

// An empty description when the resource is missing or malformed: every query then answers
// "", 0 or false.
const skin::SkinDescription& Description();
// nullptr for a name the library lacks.
const FaceImage* SkinPng(std::string_view name);

}  // namespace ruzi::face
