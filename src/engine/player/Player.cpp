#include "engine/player/Player.h"

#include "engine/player/AvLibrary.h"

namespace engine {

const char* stateName(PlayerState state)
{
    switch (state) {
    case PlayerState::Play: return "Play";
    case PlayerState::Pause: return "Pause";
    case PlayerState::Resume: return "Resume";
    case PlayerState::Step: return "Step";
    case PlayerState::Stop: return "Stop";
    case PlayerState::End: return "End";
    }
    return "";
}

Player::Player(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

Player::~Player()
{
    channel_->events = nullptr;
    if (session_)
        session_->requestStop();
    session_.reset();
    retiring_.reset();
}

void Player::SetEvents(PlayerEvents* events) { channel_->events = events; }

bool Player::AVLibLoaded() const { return avLibrariesLoaded(); }

bool Player::LoadAVLib(const std::string& folder)
{
    std::string error;
    if (loadAvLibraries(folder, error))
        return true;
    lastError_ = error;
    return false;
}

bool Player::Open(const std::string& file, VideoSink* screen, bool paused)
{
    if (!avLibrariesLoaded()) {
        lastError_ = "Cannot open '" + file + "': the media libraries are not loaded";
        return false;
    }
    std::string error;
    std::unique_ptr<PlaybackSession> session = PlaybackSession::open(file, error);
    if (!session) {
        lastError_ = error;
        return false;
    }
    stopSession(true, true);

    session_ = std::move(session);
    screen_ = screen;
    started_ = !paused;
    fileInfoText_ = session_->infoText();
    int generation = ++channel_->generation;

    const MediaFacts& facts = session_->facts();
    int screenWidth = facts.width;
    int screenHeight = facts.height;
    dispatcher_.runSync([&] {
        if (channel_->events)
            channel_->events->fileOpened(facts.durationUs, facts.width, facts.height, screenWidth,
                                         screenHeight);
    });
    // The handler may have called back into the player (Stop, another Open).
    if (!session_ || channel_->generation != generation)
        return true;
    session_->start(screen, {screenWidth, screenHeight}, paused, &mute_, callbacksFor(generation));
    if (!paused)
        raiseState(PlayerState::Play);
    return true;
}

SessionCallbacks Player::callbacksFor(int generation)
{
    SessionCallbacks callbacks;
    std::shared_ptr<Channel> channel = channel_;
    Dispatcher* dispatcher = &dispatcher_;
    callbacks.position = [channel, dispatcher, generation](int64_t timeUs) {
        dispatcher->post([channel, generation, timeUs] {
            if (channel->events && channel->generation == generation)
                channel->events->position(timeUs);
        });
    };
    callbacks.ended = [channel, dispatcher, generation] {
        dispatcher->post([channel, generation] {
            if (channel->events && channel->generation == generation)
                channel->events->stateChanged(PlayerState::End);
        });
    };
    callbacks.log = [channel, dispatcher](const std::string& line) {
        dispatcher->post([channel, line] {
            if (channel->events)
                channel->events->log(line);
        });
    };
    return callbacks;
}

void Player::raiseState(PlayerState state)
{
    std::shared_ptr<Channel> channel = channel_;
    dispatcher_.post([channel, state] {
        if (channel->events)
            channel->events->stateChanged(state);
    });
}

void Player::Pause()
{
    if (!session_ || session_->paused())
        return;
    session_->setPaused(true);
    raiseState(PlayerState::Pause);
}

void Player::Resume()
{
    if (!session_ || !session_->paused())
        return;
    session_->setPaused(false);
    raiseState(started_ ? PlayerState::Resume : PlayerState::Play);
    started_ = true;
}

void Player::Step()
{
    if (!session_ || !session_->paused())
        return;
    session_->step();
    raiseState(PlayerState::Step);
}

void Player::Stop(bool wait) { stopSession(wait, true); }

void Player::stopSession(bool wait, bool report)
{
    retiring_.reset();
    if (!session_)
        return;
    // Events of this file still queued are dropped from here on.
    ++channel_->generation;
    std::unique_ptr<PlaybackSession> session = std::move(session_);
    session->requestStop();
    if (wait) {
        PlaybackSession* stopping = session.get();
        dispatcher_.waitPumping([stopping] { return stopping->threadsFinished(); });
        session->join();
    } else {
        retiring_ = std::move(session);
    }
    started_ = false;
    fileInfoText_.clear();
    if (report) {
        // Delivered at once: the screen is cleared before anything else
        // can be drawn into it.
        std::shared_ptr<Channel> channel = channel_;
        dispatcher_.runSync([channel] {
            if (channel->events)
                channel->events->stateChanged(PlayerState::Stop);
        });
    }
}

void Player::Seek(int64_t timeUs, int flags, bool wait)
{
    if (!session_)
        return;
    session_->seek(timeUs, flags);
    if (wait) {
        PlaybackSession* session = session_.get();
        int generation = channel_->generation;
        dispatcher_.waitPumping([this, session, generation] {
            return session_.get() != session || channel_->generation != generation
                   || session->seekSettled();
        });
    }
}

VideoImage Player::CurrentFrame() const
{
    return session_ ? session_->currentFrame() : VideoImage{};
}

void Player::UpdateScreenPosition()
{
    if (session_)
        session_->representLast();
}

PlaybackStats Player::Stats() const { return session_ ? session_->stats() : PlaybackStats{}; }

}  // namespace engine
