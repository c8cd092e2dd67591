#include "settings/OutputFolder.h"

#include "settings/DefaultFolders.h"

namespace settings {

namespace {

const QString kSection = QStringLiteral("OutPath");
const QString kKey = QStringLiteral("OutPath");

OutputFolderRead useDefault(const OptionFile& file, const platform::Platform& platform)
{
    OutputFolderRead result{defaultOutputFolder(platform), std::nullopt};
    ensureFolder(result.folder);
    try {
        file.write(kSection, kKey, result.folder);
    } catch (const OptionWriteError& error) {
        result.error = QString::fromUtf8(error.what());
    }
    return result;
}

}  // namespace

OutputFolderRead readOutputFolder(const OptionFile& file, const platform::Platform& platform)
{
    if (!file.exists())
        return useDefault(file, platform);
    const std::optional<QString> stored = file.value(kSection, kKey);
    if (!stored)
        return useDefault(file, platform);
    ensureFolder(*stored);
    return {*stored, std::nullopt};
}

void writeOutputFolder(const OptionFile& file, const QString& folder)
{
    if (isFolder(folder))
        file.write(kSection, kKey, folder);
}

}  // namespace settings
