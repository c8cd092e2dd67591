#pragma once
// The columns of the job list. Column 0 shows a row's caption (the source
// path); column k + 1 shows sub-item k. Seven columns are visible; the
// others carry a job's settings as texts, with width 0.

#include <QString>

#include <array>

namespace jobs {

inline constexpr int kSubItemCount = 24;
inline constexpr int kColumnCount = kSubItemCount + 1;

// Sub-item numbers by meaning.
enum SubItem : int {
    siDuration = 0,      // "视频时间": source duration, or "N/A"
    siSourceSize = 1,    // "文件大小": "12.34MB"
    siOutputName = 2,    // "输出文件": output file name without folder
    siProgress = 3,      // "转换进度": "37%", "N/A", "100%"
    siSpeed = 4,         // encoder frames per second
    siCurrentTime = 5,   // "当前时间": media time converted so far
    siCurrentSize = 6,   // "转换大小": output size so far
    siTaskNumber = 7,    // engine task index + 1
    siProfileRow = 8,    // row profile number
    siPreset = 9,        // twelve-digit preset string
    siVideoCodec = 10,
    siAudioCodec = 11,
    siAudioChannels = 12,
    siVideoTag = 13,
    siFileExt = 14,
    siFrameSize = 15,
    siVideoBitrate = 16,
    siFrameRate = 17,
    siAudioBitrate = 18,
    siAudioSampleRate = 19,
    siAspectRatio = 20,
    siDisableVideo = 21,
    siTargetType = 22,
    siNormType = 23,
};

struct ColumnSpec {
    const char* header;  // UTF-8; empty for the speed column
    int width;           // 0: hidden
};

// The 25 columns in order.
const std::array<ColumnSpec, kColumnCount>& jobColumns();

// A hidden column can never be made wider than this.
inline constexpr int kHiddenColumnMaxWidth = 1;

}  // namespace jobs
