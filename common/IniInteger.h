#pragma once
// Conversion of a stored ini text to a whole number. Pure text handling, no Windows.
#include <cstdint>
#include <optional>
#include <string_view>

// Leading blanks (code 32) are skipped; then an optional "+"/"-" and decimal digits
// within the signed 32-bit range, or, without a sign, one of "$", "x", "X", "0x", "0X"
// and hexadecimal digits up to FFFFFFFF, taken as a two's-complement pattern.
// Anything else, trailing blanks included, gives no value.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);
