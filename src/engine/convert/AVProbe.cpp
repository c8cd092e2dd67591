#include "engine/convert/AVProbe.h"

#include "engine/FfmpegPtr.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/pixdesc.h>
}

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace engine {

namespace {

std::string clockText(int64_t microseconds)
{
    int64_t centis = microseconds / 10000;
    char text[64];
    std::snprintf(text, sizeof text, "%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%02" PRId64,
                  centis / 360000, centis / 6000 % 60, centis / 100 % 60, centis % 100);
    return text;
}

// "25", "29.97", "23.98": up to two decimals, no trailing zeros.
std::string rateText(AVRational rate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", av_q2d(rate));
    std::string value = text;
    while (value.back() == '0')
        value.pop_back();
    if (value.back() == '.')
        value.pop_back();
    return value;
}

const char* mediaTypeText(AVMediaType type)
{
    switch (type) {
    case AVMEDIA_TYPE_VIDEO: return "Video";
    case AVMEDIA_TYPE_AUDIO: return "Audio";
    case AVMEDIA_TYPE_SUBTITLE: return "Subtitle";
    case AVMEDIA_TYPE_DATA: return "Data";
    case AVMEDIA_TYPE_ATTACHMENT: return "Attachment";
    default: return "Unknown";
    }
}

std::string streamText(const AVStream& stream)
{
    const AVCodecParameters& par = *stream.codecpar;
    std::ostringstream out;
    out << "Stream #" << stream.index;
    if (const AVDictionaryEntry* language = av_dict_get(stream.metadata, "language", nullptr, 0))
        out << " (" << language->value << ")";
    out << ": " << mediaTypeText(par.codec_type) << ": " << avcodec_get_name(par.codec_id);
    if (const char* profile = avcodec_profile_name(par.codec_id, par.profile))
        out << " (" << profile << ")";

    if (par.codec_type == AVMEDIA_TYPE_VIDEO) {
        if (const char* format = av_get_pix_fmt_name(static_cast<AVPixelFormat>(par.format)))
            out << ", " << format;
        if (par.width > 0 && par.height > 0)
            out << ", " << par.width << "x" << par.height;
        if (par.sample_aspect_ratio.num > 0 && par.sample_aspect_ratio.den > 0 && par.height > 0) {
            AVRational display;
            av_reduce(&display.num, &display.den, int64_t(par.width) * par.sample_aspect_ratio.num,
                      int64_t(par.height) * par.sample_aspect_ratio.den, 1 << 20);
            out << " [DAR " << display.num << ":" << display.den << "]";
        }
        AVRational rate = stream.avg_frame_rate.num > 0 ? stream.avg_frame_rate : stream.r_frame_rate;
        if (rate.num > 0 && rate.den > 0)
            out << ", " << rateText(rate) << " fps";
    } else if (par.codec_type == AVMEDIA_TYPE_AUDIO) {
        if (par.sample_rate > 0)
            out << ", " << par.sample_rate << " Hz";
        if (par.ch_layout.nb_channels > 0) {
            char layout[64] = {};
            av_channel_layout_describe(&par.ch_layout, layout, sizeof layout);
            out << ", " << par.ch_layout.nb_channels << " channels (" << layout << ")";
        }
        if (const char* format = av_get_sample_fmt_name(static_cast<AVSampleFormat>(par.format)))
            out << ", " << format;
    }
    if (par.bit_rate > 0)
        out << ", " << par.bit_rate / 1000 << " kb/s";
    return out.str();
}

}  // namespace

void AVProbe::fail(const std::string& reason)
{
    lastError_ = reason;
}

bool AVProbe::LoadFile(const std::string& fileName, const std::string& formatName)
{
    fileName_ = fileName;
    info_ = {};
    fileSize_ = 0;
    infoText_.clear();
    lastError_.clear();

    std::error_code error;
    auto status = std::filesystem::status(fileName, error);
    if (!std::filesystem::exists(status)) {
        fail("Cannot open '" + fileName + "': the file does not exist");
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        fail("Cannot open '" + fileName + "': not a regular file");
        return false;
    }
    fileSize_ = static_cast<int64_t>(std::filesystem::file_size(fileName, error));
    if (error)
        fileSize_ = 0;
    if (fileSize_ == 0) {
        fail("Cannot open '" + fileName + "': the file is empty");
        return false;
    }

    const AVInputFormat* forced = nullptr;
    if (!formatName.empty()) {
        forced = av_find_input_format(formatName.c_str());
        if (!forced) {
            fail("Cannot open '" + fileName + "': unknown input format '" + formatName + "'");
            return false;
        }
    }

    AVFormatContext* raw = nullptr;
    int result = avformat_open_input(&raw, fileName.c_str(), forced, nullptr);
    if (result < 0) {
        fail("Cannot open '" + fileName + "': " + avErrorText(result));
        return false;
    }
    InputContextPtr context(raw);
    result = avformat_find_stream_info(context.get(), nullptr);
    if (result < 0) {
        fail("Cannot read the stream information of '" + fileName + "': " + avErrorText(result));
        return false;
    }

    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVCodecParameters& par = *context->streams[i]->codecpar;
        if (par.codec_id == AV_CODEC_ID_NONE)
            continue;
        if (par.codec_type == AVMEDIA_TYPE_VIDEO && !(context->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC))
            ++info_.VideoStreams;
        else if (par.codec_type == AVMEDIA_TYPE_AUDIO)
            ++info_.AudioStreams;
    }
    if (info_.VideoStreams == 0 && info_.AudioStreams == 0) {
        fail("Cannot convert '" + fileName + "': it holds no audio or video stream");
        return false;
    }

    info_.Duration = context->duration != AV_NOPTS_VALUE && context->duration > 0 ? context->duration : 0;
    info_.StartTime = context->start_time != AV_NOPTS_VALUE ? context->start_time : 0;
    info_.BitRate = context->bit_rate > 0 ? context->bit_rate : 0;

    std::ostringstream text;
    text << "File: " << fileName << "\n";
    text << "Container: " << (context->iformat->long_name ? context->iformat->long_name : context->iformat->name)
         << " (" << context->iformat->name << ")\n";
    text << "Duration: " << (info_.Duration > 0 ? clockText(info_.Duration) : std::string("N/A"));
    char start[32];
    std::snprintf(start, sizeof start, "%.6f", info_.StartTime / 1e6);
    text << ", start: " << start;
    text << ", bit rate: " << (info_.BitRate > 0 ? std::to_string(info_.BitRate / 1000) + " kb/s" : std::string("N/A"))
         << "\n";
    text << "Size: " << fileSize_ << " bytes\n";
    for (unsigned i = 0; i < context->nb_streams; ++i)
        text << streamText(*context->streams[i]) << "\n";
    infoText_ = text.str();
    return true;
}

}  // namespace engine
