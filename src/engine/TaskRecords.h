#pragma once
// The option, progress and end records that pass between the user interface
// and the media engine. Plain data: the engine copies them when they are
// handed over. "Not given" is an empty text or a number that is not
// positive; the engine then keeps the source's value or the encoder's or
// container's default.

#include <cstdint>
#include <string>

namespace engine {

enum class TOptionTargetType { ttIgnore, ttVCD, ttSVCD, ttDVD };
enum class TOptionNormType { ntAuto, ntPAL, ntNTSC };
enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal };

// Options of one task's input file.
struct TInputOptions {
    std::string FileName;     // source path (UTF-8)
    std::string FileFormat;   // forced demuxer name; empty: detect
    int64_t TimeStart = -1;   // start position in microseconds; -1: from the beginning
    int32_t ProgramID = -1;   // program of a multi-program stream; -1: default
    std::string ExtOptions;   // extra demuxer options; empty: none
    int32_t Tag = -1;
    void* Data = nullptr;
};

// Options of one task's output file.
struct TOutputOptions {
    std::string FileName;          // output path, filled in when the output is attached
    std::string FileExt;           // container chosen by extension (".avi"); empty: from FileName
    std::string FileFormat;        // container chosen by muxer name; wins over FileExt
    std::string VideoCodec;        // FFmpeg encoder name; empty: the container's default
    std::string VideoPreset;       // "libx264-default": x264's default settings
    std::string VideoTag;          // four-character codec tag, or empty
    std::string VideoFilters;      // extra video filter graph, or empty
    std::string FrameSize;         // "720*576": width, one separator, height; empty: the source's
    std::string FrameRate;         // "25", "29.97"; empty: the source's
    std::string FrameAspectRatio;  // "16:9" or "1.7778"; empty: the source's
    int32_t VideoBitrate = -1;     // bit/s; not positive: the encoder's default
    bool DisableVideo = false;     // the output has no video stream
    std::string AudioCodec;        // FFmpeg encoder name; empty: the container's default
    int32_t AudioChannels = -1;    // not positive: the source's
    int32_t AudioSampleRate = -1;  // Hz; not positive: the source's
    int32_t AudioBitrate = -1;     // bit/s; not positive: the encoder's default
    int32_t AudioVolume = 256;     // 256: unchanged volume
    std::string AudioLanguage;     // language tag of the audio stream; empty: none
    TOptionTargetType TargetType = TOptionTargetType::ttIgnore;  // VCD, SVCD, DVD standard settings
    TOptionNormType NormType = TOptionNormType::ntAuto;          // norm for TargetType
    TOptionNormType NormDefault = TOptionNormType::ntPAL;        // norm when ntAuto cannot tell
    int64_t TimeStart = -1;        // microseconds; -1: from the beginning
    int64_t TimeLength = -1;       // microseconds; -1: to the end
};

// Progress of one running task.
struct TProgressInfo {
    int32_t TaskIndex = 0;
    int32_t FileIndex = 0;
    int32_t FrameNumber = 0;
    int32_t FPS = 0;
    float Quality = 0;
    float BitRate = 0;
    int64_t CurrentSize = 0;      // bytes written so far
    int64_t CurrentDuration = 0;  // media time converted so far, microseconds
    int64_t TotalDuration = 0;    // source duration, microseconds; not positive: unknown
};

// End of one task (TaskIndex >= 0) or of the whole batch (TaskIndex -1).
struct TTerminateInfo {
    int32_t TaskIndex = -1;
    bool Finished = false;   // converted to the end
    bool Exception = false;  // ended with an error
    std::string ExceptionMsg;
};

}  // namespace engine
