// The player against clips made by the ffmpeg command line.

#include "PlayerTestSupport.h"

#include "support/MediaFixture.h"
#include "support/TempDir.h"

#include <fstream>

using engine::Player;
using engine::PlayerState;
using playertest::pumpUntil;
using testsupport::ClipSpec;
using testsupport::makeClip;

namespace {

ClipSpec clip(std::string name, double seconds, int width = 320, int height = 240,
              int sampleRate = 44100)
{
    ClipSpec spec;
    spec.name = std::move(name);
    spec.seconds = seconds;
    spec.width = width;
    spec.height = height;
    spec.sampleRate = sampleRate;
    return spec;
}

const ClipSpec kTwoSeconds = clip("player-2s-320x240.mp4", 2);
const ClipSpec kOneSecond = clip("player-1s-320x240.mp4", 1);
const ClipSpec kHd = clip("player-1s-1280x720.mp4", 1, 1280, 720);
const ClipSpec kVideoOnly = clip("player-video-only.mp4", 1, 320, 240, 0);
const ClipSpec kAudioOnly = clip("player-audio-only.mp3", 1, 0, 0);

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        player.SetEvents(&events);
        ASSERT_TRUE(player.LoadAVLib("LibAV")) << player.LastErrMsg();
    }

    bool open(const ClipSpec& clip, bool paused = true)
    {
        std::string path = makeClip(clip);
        return !path.empty() && player.Open(path, &sink, paused);
    }
    bool pumpUntilState(PlayerState state)
    {
        return pumpUntil(dispatcher, [&] { return events.count(state) > 0; });
    }

    engine::QueueDispatcher dispatcher;
    playertest::RecordingEvents events;
    playertest::RecordingSink sink;
    Player player{dispatcher};
};

TEST_F(PlayerTest, OpenReportsDurationAndSizeAndShowsTheFirstFramePaused)
{
    events.screenWidth = 200;
    events.screenHeight = 124;
    ASSERT_TRUE(open(kTwoSeconds)) << player.LastErrMsg();

    ASSERT_EQ(events.opened.size(), 1u);  // within Open itself
    const auto& opened = events.opened[0];
    EXPECT_NEAR(opened.durationUs, 2000000, 100000);
    EXPECT_EQ(opened.width, 320);
    EXPECT_EQ(opened.height, 240);
    EXPECT_EQ(opened.screenWidth, 320);  // the player proposes the frame size
    EXPECT_EQ(opened.screenHeight, 240);
    EXPECT_NE(player.FileInfoText().find(kTwoSeconds.name), std::string::npos);
    EXPECT_NE(player.FileInfoText().find("h264"), std::string::npos);

    // Paused, the first frame still shows, fitted into the screen size the
    // handler chose, keeping 4:3.
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return !events.positions.empty(); }));
    EXPECT_EQ(events.positions.front(), 0);
    EXPECT_EQ(sink.lastSize(), std::make_pair(165, 124));
    EXPECT_TRUE(player.Paused());
    EXPECT_TRUE(events.states.empty());
    EXPECT_EQ(player.ScreenHandle(), &sink);
}

TEST_F(PlayerTest, CurrentFrameHasTheVideosOwnSizeAndIsEmptyWithNothingOpen)
{
    EXPECT_TRUE(player.CurrentFrame().empty());
    events.screenWidth = 200;
    events.screenHeight = 124;
    ASSERT_TRUE(open(kHd)) << player.LastErrMsg();
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return !player.CurrentFrame().empty(); }));

    engine::VideoImage frame = player.CurrentFrame();
    EXPECT_EQ(frame.width, 1280);
    EXPECT_EQ(frame.height, 720);
    EXPECT_EQ(frame.rgb.size(), size_t(1280 * 720 * 3));
    EXPECT_EQ(sink.lastSize(), std::make_pair(200, 113));

    player.Stop(true);
    EXPECT_TRUE(player.CurrentFrame().empty());
}

TEST_F(PlayerTest, PlaysToTheEndAndReturnsToTheStartWhenAskedToSeekThere)
{
    ASSERT_TRUE(open(kOneSecond)) << player.LastErrMsg();
    player.Resume();
    ASSERT_TRUE(pumpUntilState(PlayerState::End));
    EXPECT_EQ(events.count(PlayerState::End), 1);
    ASSERT_FALSE(events.positions.empty());
    EXPECT_GT(events.positions.back(), 700000);  // it really played through
    EXPECT_TRUE(std::is_sorted(events.positions.begin(), events.positions.end()));
    EXPECT_GE(sink.presented(), 10);

    // What the preview pane does on End.
    size_t before = events.positions.size();
    player.Seek(0, Player::SeekAny, true);
    player.Pause();
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return events.positions.size() > before; }));
    dispatcher.pump();
    EXPECT_LT(events.positions.back(), 40000);
    EXPECT_TRUE(player.Paused());
    EXPECT_EQ(events.states.front(), PlayerState::Play);
    EXPECT_EQ(events.states.back(), PlayerState::Pause);

    // And it plays again from there.
    player.Resume();
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return events.count(PlayerState::End) == 2; }));
    EXPECT_EQ(events.count(PlayerState::Resume), 1);
}

