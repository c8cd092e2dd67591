#pragma once
// The four picture types of snapshots, with their option.ini texts and
// file extensions.

#include <QString>

#include <optional>

namespace preview {

enum class PictureType { BMP, JPG, GIF, PNG };

// "BMP", "JPG", "GIF", "PNG".
QString pictureTypeKey(PictureType type);
// The type for an option.ini text, compared exactly; none for anything else.
std::optional<PictureType> pictureTypeFromKey(const QString& key);
// ".bmp", ".jpg", ".gif", ".png".
QString pictureExtension(PictureType type);

}  // namespace preview
