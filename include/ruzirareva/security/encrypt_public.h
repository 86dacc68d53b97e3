#pragma once
// The encryption facade the client's modules call: SM4 or the DES password cipher chosen by
// the host, a per-call TEncryptType and the user's registry switch, under a working key built
// from a key type and a short key string. Failures throw ruzi::Error with the message shown
// to the user. Any thread may call them: the DES password cipher holds the engine's lock, the rest
// keeps no shared state.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/security/encrypt_type.h"

namespace ruzi {

// EncryptSM4 when the host chose the national ciphers (is_use_sm), else Encrypt3DES.
RUZI_API std::string qxEncryptEx(int key_type, std::string_view key, std::string_view plain, TEncryptType type);
// DecryptSM4 for a text of 64 characters, else Decrypt3DES, whatever the host chose.
RUZI_API std::string qxDecryptEx(int key_type, std::string_view key, std::string_view cipher, TEncryptType type);

// The four ciphers return the text unchanged unless type is etEncrypt, or etNone while
// CheckDisableEncrypt() is true. Key type 0 uses the key string itself as the working key,
// 1 to 4 GetDESKey.
RUZI_API std::string EncryptSM4(int key_type, std::string_view key, std::string_view plain, TEncryptType type);
RUZI_API std::string DecryptSM4(int key_type, std::string_view key, std::string_view cipher, TEncryptType type);
RUZI_API std::string Encrypt3DES(int key_type, std::string_view key, std::string_view plain, TEncryptType type);
RUZI_API std::string Decrypt3DES(int key_type, std::string_view key, std::string_view cipher, TEncryptType type);

// A one-way 64-digit hash of a password: SM3 of its SM4 text under key type 3.
RUZI_API std::string qxNewEncrypt(std::string_view key, std::string_view text);
RUZI_API std::string SM3Digest(std::string_view text);
// "" when the file cannot be opened or read.
RUZI_API std::string SM3DigestFile(const std::string& file_name);

// The DES password cipher on zero-terminated strings: 0 on success, -1 on a length error.
// output: 33 bytes for qxspecial, 17 for qxunspecial.
RUZI_API int qxspecial(const char* key, const char* input, char* output);
RUZI_API int qxunspecial(const char* key, const char* input, char* output);

}  // namespace ruzi
