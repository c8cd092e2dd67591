#include "settings/SkinSetting.h"

#include "support/IniText.h"
#include "support/QtPrinting.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using settings::OptionFile;
using testsupport::readText;
using testsupport::TempDir;
using testsupport::writeText;

TEST(SkinSetting, ReadsTheStoredIndexAndRepairsAMissingOne)
{
    struct Case {
        const char* fileText;  // nullptr: no file
        std::optional<int> index;
        const char* fileAfter;
    };
    const Case cases[] = {
        {nullptr, std::nullopt, "[Skin]\nSetSkin=0\n"},
        {"[Skin]\nSetSkin=0\n", 0, "[Skin]\nSetSkin=0\n"},
        {"[Skin]\nSetSkin=5\n", 5, "[Skin]\nSetSkin=5\n"},
        {"[Skin]\nSetSkin=\n", 0, "[Skin]\nSetSkin=0\n"},
        {"[Skin]\nSetSkin=Error\n", 0, "[Skin]\nSetSkin=0\n"},
        {"[OutPath]\nOutPath=/o\n", 0, "[OutPath]\nOutPath=/o\n[Skin]\nSetSkin=0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileText ? c.fileText : "(no file)");
        TempDir dir;
        const QString path = QString::fromStdString(dir.file("option.ini"));
        if (c.fileText)
            writeText(path, QString::fromUtf8(c.fileText));
        EXPECT_EQ(settings::readSkinIndex(OptionFile(path)), c.index);
        EXPECT_EQ(testsupport::withoutBlankLines(readText(path)),
                  testsupport::withoutBlankLines(QString::fromUtf8(c.fileAfter)));
    }
}

TEST(SkinSetting, ATextThatIsNoIntegerIsAnErrorNamingItAndNothingIsWritten)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("option.ini"));
    writeText(path, QStringLiteral("[Skin]\nSetSkin=黑色\n"));
    try {
        settings::readSkinIndex(OptionFile(path));
        FAIL() << "no conversion error";
    } catch (const settings::SkinIndexError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), QStringLiteral("'黑色' is not a valid integer value"));
    }
    EXPECT_EQ(readText(path), QStringLiteral("[Skin]\nSetSkin=黑色\n"));
}
