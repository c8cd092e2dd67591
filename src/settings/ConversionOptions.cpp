#include "settings/ConversionOptions.h"

namespace settings {

namespace {

const QString kSection = QStringLiteral("Options");
const QString kThreadCount = QStringLiteral("Thread_Count");
const QString kAfterDone = QStringLiteral("After_Done");
const QString kShowPreview = QStringLiteral("Show_Preview");
const QString kThreadPriority = QStringLiteral("Thread_Priority");
const QString kOverwriteFile = QStringLiteral("Overwrite_File");

// A stored digit "0" .. `last`, compared exactly; nullopt otherwise.
std::optional<int> digitUpTo(const std::optional<QString>& text, int last)
{
    if (!text || text->size() != 1)
        return std::nullopt;
    const int digit = text->at(0).unicode() - '0';
    if (digit < 0 || digit > last)
        return std::nullopt;
    return digit;
}

QString number(int value) { return QString::number(value); }

// The value of `key` when `accept` recognises it; otherwise writes
// `fallback` back into the file and returns it.
template <typename T, typename Accept>
T readOrRepair(const OptionFile& file, const QString& key, T fallback, const QString& fallbackText, Accept accept)
{
    if (std::optional<T> recognised = accept(file.value(kSection, key)))
        return *recognised;
    file.write(kSection, key, fallbackText);
    return fallback;
}

}  // namespace

ConversionOptions readConversionOptions(const OptionFile& file)
{
    ConversionOptions options;
    if (!file.exists()) {
        file.write(kSection, kThreadCount, QStringLiteral("0"));
        file.write(kSection, kAfterDone, QStringLiteral("0"));
        file.write(kSection, kShowPreview, QStringLiteral("0"));
        file.write(kSection, kThreadPriority, QStringLiteral("3"));
        file.write(kSection, kOverwriteFile, QStringLiteral("1"));
        return options;
    }

    options.threadCount = readOrRepair<QString>(
        file, kThreadCount, QStringLiteral("1"), QStringLiteral("0"),
        [](const std::optional<QString>& text) -> std::optional<QString> {
            if (!text)
                return std::nullopt;
            if (*text == QLatin1String("0") || *text == QLatin1String("1"))
                return QStringLiteral("1");
            for (int count = 2; count <= kMaxFilesAtOnce; ++count) {
                if (*text == number(count))
                    return *text;
            }
            return std::nullopt;
        });
    options.afterDone = readOrRepair<AfterDone>(
        file, kAfterDone, AfterDone::OpenFolder, QStringLiteral("0"),
        [](const std::optional<QString>& text) -> std::optional<AfterDone> {
            if (const auto digit = digitUpTo(text, 3))
                return static_cast<AfterDone>(*digit);
            return std::nullopt;
        });
    options.priority = readOrRepair<engine::TThreadPriority>(
        file, kThreadPriority, engine::TThreadPriority::tpNormal, QStringLiteral("3"),
        [](const std::optional<QString>& text) -> std::optional<engine::TThreadPriority> {
            if (const auto digit = digitUpTo(text, 3))
                return static_cast<engine::TThreadPriority>(*digit);
            return std::nullopt;
        });
    options.overwrite = readOrRepair<bool>(
        file, kOverwriteFile, false, QStringLiteral("1"),
        [](const std::optional<QString>& text) -> std::optional<bool> {
            if (const auto digit = digitUpTo(text, 1))
                return *digit == 0;
            return std::nullopt;
        });
    options.showPreview = readOrRepair<bool>(
        file, kShowPreview, false, QStringLiteral("0"),
        [](const std::optional<QString>& text) -> std::optional<bool> {
            if (const auto digit = digitUpTo(text, 1))
                return *digit == 1;
            return std::nullopt;
        });
    return options;
}

void writeConversionOptions(const OptionFile& file, const OptionChoices& choices)
{
    if (choices.threadCount)
        file.write(kSection, kThreadCount, *choices.threadCount);
    if (choices.afterDone)
        file.write(kSection, kAfterDone, number(static_cast<int>(*choices.afterDone)));
    file.write(kSection, kShowPreview, choices.showPreview ? QStringLiteral("1") : QStringLiteral("0"));
    if (choices.priority)
        file.write(kSection, kThreadPriority, number(static_cast<int>(*choices.priority)));
    if (choices.overwrite)
        file.write(kSection, kOverwriteFile, *choices.overwrite ? QStringLiteral("0") : QStringLiteral("1"));
}

}  // namespace settings
