#include "engine/transcode/CodecLimits.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace engine::transcoding {

namespace {

bool named(const EncoderChoice& encoder, const char* name)
{
    return encoder.name == name;
}

int nearestOf(const std::vector<int>& values, int wanted)
{
    int best = values.front();
    for (int value : values) {
        long diff = std::labs(long(value) - wanted);
        long bestDiff = std::labs(long(best) - wanted);
        if (diff < bestDiff || (diff == bestDiff && value > best))
            best = value;
    }
    return best;
}

}  // namespace

AVRational fitFrameRate(const EncoderChoice& encoder, AVRational wanted)
{
    if (encoder.id == AV_CODEC_ID_MPEG1VIDEO || encoder.id == AV_CODEC_ID_MPEG2VIDEO) {
        // The frame rates an MPEG-1/2 sequence header can name.
        static const AVRational standard[] = {{24000, 1001}, {24, 1}, {25, 1}, {30000, 1001}, {30, 1},
                                              {50, 1}, {60000, 1001}, {60, 1}, {0, 0}};
        return standard[av_find_nearest_q_idx(wanted, standard)];
    }
    if (encoder.codec && encoder.codec->supported_framerates)
        return encoder.codec->supported_framerates[av_find_nearest_q_idx(wanted, encoder.codec->supported_framerates)];
    if (encoder.id == AV_CODEC_ID_MPEG4) {
        // The MPEG-4 time base denominator has 16 bits.
        AVRational reduced;
        av_reduce(&reduced.num, &reduced.den, wanted.num, wanted.den, 65535);
        return reduced;
    }
    return wanted;
}

int fitSampleRate(const EncoderChoice& encoder, const AVOutputFormat* container, int wanted)
{
    std::vector<int> allowed;
    if (encoder.ownAmrNb())
        allowed = {8000};
    else if (encoder.codec && encoder.codec->supported_samplerates)
        for (const int* rate = encoder.codec->supported_samplerates; *rate; ++rate)
            allowed.push_back(*rate);
    // Flash containers take MP3 at these rates only.
    bool flash = std::strcmp(container->name, "flv") == 0 || std::strcmp(container->name, "swf") == 0;
    if (flash && encoder.id == AV_CODEC_ID_MP3) {
        std::vector<int> flashRates = {44100, 22050, 11025};
        if (!allowed.empty())
            std::erase_if(flashRates, [&](int rate) { return std::find(allowed.begin(), allowed.end(), rate) == allowed.end(); });
        allowed = flashRates;
    }
    int rate = allowed.empty() ? wanted : nearestOf(allowed, wanted);
    if (named(encoder, "wmav1") || named(encoder, "wmav2"))
        rate = std::min(rate, 48000);
    return rate;
}

AVChannelLayout fitChannelLayout(const EncoderChoice& encoder, int wanted)
{
    std::vector<int> counts;
    if (encoder.ownAmrNb()) {
        counts = {1};
    } else if (encoder.codec && encoder.codec->ch_layouts) {
        for (const AVChannelLayout* layout = encoder.codec->ch_layouts; layout->nb_channels; ++layout)
            counts.push_back(layout->nb_channels);
    } else if (named(encoder, "wmav1") || named(encoder, "wmav2")) {
        counts = {1, 2};
    }
    int channels = wanted;
    if (!counts.empty() && std::find(counts.begin(), counts.end(), wanted) == counts.end()) {
        // Prefer the largest count below the wanted one (a downmix), else the smallest above.
        int below = 0, above = 0;
        for (int count : counts) {
            if (count < wanted)
                below = std::max(below, count);
            else if (!above || count < above)
                above = count;
        }
        channels = below ? below : above;
    }
    AVChannelLayout usual{};
    av_channel_layout_default(&usual, channels);
    if (encoder.codec && encoder.codec->ch_layouts) {
        // The default layout of the count if the encoder lists it, else the
        // first listed layout of that count.
        const AVChannelLayout* first = nullptr;
        for (const AVChannelLayout* layout = encoder.codec->ch_layouts; layout->nb_channels; ++layout) {
            if (!av_channel_layout_compare(layout, &usual))
                return usual;
            if (!first && layout->nb_channels == channels)
                first = layout;
        }
        if (first) {
            AVChannelLayout copy{};
            av_channel_layout_copy(&copy, first);
            return copy;
        }
    }
    return usual;
}

AVSampleFormat fitSampleFormat(const EncoderChoice& encoder, AVSampleFormat source)
{
    if (encoder.ownAmrNb())
        return AV_SAMPLE_FMT_S16;
    if (!encoder.codec || !encoder.codec->sample_fmts)
        return source;
    const AVSampleFormat* list = encoder.codec->sample_fmts;
    for (const AVSampleFormat* f = list; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == source)
            return *f;
    AVSampleFormat alternative = av_get_alt_sample_fmt(source, !av_sample_fmt_is_planar(source));
    for (const AVSampleFormat* f = list; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == alternative)
            return *f;
    return list[0];
}

AVPixelFormat fitPixelFormat(const EncoderChoice& encoder, AVPixelFormat source)
{
    if (!encoder.codec || !encoder.codec->pix_fmts)
        return source;
    const AVPixelFormat* list = encoder.codec->pix_fmts;
    for (const AVPixelFormat* f = list; *f != AV_PIX_FMT_NONE; ++f)
        if (*f == source)
            return *f;
    if (source == AV_PIX_FMT_NONE)
        return list[0];
    AVPixelFormat best = avcodec_find_best_pix_fmt_of_list(list, source, 0, nullptr);
    return best == AV_PIX_FMT_NONE ? list[0] : best;
}

int sizeAlignment(const EncoderChoice& encoder, AVPixelFormat format)
{
    int alignment = 1;
    if (const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format))
        alignment = 1 << std::max(descriptor->log2_chroma_w, descriptor->log2_chroma_h);
    if (encoder.id == AV_CODEC_ID_RV10)
        alignment = std::max(alignment, 16);
    if (encoder.id == AV_CODEC_ID_RV20)
        alignment = std::max(alignment, 4);
    return alignment;
}

int alignDown(int value, int alignment)
{
    return std::max(alignment, value / alignment * alignment);
}

}  // namespace engine::transcoding
