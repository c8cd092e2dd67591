#pragma once
// The conversion options of section [Options] in option.ini and their
// reading and writing rules, apart from the dialog that shows them.

#include "engine/TaskRecords.h"
#include "settings/OptionFile.h"

#include <QString>

#include <optional>

namespace settings {

// Stored as After_Done "0" to "3".
enum class AfterDone { OpenFolder = 0, PowerOff = 1, PlaySound = 2, Nothing = 3 };

// The count selector offers "1" to "19" files at once.
inline constexpr int kMaxFilesAtOnce = 19;

struct ConversionOptions {
    QString threadCount = QStringLiteral("1");  // text of the count selector's item
    AfterDone afterDone = AfterDone::OpenFolder;
    bool showPreview = false;
    engine::TThreadPriority priority = engine::TThreadPriority::tpNormal;
    bool overwrite = false;  // false: give the new output file a unique name
};

// Reads the five options. Without option.ini it writes the five defaults
// ("0", "0", "0", "3", "1") and returns the defaults. Otherwise each key is
// read on its own; a missing or unrecognised value is replaced in the file
// by its default at once. A stored count of "2" to "19" is kept; "0", "1",
// a missing value and anything else give the first item "1" (writing "0"
// for the missing and the unrecognised ones). Throws OptionWriteError.
ConversionOptions readConversionOptions(const OptionFile& file);

// What the dialog's controls hold when the options are stored. A group
// with no choice made writes nothing for its key; the count is written
// only in multi-file mode.
struct OptionChoices {
    std::optional<QString> threadCount;  // set in multi-file mode
    std::optional<AfterDone> afterDone;
    bool showPreview = false;
    std::optional<engine::TThreadPriority> priority;
    std::optional<bool> overwrite;
};

// Writes the options in the order Thread_Count, After_Done, Show_Preview,
// Thread_Priority, Overwrite_File. Throws OptionWriteError; the keys
// before the refused one stay written.
void writeConversionOptions(const OptionFile& file, const OptionChoices& choices);

}  // namespace settings
