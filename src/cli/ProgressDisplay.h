#pragma once
// The progress of a headless batch on standard error: on a terminal a live
// block with one bar per running file (percent, speed, converted time and
// size), redrawn in place; otherwise one plain line per progress report.

#include "engine/TaskRecords.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

class ProgressDisplay {
public:
    // `names`: the file shown for each task index. `results` gets the
    // output paths; when it is the same terminal, the live block is
    // cleared around them.
    ProgressDisplay(std::ostream& out, std::ostream& results, bool live, std::vector<std::string> names);

    void progress(const engine::TProgressInfo& info);
    // The task's last line, kept above the live block, and its output path
    // on `results` when it finished.
    void ended(int task, const std::string& outcome, const std::string& outputPath = {});
    // Any other line (a warning), kept above the live block.
    void message(const std::string& line);

    // "[#####.....]  45%  120 fps  00:00:12  1.5MB" (the bar only when live).
    static std::string statusText(const engine::TProgressInfo& info, bool withBar);

private:
    void clearBlock();
    void drawBlock();

    std::ostream& out_;
    std::ostream& results_;
    bool live_;
    std::vector<std::string> names_;
    std::map<int, engine::TProgressInfo> running_;  // by task index
    int drawnLines_ = 0;
};

}  // namespace cli
