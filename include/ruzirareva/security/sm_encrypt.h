#pragma once
// String-level ciphers and digests: SM4 and the DES password cipher on byte strings with a
// fixed zero fill and hex text out, SM3 digests of strings and files. Failures throw
// ruzi::Error with the message the callers show. Any thread may call them (the DES path holds the
// engine's lock).
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// Plain text of at most 16 bytes, zero-filled to 32, enciphered in two blocks under the first
// 16 bytes of key: 64 lower-case hex digits.
RUZI_API std::string SM4_Encrypt(std::string_view key, std::string_view plain);
// 64 hex digits of either case (empty gives empty): the deciphered bytes up to the first zero.
RUZI_API std::string SM4_Decrypt(std::string_view key, std::string_view cipher);
// 64 lower-case hex digits.
RUZI_API std::string SM3_Digest(std::string_view text);
// The digest of the whole file, or "" when it cannot be opened or read.
RUZI_API std::string SM3_Digest_File(const std::string& file_name);
// The DES password cipher: 32 upper-case hex digits, and back (up to the first zero byte).
RUZI_API std::string des3_encrypt(std::string_view key, std::string_view plain);
RUZI_API std::string des3_decrypt(std::string_view key, std::string_view cipher);
// SM4 under the working key of a key type (1 to 4) and key string.
RUZI_API std::string gm_encrypt(int key_type, std::string_view key, std::string_view plain);
// The same working key; 64 digits are SM4, any other length the DES password cipher.
RUZI_API std::string gm_decrypt(int key_type, std::string_view key, std::string_view cipher);
// SM3 of the working key followed by the text.
RUZI_API std::string SM3SM4(int key_type, std::string_view key, std::string_view text);
// Two lower-case hex digits per byte, high nibble first, into output (2 * count chars).
RUZI_API void BinToHex2(const unsigned char* bytes, char* output, int count);

}  // namespace ruzi
