#pragma once
// ffprobe as an independent judge of the files the engine writes.

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace testsupport {

struct ProbedStream {
    std::string codecType;   // "video", "audio"
    std::string codecName;   // "mpeg4", "mp3", ...
    std::string codecTag;    // "DX50", or "" when none
    int width = 0;
    int height = 0;
    std::string frameRate;   // r_frame_rate, "25/1"
    std::string displayAspect;  // "16:9", or ""
    int sampleRate = 0;
    int channels = 0;
    std::string language;    // tags.language, or ""
};

struct ProbedFile {
    std::string formatName;  // "avi", "mov,mp4,m4a,3gp,3g2,mj2", ...
    double duration = 0;     // seconds
    std::vector<ProbedStream> streams;
    nlohmann::json raw;      // the whole answer, for anything else

    const ProbedStream* firstOf(const std::string& codecType) const;
};

// Runs ffprobe on the file; nullopt (and a test failure) when ffprobe
// cannot read it.
std::optional<ProbedFile> ffprobe(const std::string& path);

// A rational "30000/1001" as a number.
double rationalValue(const std::string& rational);

}  // namespace testsupport
