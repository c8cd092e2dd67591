#include "engine/player/PlaybackSession.h"

#include "engine/player/MediaInfo.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace engine {

namespace {

using namespace std::chrono_literals;

constexpr auto kPositionInterval = 200ms;  // position events while playing
constexpr int64_t kAudioAheadUs = 200000;  // audio queued ahead of the device
constexpr int64_t kClockToleranceUs = 40000;
constexpr auto kLongestStill = 250ms;       // longest run of skipped late frames

std::string fileText(const std::string& path) { return "'" + path + "'"; }

CodecContextPtr openDecoder(const AVStream& stream, int threads, std::string& error)
{
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!codec) {
        error = std::string("no decoder for ") + avcodec_get_name(stream.codecpar->codec_id);
        return nullptr;
    }
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context) {
        error = "out of memory";
        return nullptr;
    }
    int result = avcodec_parameters_to_context(context.get(), stream.codecpar);
    if (result >= 0) {
        context->thread_count = threads;
        context->pkt_timebase = stream.time_base;
        result = avcodec_open2(context.get(), codec, nullptr);
    }
    if (result < 0) {
        error = std::string("cannot open the ") + codec->name + " decoder: " + avErrorText(result);
        return nullptr;
    }
    return context;
}

}  // namespace

PlaybackSession::PlaybackSession(std::string path) : path_(std::move(path)) {}

std::unique_ptr<PlaybackSession> PlaybackSession::open(const std::string& path, std::string& error)
{
    std::unique_ptr<PlaybackSession> session(new PlaybackSession(path));
    if (!session->openStreams(error))
        return nullptr;
    return session;
}

bool PlaybackSession::openStreams(std::string& error)
{
    AVFormatContext* raw = nullptr;
    int result = avformat_open_input(&raw, path_.c_str(), nullptr, nullptr);
    if (result < 0) {
        error = "Could not open " + fileText(path_) + ": " + avErrorText(result);
        return false;
    }
    input_.reset(raw);
    result = avformat_find_stream_info(input_.get(), nullptr);
    if (result < 0) {
        error = "Could not read the streams of " + fileText(path_) + ": " + avErrorText(result);
        return false;
    }
    if (input_->start_time != AV_NOPTS_VALUE)
        startTimeUs_ = input_->start_time;
    facts_.durationUs = input_->duration != AV_NOPTS_VALUE ? std::max<int64_t>(input_->duration, 0) : 0;

    std::string reasons;
    int video = av_find_best_stream(input_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video >= 0) {
        AVStream& stream = *input_->streams[video];
        std::string reason;
        videoCodec_ = openDecoder(stream, 0, reason);
        if (videoCodec_) {
            videoIndex_ = video;
            videoTimeBase_ = stream.time_base;
            facts_.hasVideo = true;
            facts_.width = stream.codecpar->width;
            facts_.height = stream.codecpar->height;
            AVRational sar = av_guess_sample_aspect_ratio(input_.get(), &stream, nullptr);
            facts_.sarNum = sar.num;
            facts_.sarDen = sar.den;
            AVRational rate = av_guess_frame_rate(input_.get(), &stream, nullptr);
            if (rate.num > 0 && rate.den > 0)
                facts_.frameIntervalUs = av_rescale(1000000, rate.den, rate.num);
        } else {
            reasons += " video: " + reason + ";";
        }
    }
    int audio = av_find_best_stream(input_.get(), AVMEDIA_TYPE_AUDIO, -1, video >= 0 ? video : -1,
                                    nullptr, 0);
    if (audio >= 0) {
        AVStream& stream = *input_->streams[audio];
        std::string reason;
        audioCodec_ = openDecoder(stream, 1, reason);
        if (audioCodec_) {
            audioIndex_ = audio;
            audioTimeBase_ = stream.time_base;
            facts_.hasAudio = true;
        } else {
            reasons += " audio: " + reason + ";";
        }
    }
    if (!facts_.hasVideo && !facts_.hasAudio) {
        error = reasons.empty() ? fileText(path_) + " has no audio or video stream"
                                : "Could not decode " + fileText(path_) + ":" + reasons;
        return false;
    }
    for (unsigned i = 0; i < input_->nb_streams; ++i) {
        if (int(i) != videoIndex_ && int(i) != audioIndex_)
            input_->streams[i]->discard = AVDISCARD_ALL;
    }
    return true;
}

PlaybackSession::~PlaybackSession()
{
    requestStop();
    join();
    av_channel_layout_uninit(&resamplerLayout_);
}

std::string PlaybackSession::infoText() const { return describeMedia(*input_, path_); }

