#pragma once
// What a face library (face.dll and its sibling skins) exports, as plain C types so the
// library and the face DLL, each with its own C++ runtime, agree on every byte. Strings are
// GBK, zero-terminated. A string answer is copied into the caller's buffer (cut to fit, always
// terminated when the buffer has room for anything) and the function returns the answer's full
// length, so a caller can ask again with a larger buffer. A key the skin lacks answers "", 0 or
// false. The functions may be called from any thread.
#include <cstddef>
#include <cstdint>

// Natively (portable tests, tools) the calling convention has no meaning.
#if !defined(_WIN32) && !defined(__stdcall)
#define __stdcall
#endif

extern "C" {

// A decoded skin image, owned by the face library until it is unloaded. `bgra` holds
// width * height pixels, premultiplied by alpha, top row first. `png`/`png_size` are the
// resource's own bytes. When the resource does not decode, `error` says why, the size is 0
// and `bgra` is null; otherwise `error` is null.
struct FaceImage {
  int32_t width;
  int32_t height;
  const uint8_t* bgra;
  const uint8_t* png;
  uint32_t png_size;
  const char* error;
};

typedef int32_t(__stdcall* FaceStringQuery2)(const char* element, const char* attribute, char* buffer,
                                             int32_t buffer_size);
typedef int32_t(__stdcall* FaceStringQuery1)(const char* name, char* buffer, int32_t buffer_size);
typedef uint32_t(__stdcall* FaceColourQuery2)(const char* element, const char* attribute);
typedef uint32_t(__stdcall* FaceColourQuery1)(const char* name);
typedef uint8_t(__stdcall* FaceFlagQuery2)(const char* element, const char* attribute);
typedef int32_t(__stdcall* FaceIntegerQuery2)(const char* element, const char* attribute);
typedef int32_t(__stdcall* FaceIntegerQuery1)(const char* name);
typedef const FaceImage*(__stdcall* FaceImageQuery)(const char* name);
}

static_assert(sizeof(FaceImage) == 40, "FaceImage crosses module boundaries: its layout is fixed");
static_assert(offsetof(FaceImage, width) == 0 && offsetof(FaceImage, height) == 4);
static_assert(offsetof(FaceImage, bgra) == 8 && offsetof(FaceImage, png) == 16);
static_assert(offsetof(FaceImage, png_size) == 24 && offsetof(FaceImage, error) == 32);
