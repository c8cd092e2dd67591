#include "engine/player/MediaInfo.h"

#include "engine/FfmpegPtr.h"

#include <cinttypes>
#include <cstdio>

namespace engine {

namespace {

std::string durationText(int64_t us)
{
    if (us == AV_NOPTS_VALUE || us < 0)
        return "N/A";
    int64_t centis = us / 10000;
    char text[32];
    std::snprintf(text, sizeof text, "%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%02" PRId64,
                  centis / 360000, centis / 6000 % 60, centis / 100 % 60, centis % 100);
    return text;
}

std::string streamText(const AVStream& stream)
{
    CodecContextPtr context(avcodec_alloc_context3(nullptr));
    if (!context || avcodec_parameters_to_context(context.get(), stream.codecpar) < 0)
        return "unknown";
    char text[512];
    avcodec_string(text, sizeof text, context.get(), 0);
    std::string line = text;
    if (stream.codecpar->codec_type == AVMEDIA_TYPE_VIDEO && stream.avg_frame_rate.num > 0
        && stream.avg_frame_rate.den > 0) {
        char rate[32];
        std::snprintf(rate, sizeof rate, ", %.2f fps", av_q2d(stream.avg_frame_rate));
        line += rate;
    }
    return line;
}

}  // namespace

std::string describeMedia(const AVFormatContext& format, const std::string& path)
{
    std::string text = "Input: " + std::string(format.iformat ? format.iformat->name : "?")
                       + ", from '" + path + "'\n";
    text += "  Duration: " + durationText(format.duration);
    if (format.bit_rate > 0)
        text += ", bitrate: " + std::to_string(format.bit_rate / 1000) + " kb/s";
    text += "\n";
    for (unsigned i = 0; i < format.nb_streams; ++i)
        text += "  Stream #0:" + std::to_string(i) + ": " + streamText(*format.streams[i]) + "\n";
    return text;
}

}  // namespace engine