void PlaybackSession::start(VideoSink* sink, Size screen, bool paused, const std::atomic<bool>* mute,
                            SessionCallbacks callbacks)
{
    mute_ = mute;
    callbacks_ = std::move(callbacks);
    {
        std::lock_guard lock(presentMutex_);
        sink_ = sink;
        screen_ = screen;
    }
    if (facts_.hasAudio) {
        std::string error;
        AVChannelLayout& layout = audioCodec_->ch_layout;
        int channels = std::clamp(layout.nb_channels, 1, 2);
        audioActive_ = audio_.open(audioCodec_->sample_rate, channels, error);
        if (!audioActive_)
            log(fileText(path_) + ": " + error + "; "
                + (facts_.hasVideo ? "the video plays on its own clock" : "the file plays silently"));
    }
    clock_.set(0);
    clock_.setPaused(paused);
    audio_.setPaused(paused);

    runThread(&PlaybackSession::demuxLoop);
    if (facts_.hasVideo) {
        runThread(&PlaybackSession::videoLoop);
        runThread(&PlaybackSession::outputLoop);
    } else {
        runThread(&PlaybackSession::audioOnlyOutputLoop);
    }
    if (audioActive_)
        runThread(&PlaybackSession::audioLoop);
}

void PlaybackSession::runThread(void (PlaybackSession::*loop)())
{
    ++runningThreads_;
    threads_.emplace_back([this, loop] {
        (this->*loop)();
        --runningThreads_;
    });
}

void PlaybackSession::setPaused(bool paused)
{
    clock_.setPaused(paused);
    audio_.setPaused(paused);
    controlChanged_.notify_all();
}

void PlaybackSession::step()
{
    ++stepRequests_;
    controlChanged_.notify_all();
}

void PlaybackSession::seek(int64_t timeUs, int flags)
{
    {
        std::lock_guard lock(controlMutex_);
        seekTargetUs_ = facts_.durationUs > 0 ? std::clamp<int64_t>(timeUs, 0, facts_.durationUs)
                                              : std::max<int64_t>(timeUs, 0);
        seekFlags_ = flags;
        seekPending_ = true;
    }
    controlChanged_.notify_all();
}

bool PlaybackSession::seekSettled() const
{
    return stop_ || (!seekPending_ && settledSerial_.load() == serial_.load());
}

void PlaybackSession::setScreen(Size screen)
{
    std::lock_guard lock(presentMutex_);
    screen_ = screen;
}

void PlaybackSession::representLast()
{
    FramePtr frame;
    {
        std::lock_guard lock(lastFrameMutex_);
        if (lastFrame_)
            frame.reset(av_frame_clone(lastFrame_.get()));
    }
    if (!frame)
        return;
    Size screen;
    {
        std::lock_guard lock(presentMutex_);
        screen = screen_;
    }
    VideoImage image = ownerScaler_.toRgb(
        *frame, fitInside({frame->width, frame->height}, facts_.sarNum, facts_.sarDen, screen));
    std::lock_guard lock(presentMutex_);
    if (sink_ && !image.empty())
        sink_->present(std::move(image));
}

VideoImage PlaybackSession::currentFrame()
{
    FramePtr frame;
    {
        std::lock_guard lock(lastFrameMutex_);
        if (lastFrame_)
            frame.reset(av_frame_clone(lastFrame_.get()));
    }
    if (!frame)
        return {};
    return ownerScaler_.toRgb(*frame, {frame->width, frame->height});
}

void PlaybackSession::requestStop()
{
    {
        std::lock_guard lock(presentMutex_);
        sink_ = nullptr;
    }
    stop_ = true;
    audio_.setPaused(true);
    controlChanged_.notify_all();
}

void PlaybackSession::join()
{
    for (std::thread& thread : threads_) {
        if (thread.joinable())
            thread.join();
    }
    threads_.clear();
}

PlaybackStats PlaybackSession::stats() const
{
    return {framesDecoded_.load(), framesPresented_.load(), framesDropped_.load()};
}

int64_t PlaybackSession::toMediaUs(int64_t timestamp, AVRational timeBase) const
{
    if (timestamp == AV_NOPTS_VALUE)
        return AV_NOPTS_VALUE;
    return av_rescale_q(timestamp, timeBase, AV_TIME_BASE_Q) - startTimeUs_;
}

void PlaybackSession::sleepFor(std::chrono::microseconds span)
{
    std::unique_lock lock(controlMutex_);
    controlChanged_.wait_for(lock, span);
}

