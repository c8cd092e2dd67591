#pragma once
// What a job's output options ask for, made concrete for one source: the
// container and its options, and for each stream the encoder, the frame
// shape the filters produce and the encoder's settings. Values the options
// leave open are the source's or the encoder's; values an encoder or
// container cannot take are replaced by the nearest it can (see
// CodecLimits.h); a disc target's standard settings replace the job's.

#include "engine/TaskRecords.h"
#include "engine/transcode/FrameFilter.h"
#include "engine/transcode/InputFile.h"
#include "engine/transcode/StreamEncoder.h"

#include <map>
#include <optional>
#include <string>

namespace engine::transcoding {

struct VideoPlan {
    VideoOutput filter;
    VideoEncoderSettings encoder;  // size and aspect are taken from the filters' output
};

struct AudioPlan {
    AudioOutput filter;
    AudioEncoderSettings encoder;
};

struct OutputPlan {
    const AVOutputFormat* container = nullptr;
    std::map<std::string, std::string> containerOptions;
    std::optional<VideoPlan> video;
    std::optional<AudioPlan> audio;
};

// Throws TranscodeError naming the output file for options that cannot be
// read or met.
OutputPlan planOutput(const TOutputOptions& options, InputFile& input, TaskLog& log);

}  // namespace engine::transcoding
