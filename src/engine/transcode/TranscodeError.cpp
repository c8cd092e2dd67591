#include "engine/transcode/TranscodeError.h"

namespace engine::transcoding {

std::string quotedPath(const std::string& path)
{
    return "'" + path + "'";
}

}  // namespace engine::transcoding
