#include "engine/transcode/DiscTarget.h"

#include <cmath>
#include <stdexcept>

namespace engine::transcoding {

DiscStandard discStandard(TOptionTargetType target, bool pal)
{
    const AVRational rate = pal ? av_make_q(25, 1) : av_make_q(30000, 1001);
    const int gop = pal ? 15 : 18;
    switch (target) {
    case TOptionTargetType::ttVCD:
        return {"vcd", "mpeg1video", "mp2", 352, pal ? 288 : 240, rate, AV_PIX_FMT_NONE, gop,
                1150000, 1150000, 1150000, 40 * 1024 * 8, false,
                224000, 44100, 2, 2324, 2352 * 75 * 8, 0.44};
    case TOptionTargetType::ttSVCD:
        return {"svcd", "mpeg2video", "mp2", 480, pal ? 576 : 480, rate, AV_PIX_FMT_YUV420P, gop,
                2040000, 2516000, 0, 224 * 1024 * 8, true,
                224000, 44100, 0, 2324, 0, 0};
    case TOptionTargetType::ttDVD:
        return {"dvd", "mpeg2video", "ac3", 720, pal ? 576 : 480, rate, AV_PIX_FMT_YUV420P, gop,
                6000000, 9000000, 0, 224 * 1024 * 8, false,
                448000, 48000, 0, 2048, 10080000, 0};
    case TOptionTargetType::ttIgnore:
        break;
    }
    throw std::logic_error("no disc standard without a disc target");
}

bool discIsPal(TOptionNormType norm, TOptionNormType normDefault, AVRational sourceRate)
{
    if (norm == TOptionNormType::ntPAL)
        return true;
    if (norm == TOptionNormType::ntNTSC)
        return false;
    if (sourceRate.num > 0 && sourceRate.den > 0) {
        double fps = av_q2d(sourceRate);
        auto near = [fps](double rate) { return std::fabs(fps - rate) < 0.01; };
        if (near(25) || near(50))
            return true;
        if (near(30000.0 / 1001) || near(24000.0 / 1001) || near(60000.0 / 1001) || near(30) || near(24) || near(60))
            return false;
    }
    return normDefault != TOptionNormType::ntNTSC;
}

}  // namespace engine::transcoding
