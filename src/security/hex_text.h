#pragma once
// Hex text of the ciphers where it differs from the general StrToHex/HexToStr: SM4 and SM3
// write lower case; the DES password cipher reads its digits by arithmetic, upper case only.
#include <cstddef>
#include <string>

namespace ruzi {

// Two lower-case digits per byte, high nibble first, into out (2 * count chars, no terminator).
void WriteHexLower(const unsigned char* bytes, size_t count, char* out);
std::string HexLower(const unsigned char* bytes, size_t count);

// The DES password text's digits: below 'A' a digit counts as '0'-'9', anything else as 'A'-'F'
// (each value kept to 8 bits, high * 16 | low), so stray characters give some byte, never a
// failure. text holds 2 * count chars.
void ReadHexUpperLoose(const char* text, size_t count, unsigned char* out);

}  // namespace ruzi
