#include "jobs/JobColumns.h"

namespace jobs {

const std::array<ColumnSpec, kColumnCount>& jobColumns()
{
    static const std::array<ColumnSpec, kColumnCount> columns{{
        {"输入文件", 80},
        {"视频时间", 70},
        {"文件大小", 70},
        {"输出文件", 80},
        {"转换进度", 70},
        {"", 0},
        {"当前时间", 80},
        {"转换大小", 80},
        {"视频序号", 0},
        {"视频类别", 0},
        {"视频选项", 0},
        {"视频编码", 0},
        {"音频编码", 0},
        {"声音频道", 0},
        {"VideoTag", 0},
        {"FileExt", 0},
        {"视频分辨率", 0},
        {"视频比特率", 0},
        {"视频帧率", 0},
        {"音频比特率", 0},
        {"音频采样率", 0},
        {"视频缩放", 0},
        {"视频能否", 0},
        {"TargetType", 0},
        {"NormType", 0},
    }};
    return columns;
}

}  // namespace jobs
