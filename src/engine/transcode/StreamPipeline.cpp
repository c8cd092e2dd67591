#include "engine/transcode/StreamPipeline.h"

#include <algorithm>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/intreadwrite.h>
}

namespace engine::transcoding {

StreamPipeline::StreamPipeline(Decoder& decoder, FrameFilter filter, FilterFactory rebuildFilter,
                               std::unique_ptr<StreamEncoder> encoder, int outputIndex, OutputFile& output,
                               MuxedSoFar& muxed, TranscodeObserver* preview)
    : decoder_(decoder), filter_(std::move(filter)), rebuildFilter_(std::move(rebuildFilter)),
      encoder_(std::move(encoder)), outputIndex_(outputIndex), output_(output), muxed_(muxed), preview_(preview),
      isVideo_(decoder.context()->codec_type == AVMEDIA_TYPE_VIDEO), decoded_(allocFrame()),
      filtered_(allocFrame()), packet_(allocPacket())
{
    const AVCodecContext* context = decoder.context();
    filterWidth_ = context->width;
    filterHeight_ = context->height;
    filterFormat_ = isVideo_ ? int(context->pix_fmt) : -1;
}

void StreamPipeline::decode(const AVPacket* packet)
{
    decoder_.send(packet);
    receiveDecoded();
}

void StreamPipeline::finish()
{
    decoder_.send(nullptr);
    receiveDecoded();
    filter_.close(inputEnd_);
    pullFiltered();
    encode(nullptr);
}

void StreamPipeline::receiveDecoded()
{
    while (decoder_.receive(decoded_.get())) {
        decoded_->pts = decoded_->best_effort_timestamp;
        if (decoded_->pts != AV_NOPTS_VALUE) {
            int64_t length = decoded_->pkt_duration;
            if (length <= 0 && isVideo_ && decoder_.frameRate().num > 0)
                length = av_rescale_q(1, av_inv_q(decoder_.frameRate()), decoder_.stream()->time_base);
            if (!isVideo_) {
                // The audio filters count time in samples.
                decoded_->pts = av_rescale_q(decoded_->pts, decoder_.stream()->time_base,
                                             av_make_q(1, decoded_->sample_rate));
                length = decoded_->nb_samples;
            }
            inputEnd_ = decoded_->pts + std::max<int64_t>(length, 0);
        }
        if (isVideo_ && preview_)
            preview_->videoFrame(decoded_.get());
        filter(decoded_.get());
        av_frame_unref(decoded_.get());
    }
}

void StreamPipeline::filter(AVFrame* frame)
{
    if (isVideo_ && rebuildFilter_ &&
        (frame->width != filterWidth_ || frame->height != filterHeight_ || frame->format != filterFormat_)) {
        // The source changed its picture mid-stream: drain the old graph and
        // go on with one made for the new frames and the same output.
        filter_.close(frame->pts);  // the old picture lasts until the new one begins
        pullFiltered();
        filter_ = rebuildFilter_(*frame);
        filterWidth_ = frame->width;
        filterHeight_ = frame->height;
        filterFormat_ = frame->format;
    }
    filter_.push(frame);
    pullFiltered();
}

void StreamPipeline::pullFiltered()
{
    while (filter_.pull(filtered_.get())) {
        if (filtered_->pts != AV_NOPTS_VALUE)
            filtered_->pts = av_rescale_q(filtered_->pts, filter_.timeBase(), encoder_->timeBase());
        if (isVideo_)
            filtered_->pict_type = AV_PICTURE_TYPE_NONE;  // the encoder chooses its own frame types
        encode(filtered_.get());
        av_frame_unref(filtered_.get());
    }
}

void StreamPipeline::encode(const AVFrame* frame)
{
    encoder_->send(frame);
    writeEncoded();
}

void StreamPipeline::writeEncoded()
{
    while (encoder_->receive(packet_.get())) {
        if (isVideo_) {
            ++muxed_.videoFrames;
            size_t size = 0;
            if (const uint8_t* stats = av_packet_get_side_data(packet_.get(), AV_PKT_DATA_QUALITY_STATS, &size);
                stats && size >= 4)
                muxed_.quality = float(AV_RL32(stats)) / FF_QP2LAMBDA;
        }
        int64_t end = packet_->pts != AV_NOPTS_VALUE ? packet_->pts + std::max<int64_t>(packet_->duration, 0)
                                                     : AV_NOPTS_VALUE;
        if (end != AV_NOPTS_VALUE)
            muxed_.endUs = std::max(muxed_.endUs, av_rescale_q(end, encoder_->timeBase(), AV_TIME_BASE_Q));
        output_.write(packet_.get(), outputIndex_, encoder_->timeBase());
        av_packet_unref(packet_.get());
    }
}

}  // namespace engine::transcoding
