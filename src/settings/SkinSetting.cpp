#include "settings/SkinSetting.h"

namespace settings {

namespace {
const QString kSection = QStringLiteral("Skin");
const QString kKey = QStringLiteral("SetSkin");
}  // namespace

SkinIndexError::SkinIndexError(const QString& value)
    : std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(value).toStdString())
{
}

std::optional<int> readSkinIndex(const OptionFile& file)
{
    if (!file.exists()) {
        file.write(kSection, kKey, QStringLiteral("0"));
        return std::nullopt;
    }
    const std::optional<QString> stored = file.value(kSection, kKey);
    if (!stored) {
        file.write(kSection, kKey, QStringLiteral("0"));
        return 0;
    }
    bool ok = false;
    const int index = stored->toInt(&ok, 10);
    if (!ok)
        throw SkinIndexError(*stored);
    return index;
}

}  // namespace settings
