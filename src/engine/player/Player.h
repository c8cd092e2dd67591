#pragma once
// The preview player: plays one media file at a time into a VideoSink, with
// its sound on the default SDL audio device, and tells its owner what
// happens through PlayerEvents delivered by the Dispatcher.
//
// Every member is called on the owner's thread (the thread the Dispatcher
// delivers to). Decoding and presentation run on the threads of the open
// file's PlaybackSession.

#include "engine/Dispatcher.h"
#include "engine/player/PlaybackSession.h"
#include "engine/player/PlayerEvents.h"
#include "engine/player/VideoImage.h"
#include "engine/player/VideoSink.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace engine {

class Player {
public:
    // Seek flags, FFmpeg's values.
    static constexpr int SeekBackward = 1;
    static constexpr int SeekAny = 4;  // any frame will do, not only one at or after the target

    explicit Player(Dispatcher& dispatcher);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Null detaches: events already queued are then dropped.
    void SetEvents(PlayerEvents* events);

    bool AVLibLoaded() const;
    // False with LastErrMsg() set when the libraries are not usable.
    bool LoadAVLib(const std::string& folder);

    // Opens `file` to be drawn into `screen` (may be null: sound only).
    // Raises fileOpened within the call, after stopping what played before.
    // The first frame is shown at once; playback starts unless `paused`.
    // False with LastErrMsg() set when the file cannot be played; what
    // played before then plays on.
    bool Open(const std::string& file, VideoSink* screen, bool paused);
    void Pause();
    void Resume();
    // While paused: shows the next frame.
    void Step();
    // Ends playback and reports Stop. With `wait`, returns when the threads
    // have ended, running the owner's queued work meanwhile.
    void Stop(bool wait);
    // Continues from the frame at or near `timeUs` (microseconds from the
    // start). With `wait`, returns when that frame is shown.
    void Seek(int64_t timeUs, int flags, bool wait);

    void SetMute(bool mute) { mute_ = mute; }
    bool Mute() const { return mute_; }

    // The last shown frame at the video's own size; empty when none.
    VideoImage CurrentFrame() const;
    // Draws the last shown frame again (after the screen moved or was covered).
    void UpdateScreenPosition();
    VideoSink* ScreenHandle() const { return screen_; }
    // A description of the open file's container and streams; empty when none.
    const std::string& FileInfoText() const { return fileInfoText_; }
    const std::string& LastErrMsg() const { return lastError_; }

    bool IsOpen() const { return session_ != nullptr; }
    bool Paused() const { return !session_ || session_->paused(); }
    // Counters of the open file, for measuring playback.
    PlaybackStats Stats() const;

private:
    // What queued events need to reach the owner. Shared with the queued
    // work so that work queued before the player goes away stays safe.
    struct Channel {
        PlayerEvents* events = nullptr;
        int generation = 0;  // raised per open file; stale position and End events are dropped
    };

    void raiseState(PlayerState state);
    SessionCallbacks callbacksFor(int generation);
    void stopSession(bool wait, bool report);

    Dispatcher& dispatcher_;
    std::shared_ptr<Channel> channel_ = std::make_shared<Channel>();
    std::unique_ptr<PlaybackSession> session_;
    std::unique_ptr<PlaybackSession> retiring_;  // stopped without waiting; joined later
    VideoSink* screen_ = nullptr;
    std::atomic<bool> mute_{false};
    bool started_ = false;  // playback has run since the file opened
    std::string fileInfoText_;
    std::string lastError_;
};

}  // namespace engine
