#include "engine/transcode/AmrNbEncoder.h"

#include "engine/FfmpegPtr.h"
#include "engine/transcode/TranscodeError.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <opencore-amrnb/interf_enc.h>
}

namespace engine::transcoding {

namespace {

constexpr std::array<int, 8> modeRates = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};

int nearestMode(int64_t bitRate)
{
    if (bitRate <= 0)
        return MR122;
    int best = 0;
    for (int mode = 1; mode < int(modeRates.size()); ++mode)
        if (std::llabs(modeRates[mode] - bitRate) < std::llabs(modeRates[best] - bitRate))
            best = mode;
    return best;
}

}  // namespace

void AmrNbEncoder::StateFree::operator()(void* state) const
{
    Encoder_Interface_exit(state);
}

AmrNbEncoder::AmrNbEncoder(int64_t bitRate, std::string outputPath)
    : state_(Encoder_Interface_init(0)), mode_(nearestMode(bitRate)), outputPath_(std::move(outputPath))
{
    if (!state_)
        throw TranscodeError("Cannot open the AMR-NB encoder for " + quotedPath(outputPath_));
}

int AmrNbEncoder::bitRate() const
{
    return modeRates[mode_];
}

void AmrNbEncoder::send(const AVFrame* frame)
{
    if (!frame)
        return;
    if (frame->format != AV_SAMPLE_FMT_S16 || frame->ch_layout.nb_channels != 1 || frame->nb_samples > samplesPerFrame)
        throw TranscodeError("Cannot encode " + quotedPath(outputPath_) + " as AMR-NB: the frame is not 160 mono samples");
    std::array<short, samplesPerFrame> speech{};
    std::memcpy(speech.data(), frame->data[0], size_t(frame->nb_samples) * sizeof(short));

    std::array<unsigned char, 64> bits{};
    int size = Encoder_Interface_Encode(state_.get(), Mode(mode_), speech.data(), bits.data(), 0);
    if (size <= 0)
        throw TranscodeError("Cannot encode " + quotedPath(outputPath_) + " as AMR-NB");

    PacketPtr packet = allocPacket();
    if (av_new_packet(packet.get(), size) < 0)
        throw std::bad_alloc();
    std::memcpy(packet->data, bits.data(), size_t(size));
    packet->pts = packet->dts = frame->pts != AV_NOPTS_VALUE ? frame->pts : nextPts_;
    packet->duration = samplesPerFrame;
    packet->flags |= AV_PKT_FLAG_KEY;
    nextPts_ = packet->pts + samplesPerFrame;
    ready_.push_back(std::move(packet));
}

bool AmrNbEncoder::receive(AVPacket* packet)
{
    if (ready_.empty())
        return false;
    av_packet_move_ref(packet, ready_.front().get());
    ready_.pop_front();
    return true;
}

void AmrNbEncoder::copyParameters(AVCodecParameters* parameters) const
{
    parameters->codec_type = AVMEDIA_TYPE_AUDIO;
    parameters->codec_id = AV_CODEC_ID_AMR_NB;
    parameters->sample_rate = sampleRate;
    av_channel_layout_uninit(&parameters->ch_layout);
    av_channel_layout_default(&parameters->ch_layout, 1);
    parameters->format = AV_SAMPLE_FMT_S16;
    parameters->frame_size = samplesPerFrame;
    parameters->bit_rate = bitRate();
}

}  // namespace engine::transcoding