void PlaybackSession::log(const std::string& line)
{
    if (callbacks_.log)
        callbacks_.log(line);
}

void PlaybackSession::reportPosition(int64_t timeUs)
{
    if (callbacks_.position)
        callbacks_.position(std::max<int64_t>(timeUs, 0));
}

// ---- demux ---------------------------------------------------------------

void PlaybackSession::demuxLoop()
{
    bool atEnd = false;
    bool readErrorLogged = false;
    while (!stop_) {
        if (seekPending_) {
            performSeek();
            atEnd = false;
            continue;
        }
        if (atEnd) {
            sleepFor(50ms);
            continue;
        }
        PacketPtr packet = allocPacket();
        int result = av_read_frame(input_.get(), packet.get());
        if (result == AVERROR(EAGAIN)) {
            sleepFor(5ms);
            continue;
        }
        int serial = serial_.load();
        auto giveUp = [this, serial] { return cancelled(serial) || seekPending_; };
        if (result < 0) {
            if (result != AVERROR_EOF && !readErrorLogged) {
                log("Reading " + fileText(path_) + " stopped: " + avErrorText(result));
                readErrorLogged = true;
            }
            if (facts_.hasVideo)
                videoPackets_.push({nullptr, serial}, giveUp);
            if (audioActive_)
                audioPackets_.push({nullptr, serial}, giveUp);
            // A file without video whose audio cannot be heard ends by the
            // clock, unless it does not say how long it is.
            if (!facts_.hasVideo && !audioActive_ && facts_.durationUs <= 0)
                markStreamDone(false, serial);
            atEnd = true;
            continue;
        }
        if (packet->stream_index == videoIndex_)
            videoPackets_.push({std::move(packet), serial}, giveUp);
        else if (packet->stream_index == audioIndex_ && audioActive_)
            audioPackets_.push({std::move(packet), serial}, giveUp);
    }
}

void PlaybackSession::performSeek()
{
    int64_t target;
    int flags;
    {
        std::lock_guard lock(controlMutex_);
        target = seekTargetUs_;
        flags = seekFlags_;
    }
    int64_t timestamp = target + startTimeUs_;
    int result = avformat_seek_file(input_.get(), -1, INT64_MIN, timestamp, timestamp,
                                    flags & ~AVSEEK_FLAG_BACKWARD);
    if (result < 0)
        log("Seeking in " + fileText(path_) + " failed: " + avErrorText(result));
    // Frames before the target are decoded (they lead up to it from the
    // key frame) but not shown, unless any frame will do.
    dropBeforeUs_ = (flags & AVSEEK_FLAG_ANY) ? INT64_MIN : target - facts_.frameIntervalUs / 2;
    videoPackets_.clear();
    audioPackets_.clear();
    videoFrames_.clear();
    clock_.set(target);
    atEnd_ = false;
    {
        std::lock_guard lock(controlMutex_);
        ++serial_;
        seekPending_ = false;
    }
    controlChanged_.notify_all();
}

// ---- video ---------------------------------------------------------------

void PlaybackSession::videoLoop()
{
    int decoderSerial = -1;
    int64_t nextTimeUs = 0;
    bool errorLogged = false;
    while (!stop_) {
        std::optional<PacketItem> item = videoPackets_.pop(50ms);
        if (!item || item->serial != serial_.load())
            continue;
        if (item->serial != decoderSerial) {
            if (decoderSerial != -1)
                avcodec_flush_buffers(videoCodec_.get());
            decoderSerial = item->serial;
        }
        int result = avcodec_send_packet(videoCodec_.get(), item->packet.get());
        if (result < 0 && result != AVERROR_EOF && !errorLogged) {
            log("Decoding the video of " + fileText(path_) + ": " + avErrorText(result));
            errorLogged = true;
        }
        deliverVideoFrames(item->serial, nextTimeUs);
        if (!item->packet) {
            videoFrames_.push({nullptr, item->serial, 0}, [&] { return cancelled(item->serial); });
            avcodec_flush_buffers(videoCodec_.get());
        }
    }
}

void PlaybackSession::deliverVideoFrames(int serial, int64_t& nextTimeUs)
{
    while (!cancelled(serial)) {
        FramePtr frame = allocFrame();
        if (avcodec_receive_frame(videoCodec_.get(), frame.get()) < 0)
            return;
        ++framesDecoded_;
        int64_t timeUs = toMediaUs(frame->best_effort_timestamp, videoTimeBase_);
        if (timeUs == AV_NOPTS_VALUE)
            timeUs = nextTimeUs;
        nextTimeUs = timeUs + facts_.frameIntervalUs;
        if (timeUs < dropBeforeUs_.load())
            continue;
        videoFrames_.push({std::move(frame), serial, timeUs}, [&] { return cancelled(serial); });
    }
}

