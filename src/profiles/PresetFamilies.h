#pragma once
// The entry lists of the six preset lists. Every preset list always shows
// exactly the entries of one family, numbered from 0 in the order given:
//   S1..S12  frame sizes          V1..V16  video bit rates
//   R1..R6   frame rates          A1..A4   audio bit rates
//   H1..H5   sample rates         M1..M3   aspect modes

#include <optional>
#include <span>
#include <string_view>

namespace profiles {

enum class Family {
    S1, S2, S3, S4, S5, S6, S7, S8, S9, S10, S11, S12,
    V1, V2, V3, V4, V5, V6, V7, V8, V9, V10, V11, V12, V13, V14, V15, V16,
    R1, R2, R3, R4, R5, R6,
    A1, A2, A3, A4,
    H1, H2, H3, H4, H5,
    M1, M2, M3,
};

std::span<const std::string_view> entriesOf(Family family);

// "S1", "V13", ...
std::string_view nameOf(Family family);

// The number of the entry with this text, or nothing when the family has
// no such entry.
std::optional<int> entryNumberOf(Family family, std::string_view text);

// Texts that stand for "keep the source's value" or "no video".
inline constexpr std::string_view kKeepFrameSize = "保持原分辨率";
inline constexpr std::string_view kKeepFrameRate = "保持原帧速率";
inline constexpr std::string_view kKeepAspect = "保持原视频模式";
inline constexpr std::string_view kFormatWithoutVideo = "该格式无视频";
inline constexpr std::string_view kNoVideo = "无视频";

}  // namespace profiles
