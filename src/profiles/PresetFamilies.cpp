#include "profiles/PresetFamilies.h"

#include <algorithm>
#include <iterator>

namespace profiles {

namespace {

// Frame sizes
constexpr std::string_view kS1[] = {
    "保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288", "480*480",
    "480*576", "640*368", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600",
    "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080",
    "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view kS2[] = {
    "保持原分辨率", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080",
    "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view kS3[] = {
    "保持原分辨率", "640*480", "720*480", "720*576", "960*540", "1024*768", "1280*720", "1280*1024",
    "1600*1024", "1600*1200", "1920*1080", "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view kS4[] = {
    "保持原分辨率", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480",
    "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200",
    "2048*1536", "2560*1600",
};
constexpr std::string_view kS5[] = {
    "112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176", "320*208",
    "320*224", "320*240",
};
constexpr std::string_view kS6[] = {"该格式无视频"};
constexpr std::string_view kS7[] = {
    "保持原分辨率", "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368",
    "512*384", "640*272", "640*353", "640*480", "704*480", "704*576", "720*480", "720*576",
    "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080",
};
constexpr std::string_view kS8[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368",
    "512*384", "640*272", "640*353", "640*480", "720*406",
};
constexpr std::string_view kS9[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368",
    "512*384", "640*272", "640*353", "640*480", "720*406", "704*480", "704*576", "720*480",
    "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080",
};
constexpr std::string_view kS10[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*272", "640*480",
    "704*576", "1280*720", "1440*1080", "1920*1080",
};
constexpr std::string_view kS11[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480",
};
constexpr std::string_view kS12[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368",
    "512*384", "640*272", "640*353", "640*480",
};

// Video bit rates
constexpr std::string_view kV1[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps",
    "2000 kbps",
};
constexpr std::string_view kV2[] = {
    "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
    "4000 kbps",
};
constexpr std::string_view kV3[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV4[] = {
    "128 kbps", "288 kbps", "528 kbps", "600 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV5[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV6[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV7[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1000 kbps", "1200 kbps",
    "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV8[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV9[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV10[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV11[] = {
    "8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps",
    "96 kbps", "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps",
};
constexpr std::string_view kV12[] = {"无视频"};
constexpr std::string_view kV13[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV14[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV15[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1000 kbps", "1200 kbps",
    "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV16[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps",
};

// Frame rates
constexpr std::string_view kR1[] = {
    "保持原帧速率", "10.00", "13.00", "15.00", "18.00", "20.00", "23.00", "23.97", "24.00", "25.00",
    "29.97", "30.00",
};
constexpr std::string_view kR2[] = {"保持原帧速率", "25.00", "29.97", "30.00"};
constexpr std::string_view kR3[] = {"保持原帧速率", "23.98", "24.00", "25.00", "29.97", "30.00"};
constexpr std::string_view kR4[] = {"1", "2", "3", "5", "10", "12", "15"};
constexpr std::string_view kR5[] = {"无视频"};
constexpr std::string_view kR6[] = {
    "保持原帧速率", "10.00", "12.00", "15.00", "20.00", "23.98", "24.00", "25.00", "29.97", "30.00",
};

// Audio bit rates
constexpr std::string_view kA1[] = {
    "16 kbps", "24 kbps", "32 kbps", "40 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps",
    "96 kbps", "112 kbps", "128 kbps", "144 kbps", "160 kbps", "192 kbps", "224 kbps", "256 kbps",
    "320 kbps",
};
constexpr std::string_view kA2[] = {"64 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps"};
constexpr std::string_view kA3[] = {"5 kbps", "6 kbps", "7 kbps", "8 kbps", "10 kbps", "12 kbps"};
constexpr std::string_view kA4[] = {
    "4.75 kbps", "5.15 kbps", "5.9 kbps", "6.7 kbps", "7.4 kbps", "7.95 kbps", "10.2 kbps",
    "12.2 kbps",
};

// Sample rates
constexpr std::string_view kH1[] = {"11025", "16000", "22050", "32000", "44100", "48000"};
constexpr std::string_view kH2[] = {"22050", "24000", "32000", "44100", "48000"};
constexpr std::string_view kH3[] = {"8000"};
constexpr std::string_view kH4[] = {"22050", "32000", "44100", "48000"};
constexpr std::string_view kH5[] = {"11025", "22050", "44100"};

// Aspect modes
constexpr std::string_view kM1[] = {
    "保持原视频模式", "普通视频4:3模式", "宽屏视频16:9模式", "宽屏视频37:20模式", "宽屏视频47:20模式",
};
constexpr std::string_view kM2[] = {"保持原视频模式", "普通视频4:3模式"};
constexpr std::string_view kM3[] = {"无视频"};

struct FamilyEntries {
    std::string_view name;
    std::span<const std::string_view> entries;
};

// Indexed by Family.
constexpr FamilyEntries kFamilies[] = {
    {"S1", kS1}, {"S2", kS2}, {"S3", kS3}, {"S4", kS4}, {"S5", kS5}, {"S6", kS6}, {"S7", kS7},
    {"S8", kS8}, {"S9", kS9}, {"S10", kS10}, {"S11", kS11}, {"S12", kS12}, {"V1", kV1}, {"V2", kV2},
    {"V3", kV3}, {"V4", kV4}, {"V5", kV5}, {"V6", kV6}, {"V7", kV7}, {"V8", kV8}, {"V9", kV9},
    {"V10", kV10}, {"V11", kV11}, {"V12", kV12}, {"V13", kV13}, {"V14", kV14}, {"V15", kV15},
    {"V16", kV16}, {"R1", kR1}, {"R2", kR2}, {"R3", kR3}, {"R4", kR4}, {"R5", kR5}, {"R6", kR6},
    {"A1", kA1}, {"A2", kA2}, {"A3", kA3}, {"A4", kA4}, {"H1", kH1}, {"H2", kH2}, {"H3", kH3},
    {"H4", kH4}, {"H5", kH5}, {"M1", kM1}, {"M2", kM2}, {"M3", kM3},
};
static_assert(std::size(kFamilies) == static_cast<std::size_t>(Family::M3) + 1);

}  // namespace

std::span<const std::string_view> entriesOf(Family family) { return kFamilies[static_cast<int>(family)].entries; }

std::string_view nameOf(Family family) { return kFamilies[static_cast<int>(family)].name; }

std::optional<int> entryNumberOf(Family family, std::string_view text) {
    const auto entries = entriesOf(family);
    const auto it = std::find(entries.begin(), entries.end(), text);
    if (it == entries.end()) return std::nullopt;
    return static_cast<int>(it - entries.begin());
}

}  // namespace profiles
