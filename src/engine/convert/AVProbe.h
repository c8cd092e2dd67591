#pragma once
// The probe: opens a media file, reads its stream information and
// describes it. Used to check a source before it becomes a task, and kept
// by every task for its input file.

#include <cstdint>
#include <string>

namespace engine {

struct TFileStreamInfo {
    int64_t Duration = 0;  // microseconds; 0 when the file does not tell it
    int64_t StartTime = 0; // microseconds
    int64_t BitRate = 0;   // bit/s; 0 when unknown
    int VideoStreams = 0;
    int AudioStreams = 0;
};

class AVProbe {
public:
    // True when the file can be opened as media and holds at least one
    // audio or video stream; otherwise false with the reason in LastErrMsg().
    // `formatName` forces a demuxer; empty detects it.
    bool LoadFile(const std::string& fileName, const std::string& formatName = {});

    const TFileStreamInfo& FileStreamInfo() const { return info_; }
    int64_t FileSize() const { return fileSize_; }
    // A readable multi-line description: container, duration, bit rate and
    // every stream with its codec, size, frame rate, sample rate, channels.
    const std::string& FileInfoText() const { return infoText_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& LastErrMsg() const { return lastError_; }

private:
    void fail(const std::string& reason);

    std::string fileName_;
    TFileStreamInfo info_;
    int64_t fileSize_ = 0;
    std::string infoText_;
    std::string lastError_;
};

}  // namespace engine
