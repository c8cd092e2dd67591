#pragma once
// The application's error display: the one place where an error that
// escaped a command handler ends. The handler stops where the error
// happened; its message is shown through the platform's error box.

#include <functional>

namespace platform {
class Platform;
}

namespace app {

class ErrorDisplay {
public:
    explicit ErrorDisplay(platform::Platform& platform) : platform_(platform) {}

    // Runs `handler`; an exception escaping it is shown and goes no further.
    void run(const std::function<void()>& handler) const;

private:
    platform::Platform& platform_;
};

}  // namespace app
