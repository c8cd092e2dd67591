#include "profiles/Categories.h"

namespace profiles {

namespace {

// Profile captions per category, in selector order. Each caption ends with
// the output extension in parentheses after an asterisk.

// 0 "AVI视频"
constexpr std::string_view kCategory0[] = {
    "AVI标准视频(*.avi)",
    "HD高清晰AVI标准视频(*.avi)",
    "网络上常用的AVI视频(*.avi)",
    "电脑上常用的AVI视频(*.avi)",
    "优化的AVI视频(*.avi)",
    "高压缩的AVI视频(*.avi)",
    "高清的HD AVI视频(*.avi)",
};

// 1 "MKV视频"
constexpr std::string_view kCategory1[] = {
    "MKV标准视频(*.mkv)",
    "HD高清MKV视频(*.mkv)",
    "网络上常用的MKV视频(*.mkv)",
    "电脑上常用的MKV标准视频(*.mkv)",
    "优化的MKV视频(*.mkv)",
    "高压缩的MKV视频(*.mkv)",
    "高清的HD MKV视频(*.mkv)",
};

// 2 "高清视频"
constexpr std::string_view kCategory2[] = {
    "高清AVI视频格式(*.avi)",
    "高清AVI视频格式(*.avi)",
    "高清H264视频格式(*.mp4)",
    "高清MPEG-4视频格式(*.mp4)",
    "高清MOV视频格式(*.mov)",
    "高清ASF视频格式(*.asf)",
    "高清WMV视频格式(*.wmv)",
    "高清DVD视频格式(*.vob)",
    "高清MPEG-2视频格式(*.mpg)",
    "高清MKV视频格式(*.mkv)",
};

// 3 "iPad视频"
constexpr std::string_view kCategory3[] = {
    "iPad标准视频格式(*.mp4)",
    "iPad高清视频格式H.264编码(*.mp4)",
    "iPad MPEG-4视频格式 XviD编码 (*.mp4)",
    "iPad 720P HD高清晰视频MPEG-4(*.mp4)",
    "iPad 优化视频方案1(*.mp4)",
    "iPad 优化视频方案2(*.mp4)",
    "iPad 1080P FHD全高清晰视频MPEG-4(*.mp4)",
    "iPad 标准MOV视频(*.mov)",
    "iPad 高清MOV视频(*.mov)",
    "iPad 标准AVI视频(*.avi)",
    "iPad 高清AVI视频(*.avi)",
};

// 4 "电脑视频"
constexpr std::string_view kCategory4[] = {
    "AVI - 音频视频交错格式(*.avi)",
    "MP4 - MPEG-4视频格式(*.mp4)",
    "DivX - 视频格式(*.avi)",
    "MOV - 苹果QuickTime视频格式(*.mov)",
    "XviD - 视频格式(*.avi)",
    "MKV - Matroska视频格式(*.mkv)",
    "MPEG-1视频格式(*.mpg)",
    "MPEG-2视频格式(*.mpg)",
    "ASF - 高级流视频格式(*.asf)",
    "3GP - 视频格式(*.3gp)",
    "WMV - 视频格式(*.wmv)",
    "DVD - 视频格式(*.mpg)",
    "SVCD - 视频格式(*.mpg)",
    "VCD - 视频格式(*.mpg)",
    "RM - REAL视频格式(*.rm)",
};

// 5 "经典音频"
constexpr std::string_view kCategory5[] = {
    "MP3 - MPEG Layer-3音频格式(*.mp3)",
    "WMA - Windows媒体音频格式(*.wma)",
    "WAV - 波形音频格式(*.wav)",
    "AAC - 高级音频格式(*.aac)",
    "M4A - MPEG-4音频格式(*.m4a)",
    "OGG - Ogg Vorbis音频格式(*.ogg)",
    "RA - RealAudio音频格式(*.ra)",
    "AC3 - 杜比数字AC-3音频格式(*.ac3)",
    "AIFF - 音频交换文件格式(*.aiff)",
    "MP2 - MPEG Layer-2音频格式(*.mp2)",
    "FLAC-音频格式(*.flac)",
    "MP4-MP4音频格式(*.m4a)",
    "AMR-手机音频格式(*.amr)",
};

// 6 "MPG视频"
constexpr std::string_view kCategory6[] = {
    "MPG标准视频(*.mpg)",
    "MPEG-1标准视频(*.mpg)",
    "MPEG-2标准视频(*.mpg)",
    "MPEG-4标准视频(*.mp4)",
    "MPEG-2高清HD视频(*.mpg)",
    "MPEG-4高清HD视频(*.mp4)",
    "MPEG-2优化视频(*.mpg)",
    "MPEG-2高压缩视频(*.mpg)",
    "DVD格式高清晰视频(*.mpg)",
    "SVCD格式标清视频(*.mpg)",
    "VCD格式清晰视频(*.mpg)",
};

// 7 "WMV视频"
constexpr std::string_view kCategory7[] = {
    "WMV标准视频(*.wmv)",
    "HD高清WMV视频(*.wmv)",
    "网络上常用的WMV视频(*.wmv)",
    "电脑上常用的WMV标准视频(*.wmv)",
    "优化的WMV视频(*.wmv)",
    "高压缩的WMV视频(*.wmv)",
    "高清的HD WMV视频(*.wmv)",
};

// 8 "iPhone视频"
constexpr std::string_view kCategory8[] = {
    "标准iPhone MPEG-4视频(*.mp4)",
    "iPhone MPEG-4视频480P(*.mp4)",
    "高清iPhone MPEG-4视频720P(*.mp4)",
    "高清iPhone H264视频720P(*.mp4)",
    "高清iPhone H264视频1080P(*.mp4)",
    "iPhone MPEG-4视频宽屏(*.mp4)",
    "iPhone MPEG-4高清晰视频(*.mp4)",
    "iPhone MPEG-4视频(320X240)(*.mp4)",
    "iPhone MPEG-4视频(480X320)(*.mp4)",
    "iPhone 标准MOV视频(*.mov)",
    "iPhone 高清MOV视频(*.mov)",
    "iPhone 标准AVI视频-Xvid(*.avi)",
    "iPhone 高清DivX视频(*.avi)",
    "iPhone 高清AVI视频(*.avi)",
    "iPhone 高清WMV视频(*.wmv)",
};

// 9 "iPod视频"
constexpr std::string_view kCategory9[] = {
    "iPod (320X240) 高清晰视频(*.mp4)",
    "iPod (320X240) 高压缩视频(*.mp4)",
    "iPod (320X240) 标准视频(*.mp4)",
    "iPod Video2 TV OutPut视频(*.mp4)",
    "iPod Video2 (640X480)视频(*.mp4)",
    "iPod Video2 (640X480)高清晰视频(*.mp4)",
    "iPod Video2 (640X480)高压缩视频(*.mp4)",
    "iPod touch MPEG-4视频(*.mp4)",
    "iPod touch MPEG-4 480P视频(*.mp4)",
    "iPod touch MPEG-4 480P高清晰视频(*.mp4)",
    "iPod touch MPEG-4 480P高压缩视频(*.mp4)",
    "iPod touch MPEG-4 480P宽屏视频(*.mp4)",
    "iPod touch MPEG-4 (320X240)视频(*.mp4)",
    "iPod touch MPEG-4 (480X320)视频(*.mp4)",
};

// 10 "Flash视频"
constexpr std::string_view kCategory10[] = {
    "FLV在线网络视频(*.flv)",
    "SWF动画视频FLASH动画视频(*.swf)",
    "FLV在线网络音频格式(*.flv)",
    "SWF动画视频FLASH动画音频格式(*.swf)",
};

// Selector order: caption, category code, profiles.
constexpr Category kCategories[] = {
    {"AVI视频", 15, kCategory0},
    {"MKV视频", 16, kCategory1},
    {"高清视频", 2, kCategory2},
    {"iPad视频", 12, kCategory3},
    {"电脑视频", 0, kCategory4},
    {"经典音频", 1, kCategory5},
    {"MPG视频", 13, kCategory6},
    {"WMV视频", 17, kCategory7},
    {"iPhone视频", 4, kCategory8},
    {"iPod视频", 3, kCategory9},
    {"Flash视频", 11, kCategory10},
};

}  // namespace

std::span<const Category> categories() { return kCategories; }

}  // namespace profiles
