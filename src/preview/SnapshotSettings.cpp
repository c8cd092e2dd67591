#include "preview/SnapshotSettings.h"

#include "settings/DefaultFolders.h"
#include "settings/OptionFile.h"

namespace preview {

namespace {

const QString kSection = QStringLiteral("SnapShot");
const QString kDir = QStringLiteral("Dir");
const QString kPicture = QStringLiteral("Picture");

}  // namespace

QString resolveSnapshotFolder(const settings::OptionFile& file, const platform::Platform& platform)
{
    if (file.exists()) {
        if (std::optional<QString> folder = file.value(kSection, kDir)) {
            settings::ensureFolder(*folder);
            return *folder;
        }
    }
    QString folder = settings::defaultSnapshotFolder(platform);
    settings::ensureFolder(folder);
    writeSnapshotFolder(file, folder);
    return folder;
}

PictureType resolvePictureType(const settings::OptionFile& file)
{
    if (file.exists()) {
        if (std::optional<QString> key = file.value(kSection, kPicture)) {
            if (std::optional<PictureType> type = pictureTypeFromKey(*key))
                return *type;
        }
    }
    writePictureType(file, PictureType::BMP);
    return PictureType::BMP;
}

void writeSnapshotFolder(const settings::OptionFile& file, const QString& folder)
{
    file.write(kSection, kDir, folder);
}

void writePictureType(const settings::OptionFile& file, PictureType type)
{
    file.write(kSection, kPicture, pictureTypeKey(type));
}

}  // namespace preview
