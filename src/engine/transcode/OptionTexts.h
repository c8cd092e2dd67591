#pragma once
// The texts of an output-options record read as numbers. An empty text is
// "not given" and reads as zero; a text that cannot be read throws
// std::invalid_argument naming the text.

#include <cstdint>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

namespace engine::transcoding {

struct FrameSize {
    int width = 0;   // 0: not given
    int height = 0;
};

// "720*576": a width, one separator character, a height.
FrameSize parseFrameSize(const std::string& text);

// A decimal rate ("25", "25.00", "29.97") or a fraction ("30000/1001").
// Rates a hair below a whole number are the NTSC rates: "29.97" is
// 30000/1001, "23.98" and "23.97" are 24000/1001. {0, 1}: not given.
AVRational parseFrameRate(const std::string& text);

// The display aspect: "16:9" or a decimal ("1.7778"). {0, 1}: not given.
AVRational parseAspectRatio(const std::string& text);

// A four-character codec tag as FFmpeg stores it; 0 for an empty text.
uint32_t parseCodecTag(const std::string& text);

}  // namespace engine::transcoding
