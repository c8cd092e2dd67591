#pragma once
// The program's own folders under the user's home folder, and creating a
// folder on demand.

#include <QString>

namespace platform {
class Platform;
}

namespace settings {

// home + "/Quorvin视频软件/输出": where converted files go by default.
QString defaultOutputFolder(const platform::Platform& platform);
// home + "/Quorvin视频软件/快照": where snapshots go by default.
QString defaultSnapshotFolder(const platform::Platform& platform);

// Creates `folder` with every missing parent. A folder that cannot be
// created is passed over silently; the result says whether it exists now.
bool ensureFolder(const QString& folder);

// True when `path` names an existing directory.
bool isFolder(const QString& path);

}  // namespace settings
