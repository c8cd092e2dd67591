#include "engine/convert/WorkerProtocol.h"

#include <gtest/gtest.h>

namespace {

namespace protocol = engine::protocol;
using engine::TOptionNormType;
using engine::TOptionTargetType;

// Feeds a whole block through the reader, line by line, as the worker does.
protocol::TaskBlockReader readBlock(const std::string& block)
{
    protocol::LineBuffer buffer;
    buffer.append(block.data(), block.size());
    protocol::TaskBlockReader reader;
    while (auto line = buffer.nextLine()) {
        EXPECT_TRUE(reader.take(*line)) << reader.error();
        if (reader.complete())
            break;
    }
    EXPECT_TRUE(reader.complete());
    EXPECT_EQ(buffer.rest(), "");
    return reader;
}

TEST(WorkerProtocol, TaskBlockCarriesEveryFieldUnchanged)
{
    protocol::TaskRequest sent;
    sent.input.FileName = "/videos/二 lines\nand a \\ backslash=.mp4";
    sent.input.FileFormat = "mpegts";
    sent.input.TimeStart = 1'500'000;
    sent.input.ProgramID = 3;
    sent.input.ExtOptions = "probesize=5000000";
    sent.input.Tag = 42;
    engine::TOutputOptions& o = sent.output;
    o.FileName = "/out/输出\r\n.avi";
    o.FileExt = ".avi";
    o.FileFormat = "avi";
    o.VideoCodec = "mpeg4";
    o.VideoPreset = "libx264-default";
    o.VideoTag = "DX50";
    o.VideoFilters = "hflip,vflip";
    o.FrameSize = "720*576";
    o.FrameRate = "29.97";
    o.FrameAspectRatio = "16:9";
    o.VideoBitrate = -1000;
    o.DisableVideo = true;
    o.AudioCodec = "libmp3lame";
    o.AudioChannels = 2;
    o.AudioSampleRate = 44100;
    o.AudioBitrate = 128000;
    o.AudioVolume = 300;
    o.AudioLanguage = "chi";
    o.TargetType = TOptionTargetType::ttSVCD;
    o.NormType = TOptionNormType::ntNTSC;
    o.NormDefault = TOptionNormType::ntNTSC;
    o.TimeStart = 5;
    o.TimeLength = 7'000'000'000LL;
    sent.settings.progressIntervalMs = 250;
    sent.settings.logLevel = 7;
    sent.preview = true;

    const protocol::TaskRequest got = readBlock(protocol::taskBlock(sent)).request();
    EXPECT_EQ(got.input.FileName, sent.input.FileName);
    EXPECT_EQ(got.input.FileFormat, "mpegts");
    EXPECT_EQ(got.input.TimeStart, 1'500'000);
    EXPECT_EQ(got.input.ProgramID, 3);
    EXPECT_EQ(got.input.ExtOptions, "probesize=5000000");
    EXPECT_EQ(got.input.Tag, 42);
    EXPECT_EQ(got.output.FileName, o.FileName);
    EXPECT_EQ(got.output.FileExt, ".avi");
    EXPECT_EQ(got.output.FileFormat, "avi");
    EXPECT_EQ(got.output.VideoCodec, "mpeg4");
    EXPECT_EQ(got.output.VideoPreset, "libx264-default");
    EXPECT_EQ(got.output.VideoTag, "DX50");
    EXPECT_EQ(got.output.VideoFilters, "hflip,vflip");
    EXPECT_EQ(got.output.FrameSize, "720*576");
    EXPECT_EQ(got.output.FrameRate, "29.97");
    EXPECT_EQ(got.output.FrameAspectRatio, "16:9");
    EXPECT_EQ(got.output.VideoBitrate, -1000);
    EXPECT_TRUE(got.output.DisableVideo);
    EXPECT_EQ(got.output.AudioCodec, "libmp3lame");
    EXPECT_EQ(got.output.AudioChannels, 2);
    EXPECT_EQ(got.output.AudioSampleRate, 44100);
    EXPECT_EQ(got.output.AudioBitrate, 128000);
    EXPECT_EQ(got.output.AudioVolume, 300);
    EXPECT_EQ(got.output.AudioLanguage, "chi");
    EXPECT_EQ(got.output.TargetType, TOptionTargetType::ttSVCD);
    EXPECT_EQ(got.output.NormType, TOptionNormType::ntNTSC);
    EXPECT_EQ(got.output.NormDefault, TOptionNormType::ntNTSC);
    EXPECT_EQ(got.output.TimeStart, 5);
    EXPECT_EQ(got.output.TimeLength, 7'000'000'000LL);
    EXPECT_EQ(got.settings.progressIntervalMs, 250);
    EXPECT_EQ(got.settings.logLevel, 7);
    EXPECT_TRUE(got.preview);
}

TEST(WorkerProtocol, TaskReaderRefusesWhatIsNotATaskLine)
{
    const char* bad[] = {"in.NoSuchField=1", "out.VideoBitrate=fast", "out.DisableVideo=True",
                         "out.TargetType=9", "progressInterval=", "logLevel=8", "hello", "in.FileNameX=a"};
    for (const char* line : bad) {
        protocol::TaskBlockReader reader;
        EXPECT_FALSE(reader.take(line)) << line;
        EXPECT_FALSE(reader.error().empty()) << line;
    }
}

TEST(WorkerProtocol, WorkerMessagesRoundTrip)
{
    engine::TranscodeProgress p{1234, 87.5, 3.5f, 815.25f, 5'000'000, 30'000'000, 120'000'000};
    auto progress = protocol::parseWorkerMessage(protocol::progressLine(p).substr(0, protocol::progressLine(p).size() - 1));
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->kind, protocol::WorkerMessage::Kind::Progress);
    EXPECT_EQ(progress->progress.frameNumber, 1234);
    EXPECT_DOUBLE_EQ(progress->progress.fps, 87.5);
    EXPECT_FLOAT_EQ(progress->progress.quality, 3.5f);
    EXPECT_FLOAT_EQ(progress->progress.bitRate, 815.25f);
    EXPECT_EQ(progress->progress.currentSize, 5'000'000);
    EXPECT_EQ(progress->progress.currentDuration, 30'000'000);
    EXPECT_EQ(progress->progress.totalDuration, 120'000'000);

    std::string logText = protocol::logLine(4021, 4, "two\nlines \\n literal");
    ASSERT_EQ(logText.find('\n'), logText.size() - 1);
    auto log = protocol::parseWorkerMessage(logText.substr(0, logText.size() - 1));
    ASSERT_TRUE(log);
    EXPECT_EQ(log->kind, protocol::WorkerMessage::Kind::Log);
    EXPECT_EQ(log->threadId, 4021u);
    EXPECT_EQ(log->level, 4);
    EXPECT_EQ(log->text, "two\nlines \\n literal");

    struct EndCase {
        engine::TranscodeResult result;
    } ends[] = {{{true, false, ""}}, {{false, false, ""}}, {{false, true, "Cannot open 'a.avi': Permission denied"}}};
    for (const EndCase& c : ends) {
        std::string text = protocol::endLine(c.result);
        auto end = protocol::parseWorkerMessage(text.substr(0, text.size() - 1));
        ASSERT_TRUE(end) << text;
        EXPECT_EQ(end->kind, protocol::WorkerMessage::Kind::End);
        EXPECT_EQ(end->result.finished, c.result.finished) << text;
        EXPECT_EQ(end->result.failed, c.result.failed) << text;
        EXPECT_EQ(end->result.error, c.result.error) << text;
    }
}

TEST(WorkerProtocol, MalformedWorkerLinesAreNotMessages)
{
    const char* bad[] = {"", "progress", "progress 1 2 3", "progress a 1 1 1 1 1 1", "log 1 9 too high",
                         "log x 4 m", "end maybe text", "end", "Segmentation fault"};
    for (const char* line : bad)
        EXPECT_FALSE(protocol::parseWorkerMessage(line)) << line;
}

TEST(WorkerProtocol, LineBufferJoinsPiecesAndKeepsTheUnfinishedLine)
{
    protocol::LineBuffer buffer;
    buffer.append("pro", 3);
    EXPECT_FALSE(buffer.nextLine());
    buffer.append("gress\nlog 1", 11);
    EXPECT_EQ(buffer.nextLine(), "progress");
    EXPECT_FALSE(buffer.nextLine());
    EXPECT_EQ(buffer.rest(), "log 1");
}

TEST(WorkerProtocol, CommandsRoundTrip)
{
    for (auto command : {protocol::Command::PreviewOn, protocol::Command::PreviewOff, protocol::Command::Stop}) {
        std::string line = protocol::commandLine(command);
        EXPECT_EQ(protocol::parseCommand(line.substr(0, line.size() - 1)), command) << line;
    }
    EXPECT_FALSE(protocol::parseCommand("pause"));
}

}  // namespace