TEST_F(PlayerTest, SeekLandsOnTheTargetFrameAndDropsWhatWasDecodedBefore)
{
    ASSERT_TRUE(open(kTwoSeconds)) << player.LastErrMsg();
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return !events.positions.empty(); }));

    // Paused: the frame at the target shows, within a frame interval or two.
    events.positions.clear();
    player.Seek(1000000, 0, true);
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return !events.positions.empty(); }));
    EXPECT_NEAR(events.positions.front(), 1000000, 80000);
    EXPECT_TRUE(player.Paused());

    // Playing: after a seek back, nothing from before the seek shows up.
    player.Resume();
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return events.positions.back() > 1300000; }));
    events.positions.clear();
    player.Seek(500000, 0, true);
    ASSERT_TRUE(pumpUntilState(PlayerState::End));
    ASSERT_FALSE(events.positions.empty());
    EXPECT_NEAR(events.positions.front(), 500000, 80000);
    EXPECT_TRUE(std::is_sorted(events.positions.begin(), events.positions.end()));
}

TEST_F(PlayerTest, MuteLastsAcrossFiles)
{
    EXPECT_FALSE(player.Mute());
    player.SetMute(true);
    ASSERT_TRUE(open(kOneSecond));
    ASSERT_TRUE(open(kTwoSeconds));
    EXPECT_TRUE(player.Mute());
    player.Stop(true);
    EXPECT_TRUE(player.Mute());
    player.SetMute(false);
    ASSERT_TRUE(open(kOneSecond));
    EXPECT_FALSE(player.Mute());
}

TEST_F(PlayerTest, FilesWithoutAudioOrWithoutVideoPlayToTheEnd)
{
    ASSERT_TRUE(open(kVideoOnly, false)) << player.LastErrMsg();
    ASSERT_TRUE(pumpUntilState(PlayerState::End));
    EXPECT_GE(sink.presented(), 10);

    events = {};
    ASSERT_TRUE(open(kAudioOnly, false)) << player.LastErrMsg();
    ASSERT_EQ(events.opened.size(), 1u);
    EXPECT_EQ(events.opened[0].width, 0);
    EXPECT_NEAR(events.opened[0].durationUs, 1000000, 100000);
    ASSERT_TRUE(pumpUntilState(PlayerState::End));
    ASSERT_FALSE(events.positions.empty());
    EXPECT_GT(events.positions.back(), 500000);
    EXPECT_TRUE(player.CurrentFrame().empty());
}

TEST_F(PlayerTest, FilesThatCannotBePlayedFailWithTheReasonAndLeavePlaybackAlone)
{
    testsupport::TempDir dir;
    std::string text = dir.file("notes.mp4");
    std::ofstream(text) << "not a video at all\n";

    ASSERT_TRUE(open(kTwoSeconds));
    events.states.clear();
    for (const std::string& bad : {dir.file("missing.avi"), text}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(player.Open(bad, &sink, true));
        EXPECT_NE(player.LastErrMsg().find(bad), std::string::npos);
        EXPECT_GT(player.LastErrMsg().size(), bad.size() + 12);  // and a reason
    }
    dispatcher.pump();
    EXPECT_EQ(events.opened.size(), 1u);
    EXPECT_TRUE(events.states.empty());  // the open file was not stopped
    EXPECT_TRUE(player.IsOpen());
    EXPECT_NE(player.FileInfoText().find(kTwoSeconds.name), std::string::npos);
}

TEST_F(PlayerTest, StopReportsStopAtOnceAndDrawsNoMore)
{
    ASSERT_TRUE(open(kTwoSeconds, false));
    ASSERT_TRUE(pumpUntil(dispatcher, [&] { return sink.presented() >= 3; }));
    player.Stop(true);
    EXPECT_EQ(events.states.back(), PlayerState::Stop);  // delivered within Stop
    int presented = sink.presented();
    dispatcher.pump(std::chrono::milliseconds(200));
    EXPECT_EQ(sink.presented(), presented);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_TRUE(player.FileInfoText().empty());

    // Nothing open: the controls do nothing.
    events.states.clear();
    player.Pause();
    player.Resume();
    player.Seek(100, 0, true);
    player.Stop(true);
    dispatcher.pump();
    EXPECT_TRUE(events.states.empty());
}

TEST_F(PlayerTest, OpeningNeedsTheLibrariesLoadedFirst)
{
    // LoadAVLib already ran in SetUp; the state is process-wide.
    Player other(dispatcher);
    EXPECT_TRUE(other.AVLibLoaded());
}

}  // namespace
