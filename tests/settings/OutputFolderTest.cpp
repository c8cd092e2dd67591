#include "settings/OutputFolder.h"

#include "settings/DefaultFolders.h"
#include "support/IniText.h"
#include "support/QtPrinting.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using settings::OptionFile;
using testsupport::readText;
using testsupport::RecordingPlatform;
using testsupport::TempDir;
using testsupport::writeText;

namespace {

class OutputFolderTest : public ::testing::Test {
protected:
    QString in(const char* name) const { return QString::fromStdString(dir_.file(name)); }
    OptionFile file() const { return settings::optionFileOf(platform_); }
    std::optional<QString> stored() const { return file().value(QStringLiteral("OutPath"), QStringLiteral("OutPath")); }
    QString defaultFolder() const { return settings::defaultOutputFolder(platform_); }

    TempDir dir_;
    RecordingPlatform platform_{dir_.path()};
};

bool isDir(const QString& path) { return QFileInfo(path).isDir(); }

}  // namespace

TEST_F(OutputFolderTest, TheDefaultFoldersLieUnderHome)
{
    EXPECT_EQ(defaultFolder(), in("Quorvin视频软件/输出"));
    EXPECT_EQ(settings::defaultSnapshotFolder(platform_), in("Quorvin视频软件/快照"));
}

TEST_F(OutputFolderTest, FirstStartCreatesAndStoresTheDefault)
{
    const settings::OutputFolderRead read = settings::readOutputFolder(file(), platform_);
    EXPECT_EQ(read.folder, defaultFolder());
    EXPECT_FALSE(read.error);
    EXPECT_TRUE(isDir(defaultFolder()));
    EXPECT_EQ(stored(), defaultFolder());
}

TEST_F(OutputFolderTest, AStoredFolderIsUsedAndCreatedWithItsParents)
{
    const QString wanted = in("a/b/输出");
    writeText(file().path(), QStringLiteral("[OutPath]\nOutPath=") + wanted + QLatin1Char('\n'));
    const settings::OutputFolderRead read = settings::readOutputFolder(file(), platform_);
    EXPECT_EQ(read.folder, wanted);
    EXPECT_TRUE(isDir(wanted));
    EXPECT_FALSE(isDir(defaultFolder()));
}

TEST_F(OutputFolderTest, AFolderThatCannotBeCreatedIsStillUsedAndNothingIsWritten)
{
    writeText(in("plain-file"), QStringLiteral("x"));
    const QString impossible = in("plain-file/输出");
    const QString text = QStringLiteral("[OutPath]\nOutPath=") + impossible + QLatin1Char('\n');
    writeText(file().path(), text);
    const settings::OutputFolderRead read = settings::readOutputFolder(file(), platform_);
    EXPECT_EQ(read.folder, impossible);
    EXPECT_FALSE(read.error);
    EXPECT_EQ(readText(file().path()), text);
    EXPECT_TRUE(platform_.calls.isEmpty());  // no message
}

TEST_F(OutputFolderTest, AMissingValueFallsBackToTheDefault)
{
    for (const char* text : {"[Skin]\nSetSkin=0\n", "[OutPath]\nOutPath=\n", "[OutPath]\nOutPath=Error\n"}) {
        SCOPED_TRACE(text);
        writeText(file().path(), QString::fromUtf8(text));
        EXPECT_EQ(settings::readOutputFolder(file(), platform_).folder, defaultFolder());
        EXPECT_EQ(stored(), defaultFolder());
    }
}

TEST_F(OutputFolderTest, ARefusedWriteStillGivesTheDefaultFolderAndTheError)
{
    writeText(in("plain-file"), QStringLiteral("x"));
    platform_.setExecutableFolder(in("plain-file"));
    const settings::OutputFolderRead read = settings::readOutputFolder(file(), platform_);
    EXPECT_EQ(read.folder, defaultFolder());
    EXPECT_EQ(read.error, QStringLiteral("Unable to write to ") + in("plain-file/option.ini"));
}

TEST_F(OutputFolderTest, OnlyAnExistingFolderIsWritten)
{
    settings::writeOutputFolder(file(), in("nowhere"));
    EXPECT_FALSE(file().exists());
    settings::writeOutputFolder(file(), in(""));  // the temporary folder itself exists
    EXPECT_EQ(stored(), in(""));
}
