#pragma once
// Code page 932's double-byte characters as UTF-16, which is how the
// registry holds the names that the ANSI functions hand it.

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace reg::cp932 {

inline constexpr int kLeadCount = 60;    // 0x81-0x9F, 0xE0-0xFC
inline constexpr int kTrailCount = 189;  // 0x40-0xFC
// 0 where the pair is no character.
extern const std::uint16_t kDoubleByte[kLeadCount][kTrailCount];
// Codes of characters that have another code, with the code that the ANSI
// functions give back for them, ordered by the first.
inline constexpr int kRespelledCount = 398;
extern const std::uint16_t kRespelled[kRespelledCount][2];

inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The UTF-16 code unit of the pair, or 0.
inline std::uint16_t DoubleByte(unsigned char lead, unsigned char trail) {
  if (!IsLeadByte(lead) || trail < 0x40 || trail > 0xFC) return 0;
  const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
  return kDoubleByte[row][trail - 0x40];
}

// The code the ANSI functions give back for the character of this code.
inline std::uint16_t Respelled(std::uint16_t code) {
  const auto* end = std::end(kRespelled);
  const auto* it = std::lower_bound(std::begin(kRespelled), end, code,
                                    [](const std::uint16_t(&pair)[2], std::uint16_t c) { return pair[0] < c; });
  return it != end && (*it)[0] == code ? (*it)[1] : code;
}

}  // namespace reg::cp932
