#pragma once
// An observer that keeps what a transcode told it, and can ask it to stop.

#include "engine/transcode/Transcoder.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class RecordingObserver : public engine::TranscodeObserver {
public:
    void progress(const engine::TranscodeProgress& progress) override { reports.push_back(progress); }
    void log(int level, const std::string& message) override { lines.emplace_back(level, message); }
    bool stopRequested() override { return stopWhen && stopWhen(*this); }
    void videoFrame(const AVFrame*) override { ++previewFrames; }

    bool logged(const std::string& part) const
    {
        for (const auto& line : lines)
            if (line.second.find(part) != std::string::npos)
                return true;
        return false;
    }

    std::vector<engine::TranscodeProgress> reports;
    std::vector<std::pair<int, std::string>> lines;
    int previewFrames = 0;
    std::function<bool(const RecordingObserver&)> stopWhen;
};

}  // namespace testsupport
