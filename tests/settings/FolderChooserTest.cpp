#include "settings/FolderChooser.h"

#include "support/QtPrinting.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

TEST(FolderChooser, KeepsTheLastConfirmedFolderAcrossCancelsAndUsers)
{
    testsupport::RecordingPlatform platform;
    settings::FolderChooser chooser(platform);

    EXPECT_EQ(chooser.choose(), QString());  // cancelled before anything was confirmed

    platform.queueAnswer({QStringLiteral("/srv/a")});
    EXPECT_EQ(chooser.choose(), QStringLiteral("/srv/a"));

    EXPECT_EQ(chooser.choose(), QStringLiteral("/srv/a"));  // cancelled: the folder last confirmed

    platform.queueAnswer({QStringLiteral("/srv/快照")});  // another user of the same dialog
    EXPECT_EQ(chooser.choose(), QStringLiteral("/srv/快照"));

    ASSERT_EQ(platform.dialogs.size(), 4u);
    for (const auto& dialog : platform.dialogs) {
        EXPECT_EQ(dialog.kind, QStringLiteral("folder"));
        EXPECT_EQ(dialog.title, QStringLiteral("选择输出目录"));
    }
    EXPECT_EQ(platform.dialogs[0].filterOrStart, QString());  // the top level
    EXPECT_EQ(platform.dialogs[2].filterOrStart, QStringLiteral("/srv/a"));
    EXPECT_EQ(platform.dialogs[3].filterOrStart, QStringLiteral("/srv/a"));
}
