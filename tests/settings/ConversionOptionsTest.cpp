#include "settings/ConversionOptions.h"

#include "support/IniText.h"
#include "support/QtPrinting.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using engine::TThreadPriority;
using settings::AfterDone;
using settings::ConversionOptions;
using settings::OptionFile;
using testsupport::readText;
using testsupport::TempDir;
using testsupport::writeText;

namespace {

const QString kAllRecognised = QStringLiteral(
    "[Options]\nThread_Count=4\nAfter_Done=2\nShow_Preview=1\nThread_Priority=0\nOverwrite_File=0\n");

class ConversionOptionsTest : public ::testing::Test {
protected:
    QString path() const { return QString::fromStdString(dir_.file("option.ini")); }
    OptionFile file() const { return OptionFile(path()); }
    std::optional<QString> stored(const char* key) const
    {
        return file().value(QStringLiteral("Options"), QString::fromUtf8(key));
    }

    TempDir dir_;
};

// One stored value of one key, everything else recognised.
struct KeyCase {
    const char* key;
    const char* stored;   // nullptr: the line is left out
    const char* fileAfter;  // the key's value after reading
    std::function<bool(const ConversionOptions&)> shown;
};

QString withValue(const char* key, const char* value)
{
    QStringList lines = kAllRecognised.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : lines) {
        if (line.startsWith(QString::fromUtf8(key) + QLatin1Char('=')))
            line = value ? QString::fromUtf8(key) + QLatin1Char('=') + QString::fromUtf8(value) : QString();
    }
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace

TEST_F(ConversionOptionsTest, WithoutAFileTheFiveDefaultsAreWrittenInOrder)
{
    const ConversionOptions options = settings::readConversionOptions(file());
    EXPECT_EQ(readText(path()), QStringLiteral("[Options]\nThread_Count=0\nAfter_Done=0\nShow_Preview=0\n"
                                               "Thread_Priority=3\nOverwrite_File=1\n"));
    EXPECT_EQ(options.threadCount, QStringLiteral("1"));
    EXPECT_EQ(options.afterDone, AfterDone::OpenFolder);
    EXPECT_FALSE(options.showPreview);
    EXPECT_EQ(options.priority, TThreadPriority::tpNormal);
    EXPECT_FALSE(options.overwrite);
}

TEST_F(ConversionOptionsTest, EachKeyIsReadAndRepairedByItsOwnRule)
{
    using O = ConversionOptions;
    const KeyCase cases[] = {
        {"Thread_Count", "4", "4", [](const O& o) { return o.threadCount == QLatin1String("4"); }},
        {"Thread_Count", "19", "19", [](const O& o) { return o.threadCount == QLatin1String("19"); }},
        {"Thread_Count", "0", "0", [](const O& o) { return o.threadCount == QLatin1String("1"); }},
        {"Thread_Count", "1", "1", [](const O& o) { return o.threadCount == QLatin1String("1"); }},
        {"Thread_Count", nullptr, "0", [](const O& o) { return o.threadCount == QLatin1String("1"); }},
        {"Thread_Count", "20", "0", [](const O& o) { return o.threadCount == QLatin1String("1"); }},
        {"Thread_Count", "04", "0", [](const O& o) { return o.threadCount == QLatin1String("1"); }},
        {"After_Done", "3", "3", [](const O& o) { return o.afterDone == AfterDone::Nothing; }},
        {"After_Done", "1", "1", [](const O& o) { return o.afterDone == AfterDone::PowerOff; }},
        {"After_Done", "7", "0", [](const O& o) { return o.afterDone == AfterDone::OpenFolder; }},
        {"After_Done", "", "0", [](const O& o) { return o.afterDone == AfterDone::OpenFolder; }},
        {"Thread_Priority", "1", "1", [](const O& o) { return o.priority == TThreadPriority::tpLowest; }},
        {"Thread_Priority", "2", "2", [](const O& o) { return o.priority == TThreadPriority::tpLower; }},
        {"Thread_Priority", "", "3", [](const O& o) { return o.priority == TThreadPriority::tpNormal; }},
        {"Thread_Priority", "Error", "3", [](const O& o) { return o.priority == TThreadPriority::tpNormal; }},
        {"Overwrite_File", "1", "1", [](const O& o) { return !o.overwrite; }},
        {"Overwrite_File", "yes", "1", [](const O& o) { return !o.overwrite; }},
        {"Show_Preview", "0", "0", [](const O& o) { return !o.showPreview; }},
        {"Show_Preview", "2", "0", [](const O& o) { return !o.showPreview; }},
        {"Show_Preview", nullptr, "0", [](const O& o) { return !o.showPreview; }},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + (c.stored ? c.stored : "(absent)"));
        writeText(path(), withValue(c.key, c.stored));
        const ConversionOptions options = settings::readConversionOptions(file());
        EXPECT_TRUE(c.shown(options));
        EXPECT_EQ(stored(c.key).value_or(QString()), QString::fromUtf8(c.fileAfter));
        // The other keys are recognised and stay as they were.
        writeText(path(), withValue(c.key, c.fileAfter));
        const QString repaired = readText(path());
        settings::readConversionOptions(file());
        EXPECT_EQ(readText(path()), repaired);
    }
}

TEST_F(ConversionOptionsTest, WritingStoresEveryChosenGroupAndSkipsTheOthers)
{
    settings::OptionChoices choices;
    choices.threadCount = QStringLiteral("6");
    choices.afterDone = AfterDone::PlaySound;
    choices.showPreview = true;
    choices.priority = TThreadPriority::tpIdle;
    choices.overwrite = true;
    settings::writeConversionOptions(file(), choices);
    EXPECT_EQ(readText(path()), QStringLiteral("[Options]\nThread_Count=6\nAfter_Done=2\nShow_Preview=1\n"
                                               "Thread_Priority=0\nOverwrite_File=0\n"));

    writeText(path(), kAllRecognised);
    settings::OptionChoices partial;  // no radio on in any group, not in multi-file mode
    settings::writeConversionOptions(file(), partial);
    EXPECT_EQ(readText(path()), withValue("Show_Preview", "0"));
}
