#pragma once
// The converter's own preview: a window of the worker process showing the
// frames being converted. Created on the first frame after it is switched
// on, closed when it is switched off. Used from one thread only.

#include <memory>
#include <string>

struct AVFrame;

namespace cli {

class PreviewWindow {
public:
    explicit PreviewWindow(std::string title);
    ~PreviewWindow();
    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    // Shows the frame, at most 25 times a second. Returns false when the
    // window cannot be shown (no display), with the reason in error().
    bool show(const AVFrame& frame);
    void close();
    // Lets a window the user closed, or one that failed, be opened again.
    void allowAgain()
    {
        closedByUser_ = false;
        failed_ = false;
    }
    bool isOpen() const { return sdl_ != nullptr; }
    // True when the user closed the window.
    bool closedByUser() const { return closedByUser_; }
    const std::string& error() const { return error_; }

private:
    struct Sdl;
    bool open(int width, int height);

    std::string title_;
    std::unique_ptr<Sdl> sdl_;
    bool closedByUser_ = false;
    bool failed_ = false;
    std::string error_;
};

}  // namespace cli
