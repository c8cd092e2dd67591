#include "settings/DefaultFolders.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace settings {

QString defaultOutputFolder(const platform::Platform& platform)
{
    return platform.homeFolder() + QStringLiteral("/Quorvin视频软件/输出");
}

QString defaultSnapshotFolder(const platform::Platform& platform)
{
    return platform.homeFolder() + QStringLiteral("/Quorvin视频软件/快照");
}

bool ensureFolder(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    if (isFolder(folder))
        return true;
    return QDir().mkpath(folder);
}

bool isFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace settings
