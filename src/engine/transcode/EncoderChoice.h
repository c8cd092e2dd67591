#pragma once
// Which encoder a stream gets: the one asked for, under the name this
// FFmpeg build knows, and one the chosen container can hold.
//
// - An empty name is the container's default encoder.
// - "libfaac" (not in this build) is FFmpeg's native "aac".
// - "libopencore_amrnb" is our own AMR-NB encoder on the opencore library
//   when FFmpeg has no encoder of that name.
// - A codec the container cannot hold (AAC in an MPEG program stream) is
//   replaced by the container's default, and the log says so.

#include "engine/transcode/TaskLog.h"

#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace engine::transcoding {

struct EncoderChoice {
    const AVCodec* codec = nullptr;  // FFmpeg's encoder; nullptr for our AMR-NB encoder
    AVCodecID id = AV_CODEC_ID_NONE;
    std::string name;                // the encoder's name, for messages

    bool ownAmrNb() const { return codec == nullptr && id == AV_CODEC_ID_AMR_NB; }
};

// Throws TranscodeError (naming outputPath) for an unknown encoder name, an
// encoder of the wrong kind, or a container without a usable default.
EncoderChoice chooseEncoder(const std::string& requested, AVMediaType type, const AVOutputFormat* container,
                            const std::string& outputPath, TaskLog& log);

// Whether the container can hold the codec: FFmpeg's own answer where it
// has one, else our knowledge of MPEG program streams and of the
// single-codec raw containers.
bool containerHolds(const AVOutputFormat* container, AVCodecID id);

// The container for an output: the muxer named by fileFormat, else the one
// for fileExt (".avi"), else for the output path's extension. Throws
// TranscodeError naming outputPath when none fits.
const AVOutputFormat* chooseContainer(const std::string& fileFormat, const std::string& fileExt,
                                      const std::string& outputPath);

}  // namespace engine::transcoding
