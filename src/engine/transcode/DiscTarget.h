#pragma once
// The standard VCD, SVCD and DVD settings, as the ffmpeg command line's
// "-target" option applies them, and the television norm they are made for.

#include "engine/TaskRecords.h"

#include <cstdint>

extern "C" {
#include <libavutil/pixfmt.h>
#include <libavutil/rational.h>
}

namespace engine::transcoding {

struct DiscStandard {
    const char* muxer;          // "vcd", "svcd", "dvd"
    const char* videoEncoder;
    const char* audioEncoder;
    int width;
    int height;
    AVRational frameRate;
    AVPixelFormat pixelFormat;  // AV_PIX_FMT_NONE: the encoder's choice
    int gopSize;
    int64_t videoBitRate;
    int64_t maxRate;
    int64_t minRate;
    int bufferSize;             // bits
    bool scanOffset;            // SVCD scan offset user data
    int64_t audioBitRate;
    int sampleRate;
    int channels;               // 0: the source's
    int packetSize;             // bytes per pack
    int muxRate;                // bit/s, the mpeg muxer's "muxrate"; 0: its default
    double preload;             // seconds; 0: none
};

// The settings of a disc target for PAL (25 frames) or NTSC (30000/1001).
// Precondition: target is not ttIgnore.
DiscStandard discStandard(TOptionTargetType target, bool pal);

// The norm to make a disc for: PAL or NTSC as asked; for ntAuto the
// source's frame rate tells (25 or 50: PAL; 29.97, 23.976, 59.94, 30, 24,
// 60: NTSC) and normDefault decides when it cannot (no video, other rates),
// PAL when that is automatic too.
bool discIsPal(TOptionNormType norm, TOptionNormType normDefault, AVRational sourceRate);

}  // namespace engine::transcoding
