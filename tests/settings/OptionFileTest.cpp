#include "settings/OptionFile.h"

#include "support/IniText.h"
#include "support/QtPrinting.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using settings::OptionFile;
using settings::OptionWriteError;
using testsupport::readText;
using testsupport::TempDir;
using testsupport::writeText;

namespace {

QString pathIn(const TempDir& dir, const char* name)
{
    return QString::fromStdString(dir.file(name));
}

struct ValueCase {
    const char* fileText;
    const char* key;
    std::optional<QString> expected;
};

}  // namespace

TEST(OptionFile, MissingValueRuleAndRawValues)
{
    const ValueCase cases[] = {
        {"[Options]\nAfter_Done=2\n", "After_Done", QStringLiteral("2")},
        {"[Options]\nAfter_Done=2\n", "Thread_Count", std::nullopt},        // absent key
        {"[Options]\nAfter_Done=\n", "After_Done", std::nullopt},           // empty counts as missing
        {"[Options]\nAfter_Done=Error\n", "After_Done", std::nullopt},      // the missing marker
        {"[Options]\nAfter_Done=error\n", "After_Done", QStringLiteral("error")},  // compared exactly
        {"[Other]\nAfter_Done=1\n", "After_Done", std::nullopt},            // other section
        {"[Options]\r\nAfter_Done=3\r\n", "After_Done", QStringLiteral("3")},
        {"[Options]\nPath=/媒体/输出 a;b#c=d \"q\"\n", "Path", QStringLiteral("/媒体/输出 a;b#c=d \"q\"")},
        {"\xEF\xBB\xBF[Options]\nAfter_Done=1\n", "After_Done", QStringLiteral("1")},  // UTF-8 signature
    };
    TempDir dir;
    const QString path = pathIn(dir, "option.ini");
    for (const ValueCase& c : cases) {
        writeText(path, QString::fromUtf8(c.fileText));
        EXPECT_EQ(OptionFile(path).value(QStringLiteral("Options"), QString::fromUtf8(c.key)), c.expected)
            << "file: " << c.fileText << " key: " << c.key;
    }
}

TEST(OptionFile, AFileThatDoesNotExistHasNoValues)
{
    TempDir dir;
    const OptionFile file(pathIn(dir, "option.ini"));
    EXPECT_FALSE(file.exists());
    EXPECT_EQ(file.value(QStringLiteral("OutPath"), QStringLiteral("OutPath")), std::nullopt);
}

TEST(OptionFile, WritesReachTheFileAtOnceAndKeepTheRest)
{
    TempDir dir;
    const QString path = pathIn(dir, "option.ini");
    const OptionFile file(path);
    file.write(QStringLiteral("OutPath"), QStringLiteral("OutPath"), QStringLiteral("/home/用户/输出"));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(readText(path), QStringLiteral("[OutPath]\nOutPath=/home/用户/输出\n"));

    file.write(QStringLiteral("Skin"), QStringLiteral("SetSkin"), QStringLiteral("0"));
    file.write(QStringLiteral("OutPath"), QStringLiteral("OutPath"), QStringLiteral("/srv/out"));
    EXPECT_EQ(testsupport::withoutBlankLines(readText(path)),
              QStringLiteral("[OutPath]\nOutPath=/srv/out\n[Skin]\nSetSkin=0"));

    // No cache: a change made by someone else is seen by the next read.
    writeText(path, QStringLiteral("[Skin]\nSetSkin=7\n"));
    EXPECT_EQ(file.value(QStringLiteral("Skin"), QStringLiteral("SetSkin")), QStringLiteral("7"));
}

TEST(OptionFile, ARefusedWriteNamesTheFile)
{
    TempDir dir;
    // A folder that is a regular file cannot hold option.ini, whoever runs the test.
    writeText(pathIn(dir, "not-a-folder"), QStringLiteral("x"));
    const QString path = pathIn(dir, "not-a-folder") + QStringLiteral("/option.ini");
    const OptionFile file(path);
    try {
        file.write(QStringLiteral("Skin"), QStringLiteral("SetSkin"), QStringLiteral("0"));
        FAIL() << "the write was not refused";
    } catch (const OptionWriteError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), QStringLiteral("Unable to write to ") + path);
    }
}

TEST(OptionFile, AValueWithALineBreakIsRefusedAndChangesNothing)
{
    TempDir dir;
    const QString path = pathIn(dir, "option.ini");
    writeText(path, QStringLiteral("[Skin]\nSetSkin=0\n"));
    const OptionFile file(path);
    EXPECT_THROW(file.write(QStringLiteral("OutPath"), QStringLiteral("OutPath"), QStringLiteral("/a\n[Skin]\nSetSkin=5")),
                 OptionWriteError);
    EXPECT_EQ(readText(path), QStringLiteral("[Skin]\nSetSkin=0\n"));
}

TEST(OptionFile, LivesBesideTheExecutable)
{
    testsupport::RecordingPlatform platform(QStringLiteral("/opt/quorvin"));
    EXPECT_EQ(settings::optionFileOf(platform).path(), QStringLiteral("/opt/quorvin/option.ini"));
}
