#include "support/MediaFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testsupport {

std::string mediaDir()
{
    const char* env = std::getenv("QVX_TEST_MEDIA_DIR");
    fs::path dir = env && *env ? fs::path(env) : fs::temp_directory_path() / "qvx-test-media";
    fs::create_directories(dir);
    return dir.string();
}

std::string shellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

int runCommand(const std::string& command, std::string* output)
{
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    std::array<char, 4096> buffer{};
    std::string text;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        text.append(buffer.data(), n);
    int status = pclose(pipe);
    if (output)
        *output = std::move(text);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string makeClip(const ClipSpec& spec)
{
    fs::path target = fs::path(mediaDir()) / spec.name;
    if (fs::exists(target) && fs::file_size(target) > 0)
        return target.string();

    std::ostringstream cmd;
    cmd << "ffmpeg -nostdin -hide_banner -loglevel error -y";
    if (spec.width > 0)
        cmd << " -f lavfi -i testsrc2=size=" << spec.width << "x" << spec.height
            << ":rate=" << spec.frameRate << ":duration=" << spec.seconds;
    if (spec.sampleRate > 0)
        cmd << " -f lavfi -i sine=frequency=440:sample_rate=" << spec.sampleRate
            << ":duration=" << spec.seconds;
    if (spec.sampleRate > 0 && spec.channels == 2)
        cmd << " -ac 2";
    else if (spec.sampleRate > 0)
        cmd << " -ac " << spec.channels;
    cmd << " " << spec.extraArgs;
    // Written under a temporary name first, so a half-made clip is never
    // taken for a finished one by a later run.
    // The process id keeps tests that run at the same time and want the
    // same clip from writing one partial file together.
    fs::path partial = target;
    partial += ".part" + std::to_string(::getpid()) + target.extension().string();
    cmd << " " << shellQuote(partial.string());

    std::string output;
    int status = runCommand(cmd.str(), &output);
    if (status != 0) {
        ADD_FAILURE() << "ffmpeg could not make " << spec.name << ": " << output;
        return {};
    }
    fs::rename(partial, target);
    return target.string();
}

}  // namespace testsupport
