#include "PreviewWindow.h"

#include <SDL.h>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include <chrono>

namespace cli {

struct PreviewWindow::Sdl {
    struct WindowCloser {
        void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
    };
    struct RendererCloser {
        void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
    };
    struct TextureCloser {
        void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
    };
    struct ScalerCloser {
        void operator()(SwsContext* s) const { sws_freeContext(s); }
    };
    struct FrameCloser {
        void operator()(AVFrame* f) const { av_frame_free(&f); }
    };

    ~Sdl()
    {
        // Texture and renderer go before the window, then the video subsystem.
        texture.reset();
        renderer.reset();
        window.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    std::unique_ptr<SDL_Window, WindowCloser> window;
    std::unique_ptr<SDL_Renderer, RendererCloser> renderer;
    std::unique_ptr<SDL_Texture, TextureCloser> texture;
    std::unique_ptr<SwsContext, ScalerCloser> scaler;
    std::unique_ptr<AVFrame, FrameCloser> picture;  // the frame as YUV 4:2:0
    int width = 0;
    int height = 0;
    std::chrono::steady_clock::time_point lastShown;
};

PreviewWindow::PreviewWindow(std::string title) : title_(std::move(title)) {}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::close()
{
    sdl_.reset();
}

bool PreviewWindow::open(int width, int height)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error_ = std::string("Cannot show the preview: ") + SDL_GetError();
        return false;
    }
    auto sdl = std::make_unique<Sdl>();
    sdl->window.reset(SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                                       SDL_WINDOW_RESIZABLE));
    if (sdl->window)
        sdl->renderer.reset(SDL_CreateRenderer(sdl->window.get(), -1, 0));
    if (sdl->renderer)
        sdl->texture.reset(SDL_CreateTexture(sdl->renderer.get(), SDL_PIXELFORMAT_IYUV, SDL_TEXTUREACCESS_STREAMING,
                                             width, height));
    sdl->picture.reset(av_frame_alloc());
    if (!sdl->texture || !sdl->picture) {
        error_ = std::string("Cannot show the preview: ") + SDL_GetError();
        return false;
    }
    sdl->picture->format = AV_PIX_FMT_YUV420P;
    sdl->picture->width = width;
    sdl->picture->height = height;
    if (av_frame_get_buffer(sdl->picture.get(), 0) < 0) {
        error_ = "Cannot show the preview: out of memory";
        return false;
    }
    sdl->width = width;
    sdl->height = height;
    sdl_ = std::move(sdl);
    return true;
}

bool PreviewWindow::show(const AVFrame& frame)
{
    if (failed_ || closedByUser_ || frame.width <= 0 || frame.height <= 0)
        return !failed_;
    auto now = std::chrono::steady_clock::now();
    if (sdl_ && now - sdl_->lastShown < std::chrono::milliseconds(40))
        return true;
    if (sdl_ && (sdl_->width != frame.width || sdl_->height != frame.height))
        sdl_.reset();
    if (!sdl_ && !open(frame.width, frame.height)) {
        failed_ = true;
        return false;
    }
    sdl_->lastShown = now;

    sdl_->scaler.reset(sws_getCachedContext(sdl_->scaler.release(), frame.width, frame.height,
                                            static_cast<AVPixelFormat>(frame.format), frame.width, frame.height,
                                            AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!sdl_->scaler)
        return true;  // a pixel format the scaler cannot read: nothing to show
    AVFrame& picture = *sdl_->picture;
    if (av_frame_make_writable(&picture) < 0)
        return true;
    sws_scale(sdl_->scaler.get(), frame.data, frame.linesize, 0, frame.height, picture.data, picture.linesize);
    SDL_UpdateYUVTexture(sdl_->texture.get(), nullptr, picture.data[0], picture.linesize[0], picture.data[1],
                         picture.linesize[1], picture.data[2], picture.linesize[2]);
    SDL_RenderClear(sdl_->renderer.get());
    SDL_RenderCopy(sdl_->renderer.get(), sdl_->texture.get(), nullptr, nullptr);
    SDL_RenderPresent(sdl_->renderer.get());

    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT
            || (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
            closedByUser_ = true;
            sdl_.reset();
            break;
        }
    }
    return true;
}

}  // namespace cli