void PlaybackSession::outputLoop()
{
    int shownSerial = -1;
    auto lastReport = std::chrono::steady_clock::now();
    auto lastShown = lastReport;
    while (!stop_) {
        std::optional<FrameItem> item = videoFrames_.pop(20ms);
        if (!item || item->serial != serial_.load())
            continue;
        int serial = item->serial;
        if (!item->frame) {
            settledSerial_ = serial;
            markStreamDone(true, serial);
            continue;
        }
        bool first = serial != shownSerial;
        if (first) {
            // The first frame after opening or seeking is shown at once, also
            // while paused, and the clock starts from it.
            clock_.set(item->timeUs);
        } else {
            Due due = waitUntilDue(item->timeUs, serial);
            if (due == Due::Abandon)
                continue;
            // A late frame is skipped to catch up, but never so many in a
            // row that the picture stands still.
            if (due == Due::Drop && std::chrono::steady_clock::now() - lastShown < kLongestStill) {
                ++framesDropped_;
                continue;
            }
        }
        int64_t timeUs = item->timeUs;
        show(*item);
        shownSerial = serial;
        settledSerial_ = serial;
        auto now = std::chrono::steady_clock::now();
        lastShown = now;
        if (first || now - lastReport >= kPositionInterval || clock_.paused()) {
            reportPosition(timeUs);
            lastReport = now;
        }
    }
}

PlaybackSession::Due PlaybackSession::waitUntilDue(int64_t timeUs, int serial)
{
    const int64_t lateLimitUs = std::max<int64_t>(2 * facts_.frameIntervalUs, 100000);
    while (!cancelled(serial) && !seekPending_) {
        if (clock_.paused()) {
            int pending = stepRequests_.load();
            if (pending > 0 && stepRequests_.compare_exchange_strong(pending, pending - 1)) {
                clock_.set(timeUs);
                return Due::Show;
            }
            sleepFor(50ms);
            continue;
        }
        int64_t delayUs = timeUs - clock_.now();
        if (delayUs <= 0)
            return -delayUs > lateLimitUs ? Due::Drop : Due::Show;
        sleepFor(std::chrono::microseconds(std::min<int64_t>(delayUs, 20000)));
    }
    return Due::Abandon;
}

void PlaybackSession::show(FrameItem& item)
{
    const AVFrame& frame = *item.frame;
    Size screen;
    {
        std::lock_guard lock(presentMutex_);
        screen = screen_;
    }
    VideoImage image = presentScaler_.toRgb(
        frame, fitInside({frame.width, frame.height}, facts_.sarNum, facts_.sarDen, screen));
    {
        std::lock_guard lock(presentMutex_);
        if (sink_ && !image.empty())
            sink_->present(std::move(image));
    }
    {
        std::lock_guard lock(lastFrameMutex_);
        lastFrame_ = std::move(item.frame);
    }
    ++framesPresented_;
}

void PlaybackSession::audioOnlyOutputLoop()
{
    int reportedSerial = -1;
    auto lastReport = std::chrono::steady_clock::now();
    while (!stop_) {
        sleepFor(50ms);
        int serial = serial_.load();
        if (seekPending_)
            continue;
        if (!audioActive_ && facts_.durationUs > 0 && clock_.now() >= facts_.durationUs)
            markStreamDone(false, serial);
        auto now = std::chrono::steady_clock::now();
        bool first = serial != reportedSerial;
        if (first || (!clock_.paused() && !atEnd_ && now - lastReport >= kPositionInterval)) {
            int64_t timeUs = clock_.now();
            if (facts_.durationUs > 0)
                timeUs = std::min(timeUs, facts_.durationUs);
            reportPosition(timeUs);
            lastReport = now;
            reportedSerial = serial;
            settledSerial_ = serial;
        }
    }
}

// ---- audio ---------------------------------------------------------------

void PlaybackSession::audioLoop()
{
    int decoderSerial = -1;
    bool errorLogged = false;
    while (!stop_) {
        std::optional<PacketItem> item = audioPackets_.pop(50ms);
        if (!item || item->serial != serial_.load())
            continue;
        if (item->serial != decoderSerial) {
            if (decoderSerial != -1)
                avcodec_flush_buffers(audioCodec_.get());
            audio_.clear();
            decoderSerial = item->serial;
        }
        int result = avcodec_send_packet(audioCodec_.get(), item->packet.get());
        if (result < 0 && result != AVERROR_EOF && !errorLogged) {
            log("Decoding the audio of " + fileText(path_) + ": " + avErrorText(result));
            errorLogged = true;
        }
        playAudioFrames(item->serial);
        if (!item->packet) {
            avcodec_flush_buffers(audioCodec_.get());
            waitAudioDrained(item->serial);
        }
    }
}

