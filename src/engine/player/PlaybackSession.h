#pragma once
// One open file being played: the decoders and the threads that move its
// packets and frames, from Open to Stop. The Player owns one at a time.
//
// Threads, each with one job:
//   demux   reads packets into the video and audio packet queues; performs
//           seeks (it owns the format context)
//   video   decodes video packets into the frame queue
//   output  takes frames when the clock reaches them and hands them, scaled,
//           to the screen; for a file without video it only reports the
//           position
//   audio   decodes, resamples and queues audio on the SDL device, and keeps
//           the clock on the time of the sample being heard
//
// A seek raises the serial number. Everything queued or decoded under an
// older serial is dropped wherever it is met, and the decoders are flushed
// when the first packet of the new serial reaches them, so nothing decoded
// before the seek is ever shown or heard.
//
// Control calls (setPaused, step, seek, setScreen, currentFrame,
// representLast, requestStop, join) come from the owner's thread.

#include "engine/player/AudioOutput.h"
#include "engine/FfmpegPtr.h"
#include "engine/player/BoundedQueue.h"
#include "engine/player/FrameScaler.h"
#include "engine/player/PlaybackClock.h"
#include "engine/player/VideoSink.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace engine {

struct MediaFacts {
    int64_t durationUs = 0;  // 0 when the file does not say
    bool hasVideo = false;
    bool hasAudio = false;
    int width = 0;  // the video's own frame size
    int height = 0;
    int sarNum = 0;  // pixel aspect ratio, 0/0 when square or unknown
    int sarDen = 0;
    int64_t frameIntervalUs = 40000;
};

struct PlaybackStats {
    int64_t framesDecoded = 0;
    int64_t framesPresented = 0;
    int64_t framesDropped = 0;  // decoded in time order but too late to show
};

// How a session talks back; each may be called from any of its threads.
struct SessionCallbacks {
    std::function<void(int64_t timeUs)> position;
    std::function<void()> ended;
    std::function<void(const std::string& line)> log;
};

class PlaybackSession {
public:
    // Opens the file and its decoders. Null with `error` naming the file and
    // the reason when it cannot be played.
    static std::unique_ptr<PlaybackSession> open(const std::string& path, std::string& error);
    ~PlaybackSession();
    PlaybackSession(const PlaybackSession&) = delete;
    PlaybackSession& operator=(const PlaybackSession&) = delete;

    const MediaFacts& facts() const { return facts_; }
    std::string infoText() const;

    // Starts the threads. The first frame is shown at once, also when paused.
    void start(VideoSink* sink, Size screen, bool paused, const std::atomic<bool>* mute,
               SessionCallbacks callbacks);

    void setPaused(bool paused);
    bool paused() const { return clock_.paused(); }
    // While paused: shows the next frame and stays paused.
    void step();
    void seek(int64_t timeUs, int flags);
    // The last seek has been carried out and its first frame shown (or the
    // file ended before one came).
    bool seekSettled() const;

    void setScreen(Size screen);
    void representLast();
    // The last shown frame at the video's own size; empty when none.
    VideoImage currentFrame();

    // From now on the screen is never called again; the threads end soon.
    void requestStop();
    bool threadsFinished() const { return runningThreads_.load() == 0; }
    void join();

    PlaybackStats stats() const;

private:
    struct PacketItem {
        PacketPtr packet;  // null: end of the stream
        int serial = 0;
    };
    struct FrameItem {
        FramePtr frame;  // null: end of the stream
        int serial = 0;
        int64_t timeUs = 0;
    };

    explicit PlaybackSession(std::string path);
    bool openStreams(std::string& error);

    void demuxLoop();
    void performSeek();
    void videoLoop();
    void deliverVideoFrames(int serial, int64_t& nextTimeUs);
    void outputLoop();
    void audioOnlyOutputLoop();
    enum class Due { Show, Drop, Abandon };
    Due waitUntilDue(int64_t timeUs, int serial);
    void show(FrameItem& item);
    void audioLoop();
    void playAudioFrames(int serial);
    bool playAudioFrame(const AVFrame& frame, int serial);
    bool configureResampler(const AVFrame& frame);
    void waitAudioDrained(int serial);

    void markStreamDone(bool video, int serial);
    void reportPosition(int64_t timeUs);
    void log(const std::string& line);
    int64_t toMediaUs(int64_t timestamp, AVRational timeBase) const;
    bool cancelled(int serial) const { return stop_ || serial_.load() != serial; }
    void sleepFor(std::chrono::microseconds span);
    void runThread(void (PlaybackSession::*loop)());

    const std::string path_;
    InputContextPtr input_;
    int videoIndex_ = -1;
    int audioIndex_ = -1;
    CodecContextPtr videoCodec_;
    CodecContextPtr audioCodec_;
    AVRational videoTimeBase_{1, 1};
    AVRational audioTimeBase_{1, 1};
    int64_t startTimeUs_ = 0;
    MediaFacts facts_;

    const std::atomic<bool>* mute_ = nullptr;
    SessionCallbacks callbacks_;
    PlaybackClock clock_;
    AudioOutput audio_;
    bool audioActive_ = false;  // an audio stream with an open device
    SwrPtr resampler_;      // audio thread only, with the input it was made for
    int resamplerFormat_ = -1;
    int resamplerRate_ = 0;
    AVChannelLayout resamplerLayout_{};
    std::vector<uint8_t> audioBuffer_;
    int64_t lastAudioWarningSerial_ = -1;

    BoundedQueue<PacketItem> videoPackets_{64};
    BoundedQueue<PacketItem> audioPackets_{256};
    BoundedQueue<FrameItem> videoFrames_{4};

    std::atomic<bool> stop_{false};
    std::atomic<int> serial_{0};
    std::atomic<int64_t> dropBeforeUs_{INT64_MIN};
    std::atomic<int> settledSerial_{-1};
    std::atomic<int> stepRequests_{0};

    std::mutex controlMutex_;
    std::condition_variable controlChanged_;
    std::atomic<bool> seekPending_{false};
    int64_t seekTargetUs_ = 0;  // under controlMutex_
    int seekFlags_ = 0;

    std::mutex presentMutex_;
    VideoSink* sink_ = nullptr;  // null once stopping
    Size screen_;
    FrameScaler presentScaler_;  // output thread only
    FrameScaler ownerScaler_;    // owner's thread only

    std::mutex lastFrameMutex_;
    FramePtr lastFrame_;

    std::mutex endMutex_;
    int videoDoneSerial_ = -1;
    int audioDoneSerial_ = -1;
    int endedSerial_ = -1;
    std::atomic<bool> atEnd_{false};

    std::atomic<int64_t> framesDecoded_{0};
    std::atomic<int64_t> framesPresented_{0};
    std::atomic<int64_t> framesDropped_{0};

    std::atomic<int> runningThreads_{0};
    std::vector<std::thread> threads_;
};

}  // namespace engine
