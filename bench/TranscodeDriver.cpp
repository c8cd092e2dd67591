// qvx-bench-transcode: converts files in this process with engine::transcode
// under a catalogue profile, N tasks at a time on threads; a stand-in for
// quorvinxvid-convert when only the engine is to be measured.
//
//   qvx-bench-transcode [--jobs N] ROW OUTPUT_FOLDER SOURCE...

#include "engine/transcode/Transcoder.h"
#include "profiles/Profiles.h"

#include <atomic>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

class QuietObserver : public engine::TranscodeObserver {
public:
    void progress(const engine::TranscodeProgress&) override {}
    void log(int level, const std::string& message) override
    {
        if (level <= 3)
            std::cerr << message << "\n";
    }
    bool stopRequested() override { return false; }
};

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    int jobs = 1;
    if (args.size() >= 2 && args[0] == "--jobs") {
        jobs = std::max(1, std::stoi(args[1]));
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 3) {
        std::cerr << "usage: qvx-bench-transcode [--jobs N] ROW OUTPUT_FOLDER SOURCE...\n";
        return 2;
    }
    const int row = std::stoi(args[0]);
    const auto id = profiles::profileOfRowNumber(row);
    if (!id) {
        std::cerr << "no profile " << row << "\n";
        return 2;
    }
    const profiles::ProfileFields fields = profiles::defaultsFor(row);
    const std::string extension = profiles::outputExtensionOf(profiles::captionOf(*id));
    const std::filesystem::path folder = args[1];
    const std::vector<std::string> sources(args.begin() + 2, args.end());

    std::atomic<size_t> next = 0;
    std::atomic<int> failures = 0;
    auto work = [&] {
        for (size_t i; (i = next++) < sources.size();) {
            engine::TInputOptions input;
            input.FileName = sources[i];
            engine::TOutputOptions output = profiles::outputOptionsOf(fields);
            if (!fields.Video_FileExt.empty())
                output.FileExt = fields.Video_FileExt;
            output.FileName = (folder / std::filesystem::path(sources[i]).stem()).string() + extension;
            QuietObserver observer;
            engine::TranscodeResult result = engine::transcode(input, output, observer);
            if (!result.finished) {
                std::cerr << result.error << "\n";
                ++failures;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < jobs; ++t)
        threads.emplace_back(work);
    for (auto& thread : threads)
        thread.join();
    return failures ? 1 : 0;
}
