#include "preview/PictureType.h"

#include <array>

namespace preview {

namespace {

struct TypeText {
    PictureType type;
    const char* key;
    const char* extension;
};

constexpr std::array kTypes{
    TypeText{PictureType::BMP, "BMP", ".bmp"},
    TypeText{PictureType::JPG, "JPG", ".jpg"},
    TypeText{PictureType::GIF, "GIF", ".gif"},
    TypeText{PictureType::PNG, "PNG", ".png"},
};

const TypeText& textsOf(PictureType type) { return kTypes[static_cast<size_t>(type)]; }

}  // namespace

QString pictureTypeKey(PictureType type) { return QString::fromLatin1(textsOf(type).key); }

QString pictureExtension(PictureType type) { return QString::fromLatin1(textsOf(type).extension); }

std::optional<PictureType> pictureTypeFromKey(const QString& key)
{
    for (const TypeText& entry : kTypes) {
        if (key == QLatin1String(entry.key))
            return entry.type;
    }
    return std::nullopt;
}

}  // namespace preview
