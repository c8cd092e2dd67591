#include "engine/convert/WorkerProtocol.h"

#include <charconv>
#include <cstdio>
#include <sstream>
#include <type_traits>
#include <vector>

namespace engine::protocol {

namespace {

// Every field of the two option records, by name. `Record` may be const.
template <class Record, class Visit>
void visitInputFields(Record& r, Visit&& visit)
{
    visit("FileName", r.FileName);
    visit("FileFormat", r.FileFormat);
    visit("TimeStart", r.TimeStart);
    visit("ProgramID", r.ProgramID);
    visit("ExtOptions", r.ExtOptions);
    visit("Tag", r.Tag);
}

template <class Record, class Visit>
void visitOutputFields(Record& r, Visit&& visit)
{
    visit("FileName", r.FileName);
    visit("FileExt", r.FileExt);
    visit("FileFormat", r.FileFormat);
    visit("VideoCodec", r.VideoCodec);
    visit("VideoPreset", r.VideoPreset);
    visit("VideoTag", r.VideoTag);
    visit("VideoFilters", r.VideoFilters);
    visit("FrameSize", r.FrameSize);
    visit("FrameRate", r.FrameRate);
    visit("FrameAspectRatio", r.FrameAspectRatio);
    visit("VideoBitrate", r.VideoBitrate);
    visit("DisableVideo", r.DisableVideo);
    visit("AudioCodec", r.AudioCodec);
    visit("AudioChannels", r.AudioChannels);
    visit("AudioSampleRate", r.AudioSampleRate);
    visit("AudioBitrate", r.AudioBitrate);
    visit("AudioVolume", r.AudioVolume);
    visit("AudioLanguage", r.AudioLanguage);
    visit("TargetType", r.TargetType);
    visit("NormType", r.NormType);
    visit("NormDefault", r.NormDefault);
    visit("TimeStart", r.TimeStart);
    visit("TimeLength", r.TimeLength);
}

template <class T>
std::string encodeValue(const T& value)
{
    if constexpr (std::is_same_v<T, std::string>)
        return escape(value);
    else if constexpr (std::is_same_v<T, bool>)
        return value ? "1" : "0";
    else if constexpr (std::is_enum_v<T>)
        return std::to_string(static_cast<int>(value));
    else
        return std::to_string(value);
}

template <class Integer>
bool parseInteger(std::string_view text, Integer& value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

template <class T>
bool decodeValue(std::string_view text, T& value)
{
    if constexpr (std::is_same_v<T, std::string>) {
        value = unescape(text);
        return true;
    } else if constexpr (std::is_same_v<T, bool>) {
        if (text != "0" && text != "1")
            return false;
        value = text == "1";
        return true;
    } else if constexpr (std::is_enum_v<T>) {
        int number = 0;
        if (!parseInteger(text, number) || number < 0 || number > 3)
            return false;
        value = static_cast<T>(number);
        return true;
    } else {
        return parseInteger(text, value);
    }
}

std::vector<std::string_view> splitFields(std::string_view line, size_t count)
{
    // The first count-1 fields end at a blank; the last takes the rest.
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        size_t blank = line.find(' ');
        if (blank == std::string_view::npos)
            break;
        fields.push_back(line.substr(0, blank));
        line.remove_prefix(blank + 1);
    }
    fields.push_back(line);
    return fields;
}

bool parseDouble(std::string_view text, double& value)
{
    std::string copy(text);
    char* end = nullptr;
    value = std::strtod(copy.c_str(), &end);
    return !copy.empty() && end == copy.c_str() + copy.size();
}

}  // namespace

std::string escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::string taskBlock(const TaskRequest& request)
{
    std::string block;
    visitInputFields(request.input, [&](const char* name, const auto& value) {
        block += std::string("in.") + name + "=" + encodeValue(value) + "\n";
    });
    visitOutputFields(request.output, [&](const char* name, const auto& value) {
        block += std::string("out.") + name + "=" + encodeValue(value) + "\n";
    });
    block += "progressInterval=" + std::to_string(request.settings.progressIntervalMs) + "\n";
    block += "logLevel=" + std::to_string(request.settings.logLevel) + "\n";
    block += std::string("preview=") + (request.preview ? "1" : "0") + "\n";
    block += "start\n";
    return block;
}

bool TaskBlockReader::take(std::string_view line)
{
    if (line == "start") {
        complete_ = true;
        return true;
    }
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        error_ = "unexpected line in the task: " + std::string(line);
        return false;
    }
    std::string_view key = line.substr(0, equals);
    std::string_view value = line.substr(equals + 1);
    bool known = false;
    bool valid = true;
    auto match = [&](std::string_view prefix) {
        return [&, prefix](const char* name, auto& field) {
            if (!known && key.size() == prefix.size() + std::char_traits<char>::length(name)
                && key.substr(0, prefix.size()) == prefix && key.substr(prefix.size()) == name) {
                known = true;
                valid = decodeValue(value, field);
            }
        };
    };
    visitInputFields(request_.input, match("in."));
    visitOutputFields(request_.output, match("out."));
    if (key == "progressInterval") {
        known = true;
        valid = parseInteger(value, request_.settings.progressIntervalMs);
    } else if (key == "logLevel") {
        known = true;
        valid = parseInteger(value, request_.settings.logLevel) && request_.settings.logLevel >= 0
                && request_.settings.logLevel <= 7;
    } else if (key == "preview") {
        known = true;
        valid = decodeValue(value, request_.preview);
    }
    if (!known)
        error_ = "unknown task field: " + std::string(key);
    else if (!valid)
        error_ = "bad value for task field " + std::string(key) + ": " + std::string(value);
    return known && valid;
}

