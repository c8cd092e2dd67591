// Bad input ends a task with an error that names the file and the reason,
// never with a crash or a finished result; a failed or stopped task leaves
// no file under the output name and does not touch a file that was there.

#include "RecordingObserver.h"
#include "engine/transcode/Transcoder.h"
#include "support/MediaFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using engine::TOutputOptions;

namespace {

const char* const previousContent = "a file that was here before";

std::string clip()
{
    return testsupport::makeClip({"transcode-errors-2s.mp4", 2.0, 320, 240, "25", 44100, 2, "-movflags +faststart"});
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

// The clip with its second half cut off.
std::string truncatedCopy(const testsupport::TempDir& dir)
{
    std::string copy = dir.file("truncated.mkv");
    testsupport::runCommand("ffmpeg -nostdin -v error -y -i " + testsupport::shellQuote(clip()) +
                            " -c copy " + testsupport::shellQuote(copy));
    fs::resize_file(copy, fs::file_size(copy) / 2);
    return copy;
}

// The clip with its header intact and its media data from `fraction` on
// replaced by noise.
std::string corruptCopy(const testsupport::TempDir& dir, double fraction)
{
    std::string data = readAll(clip());
    size_t mdat = data.find("mdat") + 4;
    std::mt19937 noise(7);
    for (size_t i = mdat + size_t(double(data.size() - mdat) * fraction); i < data.size(); ++i)
        data[i] = char(noise());
    std::string copy = dir.file("corrupt.mp4");
    writeAll(copy, data);
    return copy;
}

struct Case {
    const char* name;
    // Makes the source and returns its path; `output` may be changed.
    std::function<std::string(const testsupport::TempDir&, TOutputOptions&)> prepare;
    const char* reason;         // part of the error text
    bool namesOutput = false;   // the error names the output file, else the source
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class TranscodeErrors : public testing::TestWithParam<Case> {};

TEST_P(TranscodeErrors, FailWithFileAndReasonAndLeaveNoOutput)
{
    const Case& c = GetParam();
    testsupport::TempDir dir;
    TOutputOptions output;
    output.FileName = dir.file("out.avi");
    output.FileExt = ".avi";
    engine::TInputOptions input;
    input.FileName = c.prepare(dir, output);
    bool folderUsable = fs::is_directory(fs::path(output.FileName).parent_path());
    if (folderUsable && output.FileName != input.FileName)
        writeAll(output.FileName, previousContent);
    std::string sourceBefore = fs::exists(input.FileName) ? readAll(input.FileName) : "";
    auto filesBefore = std::distance(fs::directory_iterator(dir.path()), {});

    testsupport::RecordingObserver observer;
    engine::TranscodeResult result = engine::transcode(input, output, observer);

    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.finished);
    EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
    const std::string& named = c.namesOutput ? output.FileName : input.FileName;
    EXPECT_NE(result.error.find("'" + named + "'"), std::string::npos) << result.error;
    EXPECT_TRUE(observer.logged(result.error)) << "the error is not in the log";
    if (folderUsable && output.FileName != input.FileName) {
        EXPECT_EQ(readAll(output.FileName), previousContent);
    }
    if (fs::exists(input.FileName)) {
        EXPECT_EQ(readAll(input.FileName), sourceBefore);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), filesBefore) << "a file was left behind";
}

const Case cases[] = {
    {"MissingSource", [](auto& dir, auto&) { return dir.file("missing.mp4"); }, "No such file or directory"},
    {"EmptySource",
     [](auto& dir, auto&) { writeAll(dir.file("empty.mp4"), ""); return dir.file("empty.mp4"); },
     "Invalid data"},
    {"NotMedia",
     [](auto& dir, auto&) { writeAll(dir.file("notes.avi"), "shopping list\nmilk\n"); return dir.file("notes.avi"); },
     "Invalid data"},
    {"TruncatedSource", [](auto& dir, auto&) { return truncatedCopy(dir); }, "truncated"},
    {"CorruptSource", [](auto& dir, auto&) { return corruptCopy(dir, 0.0); }, "Cannot decode"},
    {"CorruptAfterItsStart", [](auto& dir, auto&) { return corruptCopy(dir, 0.2); }, "' at 00:00:0"},
    {"OutputFolderMissing",
     [](auto& dir, TOutputOptions& o) { o.FileName = dir.file("no-such-folder/out.avi"); return clip(); },
     "No such file or directory", true},
    {"OutputFolderIsAFile",
     [](auto& dir, TOutputOptions& o) {
         writeAll(dir.file("plain"), "x");
         o.FileName = dir.file("plain/out.avi");
         return clip();
     },
     "Not a directory", true},
    {"EncoderRefusesItsOptions",
     [](auto&, TOutputOptions& o) { o.VideoCodec = "h261"; o.FrameSize = "640*480"; return clip(); },
     "H.261", true},
    {"UnknownEncoder",
     [](auto&, TOutputOptions& o) { o.AudioCodec = "no_such_encoder"; return clip(); },
     "unknown audio encoder 'no_such_encoder'", true},
    {"BadFrameSizeText",
     [](auto&, TOutputOptions& o) { o.FrameSize = "big"; return clip(); }, "frame size 'big'", true},
    {"OutputIsItsOwnSource",
     [](auto& dir, TOutputOptions& o) {
         fs::copy_file(clip(), dir.file("own.avi"));
         o.FileName = dir.file("own.avi");
         return dir.file("own.avi");
     },
     "is the source itself", true},
};

INSTANTIATE_TEST_SUITE_P(BadInput, TranscodeErrors, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(TranscodeStop, EndsWithoutOutputAndKeepsTheFileThatWasThere)
{
    testsupport::TempDir dir;
    engine::TInputOptions input;
    input.FileName = clip();
    TOutputOptions output;
    output.FileName = dir.file("out.mkv");
    writeAll(output.FileName, previousContent);

    testsupport::RecordingObserver observer;
    int polls = 0;
    observer.stopWhen = [&polls](const auto&) { return ++polls == 5; };
    engine::TranscodeResult result = engine::transcode(input, output, observer);

    EXPECT_FALSE(result.finished);
    EXPECT_FALSE(result.failed) << result.error;
    EXPECT_EQ(readAll(output.FileName), previousContent);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "temporary file left";
}

// A full disk, made by a file size limit in a child process: the write
// fails with "File too large" instead of killing the process.
TEST(TranscodeFullDisk, FailsNamingTheOutputAndRemovesTheTemporaryFile)
{
    testsupport::TempDir dir;
    engine::TInputOptions input;
    input.FileName = clip();
    TOutputOptions output;
    output.FileName = dir.file("out.avi");
    output.VideoCodec = "mpeg4";
    output.VideoBitrate = 2000000;

    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(channel[0]);
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        testsupport::RecordingObserver observer;
        engine::TranscodeResult result = engine::transcode(input, output, observer);
        std::string report = std::string(result.failed ? "failed " : "not failed ") + result.error;
        (void)!write(channel[1], report.data(), report.size());
        _exit(0);
    }
    close(channel[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);

    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(report.rfind("failed ", 0), 0u) << report;
    EXPECT_NE(report.find("'" + output.FileName + "'"), std::string::npos) << report;
    EXPECT_NE(report.find("File too large"), std::string::npos) << report;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 0) << "a file was left behind";
}

}  // namespace