void PlaybackSession::playAudioFrames(int serial)
{
    FramePtr frame = allocFrame();
    while (!cancelled(serial) && avcodec_receive_frame(audioCodec_.get(), frame.get()) >= 0) {
        playAudioFrame(*frame, serial);
        av_frame_unref(frame.get());
    }
}

bool PlaybackSession::playAudioFrame(const AVFrame& frame, int serial)
{
    if (frame.sample_rate <= 0 || frame.nb_samples <= 0)
        return false;
    int64_t timeUs = toMediaUs(frame.best_effort_timestamp, audioTimeBase_);
    int64_t durationUs = int64_t(frame.nb_samples) * 1000000 / frame.sample_rate;
    if (timeUs != AV_NOPTS_VALUE && timeUs + durationUs <= dropBeforeUs_.load())
        return false;

    if (!configureResampler(frame)) {
        if (lastAudioWarningSerial_ != serial)
            log("Cannot convert the audio of " + fileText(path_) + " for the audio device");
        lastAudioWarningSerial_ = serial;
        return false;
    }
    int capacity = swr_get_out_samples(resampler_.get(), frame.nb_samples);
    audioBuffer_.resize(size_t(std::max(capacity, 0)) * audio_.channels() * 2);
    uint8_t* out[1] = {audioBuffer_.data()};
    int samples = swr_convert(resampler_.get(), out, capacity,
                              const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
    if (samples <= 0)
        return false;
    int bytes = samples * audio_.channels() * 2;
    if (mute_ && mute_->load())
        std::memset(audioBuffer_.data(), 0, size_t(bytes));

    while (!cancelled(serial) && !seekPending_ && audio_.pendingUs() > kAudioAheadUs)
        sleepFor(10ms);
    if (cancelled(serial) || seekPending_)
        return false;
    audio_.queue(audioBuffer_.data(), bytes);
    if (timeUs != AV_NOPTS_VALUE && !clock_.paused())
        clock_.follow(timeUs + durationUs - audio_.pendingUs(), kClockToleranceUs);
    return true;
}

bool PlaybackSession::configureResampler(const AVFrame& frame)
{
    bool same = resampler_ && resamplerFormat_ == frame.format && resamplerRate_ == frame.sample_rate
                && av_channel_layout_compare(&resamplerLayout_, &frame.ch_layout) == 0;
    if (same)
        return true;
    resampler_.reset();
    av_channel_layout_uninit(&resamplerLayout_);
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, audio_.channels());
    SwrContext* raw = nullptr;
    int result = swr_alloc_set_opts2(&raw, &outLayout, AV_SAMPLE_FMT_S16, audio_.sampleRate(),
                                     const_cast<AVChannelLayout*>(&frame.ch_layout), AVSampleFormat(frame.format),
                                     frame.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&outLayout);
    resampler_.reset(raw);
    if (result < 0 || swr_init(resampler_.get()) < 0) {
        resampler_.reset();
        return false;
    }
    resamplerFormat_ = frame.format;
    resamplerRate_ = frame.sample_rate;
    av_channel_layout_copy(&resamplerLayout_, &frame.ch_layout);
    return true;
}

void PlaybackSession::waitAudioDrained(int serial)
{
    while (!cancelled(serial) && !seekPending_ && !audio_.drained())
        sleepFor(20ms);
    if (!cancelled(serial) && !seekPending_)
        markStreamDone(false, serial);
}

// ---- end of the file -----------------------------------------------------

void PlaybackSession::markStreamDone(bool video, int serial)
{
    bool ended = false;
    {
        std::lock_guard lock(endMutex_);
        (video ? videoDoneSerial_ : audioDoneSerial_) = serial;
        bool videoDone = !facts_.hasVideo || videoDoneSerial_ == serial;
        bool audioNeeded = facts_.hasAudio && (audioActive_ || !facts_.hasVideo);
        bool audioDone = !audioNeeded || audioDoneSerial_ == serial;
        if (videoDone && audioDone && endedSerial_ != serial && serial == serial_.load()) {
            endedSerial_ = serial;
            ended = true;
        }
    }
    if (ended) {
        atEnd_ = true;
        if (callbacks_.ended)
            callbacks_.ended();
    }
}

}  // namespace engine
