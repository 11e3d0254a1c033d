#pragma once
#include <cstddef>
#include <cstdint>

// The code page 932 byte-pair table, generated from glibc iconv "CP932" by
// tools/gen_cp932_table.cpp. Single bytes (ASCII, half-width katakana) are not tabulated.
namespace quorlex::ShiftJis::detail {

inline constexpr int TrailFirst = 0x40;
inline constexpr int TrailLast = 0xFC;
inline constexpr int TrailCount = TrailLast - TrailFirst + 1;
// Lead bytes 0x81..0x9F and 0xE0..0xFC, in that order.
inline constexpr int LeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

inline constexpr bool isLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

inline constexpr int leadRow(unsigned char lead)
{
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

// The character of each lead/trail pair, 0 where the pair is not code page 932.
extern const char16_t PairTable[LeadCount][TrailCount];

// Pairs that decode to a character whose preferred form is another pair, ascending.
extern const uint16_t NonPreferredPairs[];
extern const std::size_t NonPreferredPairCount;

} // namespace quorlex::ShiftJis::detail
