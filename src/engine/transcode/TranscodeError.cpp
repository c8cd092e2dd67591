#include "engine/transcode/TranscodeError.h"

extern "C" {
#include <libavutil/error.h>
}

namespace engine::transcoding {

std::string errorText(int averror)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror, text, sizeof text);
    return text;
}

std::string quotedPath(const std::string& path)
{
    return "'" + path + "'";
}

}  // namespace engine::transcoding
