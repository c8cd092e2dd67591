#pragma once
// Values an encoder and its container can take, chosen the way a careful
// user of the ffmpeg command line would choose them when the wanted value
// is not possible: the nearest frame rate of MPEG-1/2, the nearest sample
// rate an encoder supports, a channel layout and sample and pixel formats
// from the encoder's lists, sizes rounded down to what the encoder's pixel
// format and bitstream allow.

#include "engine/transcode/EncoderChoice.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/pixfmt.h>
#include <libavutil/rational.h>
#include <libavutil/samplefmt.h>
}

namespace engine::transcoding {

AVRational fitFrameRate(const EncoderChoice& encoder, AVRational wanted);

int fitSampleRate(const EncoderChoice& encoder, const AVOutputFormat* container, int wanted);

// The default layout of the nearest channel count the encoder takes.
AVChannelLayout fitChannelLayout(const EncoderChoice& encoder, int wantedChannels);

AVSampleFormat fitSampleFormat(const EncoderChoice& encoder, AVSampleFormat source);

AVPixelFormat fitPixelFormat(const EncoderChoice& encoder, AVPixelFormat source);

// Width and height must be multiples of this for the encoder and format
// (2 for 4:2:0, 16 for RealVideo 1, ...).
int sizeAlignment(const EncoderChoice& encoder, AVPixelFormat format);

// Rounds down to the alignment, never below it.
int alignDown(int value, int alignment);

}  // namespace engine::transcoding
