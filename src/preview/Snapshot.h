#pragma once
// Saving the previewed frame as a picture file: the file name, and the
// picture written in one of the four types.

#include "engine/player/VideoImage.h"
#include "preview/PictureType.h"

#include <QString>

#include <stdexcept>

namespace preview {

// The source's file name without its folder and its last extension
// ("/v/a.b.c.mp4" gives "a.b.c").
QString snapshotBaseName(const QString& sourcePath);

// folder/base_n.ext with the smallest n >= 1 for which no such file exists.
QString snapshotPath(const QString& folder, const QString& sourcePath, PictureType type);

// A picture that could not be saved; what() names the file and the reason.
class SnapshotWriteError : public std::runtime_error {
public:
    explicit SnapshotWriteError(const QString& message);
};

// Saves `frame` (24-bit colour, its own size) to `path`: BMP as it is, JPG
// and PNG with Qt's writers at their default settings, GIF reduced to a
// palette made for the picture. Throws SnapshotWriteError; nothing is left
// under `path` then.
void saveSnapshot(const engine::VideoImage& frame, const QString& path, PictureType type);

}  // namespace preview
