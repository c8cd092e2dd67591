#include "support/Ffprobe.h"

#include "support/MediaFixture.h"

#include <gtest/gtest.h>

namespace testsupport {

const ProbedStream* ProbedFile::firstOf(const std::string& codecType) const
{
    for (const auto& stream : streams)
        if (stream.codecType == codecType)
            return &stream;
    return nullptr;
}

static std::string textOf(const nlohmann::json& object, const char* key)
{
    auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

static int numberOf(const nlohmann::json& object, const char* key)
{
    auto it = object.find(key);
    if (it == object.end())
        return 0;
    if (it->is_number())
        return it->get<int>();
    if (it->is_string())
        return std::atoi(it->get<std::string>().c_str());
    return 0;
}

std::optional<ProbedFile> ffprobe(const std::string& path)
{
    std::string output;
    int status = runCommand("ffprobe -v error -of json -show_format -show_streams " + shellQuote(path),
                            &output);
    if (status != 0) {
        ADD_FAILURE() << "ffprobe cannot read " << path << ": " << output;
        return std::nullopt;
    }
    ProbedFile file;
    file.raw = nlohmann::json::parse(output, nullptr, false);
    if (file.raw.is_discarded()) {
        ADD_FAILURE() << "ffprobe answered no JSON for " << path << ": " << output;
        return std::nullopt;
    }
    const auto& format = file.raw["format"];
    file.formatName = textOf(format, "format_name");
    file.duration = std::atof(textOf(format, "duration").c_str());
    for (const auto& s : file.raw["streams"]) {
        ProbedStream stream;
        stream.codecType = textOf(s, "codec_type");
        stream.codecName = textOf(s, "codec_name");
        stream.codecTag = textOf(s, "codec_tag_string");
        stream.width = numberOf(s, "width");
        stream.height = numberOf(s, "height");
        stream.frameRate = textOf(s, "r_frame_rate");
        stream.displayAspect = textOf(s, "display_aspect_ratio");
        stream.sampleRate = numberOf(s, "sample_rate");
        stream.channels = numberOf(s, "channels");
        if (s.contains("tags"))
            stream.language = textOf(s["tags"], "language");
        file.streams.push_back(stream);
    }
    return file;
}

double rationalValue(const std::string& rational)
{
    auto slash = rational.find('/');
    if (slash == std::string::npos)
        return std::atof(rational.c_str());
    double den = std::atof(rational.c_str() + slash + 1);
    return den == 0 ? 0 : std::atof(rational.substr(0, slash).c_str()) / den;
}

}  // namespace testsupport
