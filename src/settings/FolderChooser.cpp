#include "settings/FolderChooser.h"

#include "platform/Platform.h"

namespace settings {

FolderChooser::FolderChooser(platform::Platform& platform) : platform_(platform) {}

QString FolderChooser::choose()
{
    const QString chosen = platform_.chooseFolder(QStringLiteral("选择输出目录"), folder_);
    if (!chosen.isEmpty())
        folder_ = chosen;
    return folder_;
}

}  // namespace settings
