#pragma once
// The screen the player draws into. The preview pane implements it.
//
// present() is called on the player's output thread, once per shown frame,
// with the frame already scaled into the screen size the file-opened event
// settled on, keeping the picture's aspect ratio (so one side may be
// shorter than the screen's). It must copy what it needs and return
// quickly; it never calls back into the player.
//
// clear() is called on the owner's thread (by the owner, when the player
// reports Stop): drop the last frame and show the screen's own background.

#include "engine/player/VideoImage.h"

namespace engine {

class VideoSink {
public:
    virtual ~VideoSink() = default;
    virtual void present(VideoImage image) = 0;
    virtual void clear() = 0;
};

}  // namespace engine
