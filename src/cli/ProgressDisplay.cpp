#include "ProgressDisplay.h"

#include "jobs/DisplayTexts.h"

namespace cli {

ProgressDisplay::ProgressDisplay(std::ostream& out, std::ostream& results, bool live, std::vector<std::string> names)
    : out_(out), results_(results), live_(live), names_(std::move(names))
{
}

std::string ProgressDisplay::statusText(const engine::TProgressInfo& info, bool withBar)
{
    std::string text;
    int64_t percent = info.TotalDuration > 0 ? info.CurrentDuration * 100 / info.TotalDuration : -1;
    if (withBar) {
        constexpr int width = 20;
        int filled = percent < 0 ? 0 : static_cast<int>(std::min<int64_t>(percent, 100) * width / 100);
        text += "[" + std::string(filled, '#') + std::string(width - filled, '.') + "] ";
    }
    std::string percentText = percent < 0 ? "N/A" : std::to_string(percent) + "%";
    text += std::string(percentText.size() < 4 ? 4 - percentText.size() : 0, ' ') + percentText;
    text += "  " + std::to_string(info.FPS) + " fps";
    text += "  " + jobs::secToDate(static_cast<int32_t>(info.CurrentDuration / 1'000'000));
    text += "  " + jobs::megabyteText(info.CurrentSize);
    return text;
}

void ProgressDisplay::clearBlock()
{
    for (; drawnLines_ > 0; --drawnLines_)
        out_ << "\x1b[1F\x1b[2K";
}

void ProgressDisplay::drawBlock()
{
    for (const auto& [task, info] : running_) {
        out_ << statusText(info, true) << "  " << names_.at(task) << "\n";
        ++drawnLines_;
    }
    out_.flush();
}

void ProgressDisplay::progress(const engine::TProgressInfo& info)
{
    if (info.TaskIndex < 0 || info.TaskIndex >= static_cast<int>(names_.size()))
        return;
    if (!live_) {
        out_ << names_[info.TaskIndex] << ": " << statusText(info, false) << "\n";
        out_.flush();
        return;
    }
    clearBlock();
    running_[info.TaskIndex] = info;
    drawBlock();
}

void ProgressDisplay::ended(int task, const std::string& outcome, const std::string& outputPath)
{
    running_.erase(task);
    if (live_)
        clearBlock();
    out_ << names_.at(task) << ": " << outcome << "\n";
    out_.flush();
    if (!outputPath.empty())
        results_ << outputPath << std::endl;
    if (live_)
        drawBlock();
}

void ProgressDisplay::message(const std::string& line)
{
    if (live_)
        clearBlock();
    out_ << line << "\n";
    if (live_)
        drawBlock();
    out_.flush();
}

}  // namespace cli
