#pragma once
// The snapshot settings of option.ini, section "SnapShot": the folder
// ("Dir") and the picture type ("Picture"). Read afresh on every use; a
// missing value (absent, empty or "Error") or an unknown type gets its
// default written back at once. A refused write throws
// settings::OptionWriteError.

#include "preview/PictureType.h"

#include <QString>

namespace platform {
class Platform;
}

namespace settings {
class OptionFile;
}

namespace preview {

// The snapshot folder, created with its parents when missing (a folder
// that cannot be created is still returned).
QString resolveSnapshotFolder(const settings::OptionFile& file, const platform::Platform& platform);

// The picture type to save snapshots as.
PictureType resolvePictureType(const settings::OptionFile& file);

void writeSnapshotFolder(const settings::OptionFile& file, const QString& folder);
void writePictureType(const settings::OptionFile& file, PictureType type);

}  // namespace preview
