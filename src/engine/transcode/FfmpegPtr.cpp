#include "engine/transcode/FfmpegPtr.h"

#include <new>

namespace engine::transcoding {

FramePtr allocFrame()
{
    FramePtr frame(av_frame_alloc());
    if (!frame)
        throw std::bad_alloc();
    return frame;
}

PacketPtr allocPacket()
{
    PacketPtr packet(av_packet_alloc());
    if (!packet)
        throw std::bad_alloc();
    return packet;
}

}  // namespace engine::transcoding
