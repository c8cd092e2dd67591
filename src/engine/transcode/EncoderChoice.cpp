#include "engine/transcode/EncoderChoice.h"

#include "engine/transcode/TranscodeError.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace engine::transcoding {

namespace {

const char* const programStreamMuxers[] = {"mpeg", "vob", "dvd", "svcd", "vcd"};
const AVCodecID programStreamAudio[] = {AV_CODEC_ID_MP1, AV_CODEC_ID_MP2, AV_CODEC_ID_MP3,
                                        AV_CODEC_ID_AC3, AV_CODEC_ID_DTS, AV_CODEC_ID_PCM_S16BE,
                                        AV_CODEC_ID_PCM_DVD, AV_CODEC_ID_MLP, AV_CODEC_ID_TRUEHD};
// Raw containers that hold exactly their default codec.
const char* const singleCodecMuxers[] = {"adts", "mp3", "ac3", "eac3", "flac", "mp2", "amr"};

template <typename List, typename Value>
bool contains(const List& list, const Value& value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

const char* kindOf(AVMediaType type)
{
    return type == AVMEDIA_TYPE_VIDEO ? "video" : "audio";
}

std::string aliasOf(const std::string& name)
{
    if (name == "libfaac")
        return "aac";
    return name;
}

EncoderChoice encoderFor(AVCodecID id, AVMediaType type, const AVOutputFormat* container,
                         const std::string& outputPath)
{
    if (id == AV_CODEC_ID_AMR_NB && !avcodec_find_encoder(id))
        return {nullptr, id, "libopencore_amrnb"};
    const AVCodec* codec = avcodec_find_encoder(id);
    if (!codec)
        throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": no " + kindOf(type) + " encoder for " +
                             avcodec_get_name(id) + ", the default of the container " + container->name);
    return {codec, id, codec->name};
}

}  // namespace

bool containerHolds(const AVOutputFormat* container, AVCodecID id)
{
    if (id == container->video_codec || id == container->audio_codec)
        return true;
    bool programStream = std::any_of(std::begin(programStreamMuxers), std::end(programStreamMuxers),
                                     [container](const char* name) { return std::strcmp(container->name, name) == 0; });
    if (programStream && avcodec_get_type(id) == AVMEDIA_TYPE_AUDIO)
        return contains(programStreamAudio, id);
    int answer = avformat_query_codec(container, id, FF_COMPLIANCE_NORMAL);
    if (answer >= 0)
        return answer > 0;
    bool singleCodec = std::any_of(std::begin(singleCodecMuxers), std::end(singleCodecMuxers),
                                   [container](const char* name) { return std::strcmp(container->name, name) == 0; });
    return !singleCodec;
}

EncoderChoice chooseEncoder(const std::string& requested, AVMediaType type, const AVOutputFormat* container,
                            const std::string& outputPath, TaskLog& log)
{
    AVCodecID defaultId = av_guess_codec(container, nullptr, nullptr, nullptr, type);
    if (requested.empty()) {
        if (defaultId == AV_CODEC_ID_NONE)
            throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": the container " + container->name +
                                 " holds no " + kindOf(type));
        return encoderFor(defaultId, type, container, outputPath);
    }

    std::string name = aliasOf(requested);
    EncoderChoice choice;
    if (const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str())) {
        if (codec->type != type)
            throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": '" + requested + "' is not a " +
                                 kindOf(type) + " encoder");
        choice = {codec, codec->id, codec->name};
    } else if (name == "libopencore_amrnb") {
        choice = {nullptr, AV_CODEC_ID_AMR_NB, name};
    } else {
        throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": unknown " + kindOf(type) + " encoder '" +
                             requested + "'");
    }
    if (name != requested)
        log.info("Encoder " + requested + " is not in this build; using " + choice.name);

    if (!containerHolds(container, choice.id)) {
        if (defaultId == AV_CODEC_ID_NONE || defaultId == choice.id)
            throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": the container " + container->name +
                                 " cannot hold " + avcodec_get_name(choice.id));
        EncoderChoice fallback = encoderFor(defaultId, type, container, outputPath);
        log.warning("The container " + std::string(container->name) + " cannot hold " +
                    avcodec_get_name(choice.id) + "; using its default " + kindOf(type) + " encoder " +
                    fallback.name + " instead");
        return fallback;
    }
    return choice;
}

const AVOutputFormat* chooseContainer(const std::string& fileFormat, const std::string& fileExt,
                                      const std::string& outputPath)
{
    if (!fileFormat.empty()) {
        const AVOutputFormat* format = av_guess_format(fileFormat.c_str(), nullptr, nullptr);
        if (!format)
            throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": unknown container '" + fileFormat + "'");
        return format;
    }
    std::string extension = !fileExt.empty() ? fileExt : std::filesystem::path(outputPath).extension().string();
    if (!extension.empty() && extension.front() != '.')
        extension.insert(extension.begin(), '.');
    const AVOutputFormat* format =
        extension.size() > 1 ? av_guess_format(nullptr, ("output" + extension).c_str(), nullptr) : nullptr;
    if (!format)
        throw TranscodeError("Cannot write " + quotedPath(outputPath) + ": no container for the extension '" +
                             extension + "'");
    return format;
}

}  // namespace engine::transcoding
