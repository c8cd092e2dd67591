// Output names: the extension rule, the numbered search, and the names
// that are never free (the source itself, names of other jobs).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "jobs/OutputNaming.h"
#include "support/TempDir.h"

using jobs::OutputNameRequest;
using jobs::outputFileNameOf;
using jobs::uniqueOutputPath;

namespace {

class OutputNaming : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(out());
        std::filesystem::create_directories(src());
    }
    std::string out() const { return dir.file("输出"); }
    std::string src() const { return dir.file("sources"); }
    static void touch(const std::string& path) { std::ofstream(path) << "x"; }

    OutputNameRequest request(const std::string& source, const std::string& ext, bool overwrite = false) const {
        OutputNameRequest r;
        r.sourcePath = source;
        r.extension = ext;
        r.outputFolder = out();
        r.overwrite = overwrite;
        return r;
    }

    testsupport::TempDir dir;
};

}  // namespace

TEST(OutputFileName, ReplacesOnlyTheLastExtension) {
    const struct {
        const char *source, *ext, *name;
    } cases[] = {
        {"/v/clip.rmvb", ".avi", "clip.avi"},
        {"/v/my.video.mp4", ".mkv", "my.video.mkv"},
        {"/v/clip", ".mp3", "clip.mp3"},
        {"/v.d/clip", ".mp3", "clip.mp3"},
        {"/v/视频 一.wmv", ".mp4", "视频 一.mp4"},
    };
    for (const auto& c : cases) EXPECT_EQ(outputFileNameOf(c.source, c.ext), c.name) << c.source;
}

TEST_F(OutputNaming, FreeNameIsTakenAsItIs) {
    EXPECT_EQ(uniqueOutputPath(request(src() + "/clip.rmvb", ".avi")), out() + "/clip.avi");
}

TEST_F(OutputNaming, ExistingFilesAreNumberedUnlessOverwriting) {
    touch(out() + "/clip.avi");
    touch(out() + "/clip_1.avi");
    EXPECT_EQ(uniqueOutputPath(request(src() + "/clip.rmvb", ".avi")), out() + "/clip_2.avi");
    EXPECT_EQ(uniqueOutputPath(request(src() + "/clip.rmvb", ".avi", true)), out() + "/clip.avi");
    // A folder in the way occupies the name too.
    std::filesystem::create_directory(out() + "/a.mp3");
    EXPECT_EQ(uniqueOutputPath(request(src() + "/a.wav", ".mp3")), out() + "/a_1.mp3");
}

TEST_F(OutputNaming, TheSourceItselfIsNeverTheOutput) {
    const std::string source = out() + "/clip.avi";
    touch(source);
    touch(out() + "/clip_1.avi");
    for (bool overwrite : {false, true}) {
        EXPECT_EQ(uniqueOutputPath(request(source, ".avi", overwrite)), out() + "/clip_2.avi") << overwrite;
    }
    // The same file reached through a link to its folder.
    std::filesystem::create_directory_symlink(out(), dir.file("link"));
    EXPECT_EQ(uniqueOutputPath(request(dir.file("link") + "/clip.avi", ".avi", true)), out() + "/clip_2.avi");
    // Another file of that name elsewhere may be overwritten.
    touch(src() + "/clip.avi");
    EXPECT_EQ(uniqueOutputPath(request(src() + "/clip.avi", ".avi", true)), out() + "/clip.avi");
}

TEST_F(OutputNaming, NamesOfOtherJobsAreTakenEvenWhenOverwriting) {
    // Without them, two jobs from one source get one name.
    EXPECT_EQ(uniqueOutputPath(request(src() + "/clip.mp4", ".avi")),
              uniqueOutputPath(request(src() + "/clip.mp4", ".avi")));

    OutputNameRequest second = request(src() + "/clip.mp4", ".avi", true);
    second.namesTaken = {"clip.avi"};
    EXPECT_EQ(uniqueOutputPath(second), out() + "/clip_1.avi");

    OutputNameRequest third = request(src() + "/clip.mp4", ".avi");
    third.namesTaken = {"clip.avi", "clip_1.avi", "other.avi"};
    touch(out() + "/clip_2.avi");
    EXPECT_EQ(uniqueOutputPath(third), out() + "/clip_3.avi");
}