std::string commandLine(Command command)
{
    switch (command) {
    case Command::PreviewOn: return "preview 1\n";
    case Command::PreviewOff: return "preview 0\n";
    case Command::Stop: return "stop\n";
    }
    return {};
}

std::optional<Command> parseCommand(std::string_view line)
{
    if (line == "preview 1")
        return Command::PreviewOn;
    if (line == "preview 0")
        return Command::PreviewOff;
    if (line == "stop")
        return Command::Stop;
    return std::nullopt;
}

std::string progressLine(const TranscodeProgress& p)
{
    char line[256];
    std::snprintf(line, sizeof line, "progress %lld %.3f %.3f %.3f %lld %lld %lld\n",
                  static_cast<long long>(p.frameNumber), p.fps, static_cast<double>(p.quality),
                  static_cast<double>(p.bitRate), static_cast<long long>(p.currentSize),
                  static_cast<long long>(p.currentDuration), static_cast<long long>(p.totalDuration));
    return line;
}

std::string logLine(uint64_t threadId, int level, std::string_view message)
{
    return "log " + std::to_string(threadId) + " " + std::to_string(level) + " " + escape(message) + "\n";
}

std::string endLine(const TranscodeResult& result)
{
    const char* how = result.finished ? "finished" : result.failed ? "failed" : "stopped";
    return std::string("end ") + how + " " + escape(result.error) + "\n";
}

std::optional<WorkerMessage> parseWorkerMessage(std::string_view line)
{
    WorkerMessage message;
    if (line.starts_with("progress ")) {
        auto f = splitFields(line.substr(9), 7);
        double fps = 0, quality = 0, bitRate = 0;
        TranscodeProgress& p = message.progress;
        if (f.size() != 7 || !parseInteger(f[0], p.frameNumber) || !parseDouble(f[1], fps)
            || !parseDouble(f[2], quality) || !parseDouble(f[3], bitRate) || !parseInteger(f[4], p.currentSize)
            || !parseInteger(f[5], p.currentDuration) || !parseInteger(f[6], p.totalDuration))
            return std::nullopt;
        p.fps = fps;
        p.quality = static_cast<float>(quality);
        p.bitRate = static_cast<float>(bitRate);
        message.kind = WorkerMessage::Kind::Progress;
        return message;
    }
    if (line.starts_with("log ")) {
        auto f = splitFields(line.substr(4), 3);
        if (f.size() != 3 || !parseInteger(f[0], message.threadId) || !parseInteger(f[1], message.level)
            || message.level < 0 || message.level > 7)
            return std::nullopt;
        message.text = unescape(f[2]);
        message.kind = WorkerMessage::Kind::Log;
        return message;
    }
    if (line.starts_with("end ")) {
        auto f = splitFields(line.substr(4), 2);
        if (f.size() != 2)
            return std::nullopt;
        if (f[0] == "finished")
            message.result.finished = true;
        else if (f[0] == "failed")
            message.result.failed = true;
        else if (f[0] != "stopped")
            return std::nullopt;
        message.result.error = unescape(f[1]);
        message.text = message.result.error;
        message.kind = WorkerMessage::Kind::End;
        return message;
    }
    return std::nullopt;
}

std::optional<std::string> LineBuffer::nextLine()
{
    size_t end = pending_.find('\n');
    if (end == std::string::npos)
        return std::nullopt;
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
}

}  // namespace engine::protocol
