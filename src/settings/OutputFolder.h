#pragma once
// The output-folder setting: key OutPath of section [OutPath] in
// option.ini, with the default folder as its fallback.

#include "settings/OptionFile.h"

#include <QString>

#include <optional>

namespace platform {
class Platform;
}

namespace settings {

struct OutputFolderRead {
    QString folder;                // the output folder to use; never empty
    std::optional<QString> error;  // a refused write that ended the reading
};

// Reads the stored output folder, creating it (with its parents) when it
// does not exist yet; the stored path is used even when it cannot be
// created. Without option.ini, or with the value missing, or after a
// refused write, the default folder is created, written back and used.
// Never throws: the folder comes back together with the error of the last
// refused write, for the caller to report after it took the folder in.
OutputFolderRead readOutputFolder(const OptionFile& file, const platform::Platform& platform);

// Stores `folder` as the output folder when it is an existing directory;
// otherwise writes nothing. Throws OptionWriteError.
void writeOutputFolder(const OptionFile& file, const QString& folder);

}  // namespace settings
