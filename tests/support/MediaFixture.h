#pragma once
// Test clips made at test time with the ffmpeg command line (lavfi sources)
// and kept in QVX_TEST_MEDIA_DIR, so each is made once per build folder.

#include <string>

namespace testsupport {

struct ClipSpec {
    std::string name;             // file name in the media folder, with extension
    double seconds = 1.0;
    int width = 320;              // 0: no video stream
    int height = 240;
    std::string frameRate = "25";
    int sampleRate = 44100;       // 0: no audio stream
    int channels = 2;
    std::string extraArgs;        // further ffmpeg output options ("-c:v mpeg4")
};

// Path of the clip, made now if it is not there yet. Fails the test (and
// returns "") when ffmpeg cannot make it.
std::string makeClip(const ClipSpec& spec);

// The folder the clips live in (created on first use).
std::string mediaDir();

// Runs a shell command, returns its exit status; output goes to `output`
// when given.
int runCommand(const std::string& command, std::string* output = nullptr);

// Quotes a path for a POSIX shell.
std::string shellQuote(const std::string& text);

}  // namespace testsupport
