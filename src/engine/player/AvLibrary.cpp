#include "engine/player/AvLibrary.h"

#include "engine/FfmpegPtr.h"

#include <SDL.h>

#include <atomic>
#include <mutex>

namespace engine {

namespace {

std::atomic<bool> loaded{false};
std::mutex loading;

bool sameMajor(unsigned runtime, unsigned built) { return (runtime >> 16) == (built >> 16); }

}  // namespace

bool avLibrariesLoaded() { return loaded.load(); }

bool loadAvLibraries(const std::string& folder, std::string& error)
{
    std::lock_guard lock(loading);
    if (loaded)
        return true;
    struct Check {
        const char* name;
        unsigned runtime;
        unsigned built;
    };
    const Check checks[] = {
        {"libavformat", avformat_version(), LIBAVFORMAT_VERSION_INT},
        {"libavcodec", avcodec_version(), LIBAVCODEC_VERSION_INT},
        {"libavutil", avutil_version(), LIBAVUTIL_VERSION_INT},
        {"libswscale", swscale_version(), LIBSWSCALE_VERSION_INT},
        {"libswresample", swresample_version(), LIBSWRESAMPLE_VERSION_INT},
        {"libavfilter", avfilter_version(), LIBAVFILTER_VERSION_INT},
    };
    for (const Check& check : checks) {
        if (!sameMajor(check.runtime, check.built)) {
            error = std::string("Cannot load the media libraries from ") + folder + ": "
                    + check.name + " " + std::to_string(check.runtime >> 16)
                    + " found, version " + std::to_string(check.built >> 16) + " needed";
            return false;
        }
    }
    SDL_version sdl;
    SDL_GetVersion(&sdl);
    if (sdl.major != SDL_MAJOR_VERSION) {
        error = "Cannot load the media libraries from " + folder + ": SDL "
                + std::to_string(sdl.major) + " found, version " + std::to_string(SDL_MAJOR_VERSION)
                + " needed";
        return false;
    }
    // Audio may still be unavailable (no sound card): the player then runs
    // its video on its own clock, so a failure here is not the libraries'.
    if (!SDL_WasInit(SDL_INIT_AUDIO))
        SDL_InitSubSystem(SDL_INIT_AUDIO);
    loaded = true;
    return true;
}

}  // namespace engine
