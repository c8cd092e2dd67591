// The preview pane in the main window, its player on the Qt dispatcher.

#include "app/MainWindow.h"
#include "engine/player/Player.h"
#include "preview/PreviewPane.h"
#include "preview/VideoScreen.h"
#include "support/MediaFixture.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QtTest>

class PreviewWiringTest : public QObject {
    Q_OBJECT

private slots:
    void thePaneSitsInThePreviewGroupAndLogsToTheHiddenLog()
    {
        testsupport::ClipSpec spec;
        spec.name = "wiring-1s.mp4";
        spec.seconds = 1;
        const QString clip = QString::fromStdString(testsupport::makeClip(spec));
        QVERIFY(!clip.isEmpty());

        testsupport::TempDir dir;
        testsupport::RecordingPlatform platform(dir.path());
        app::MainWindow window(platform);
        auto* group = window.findChild<QGroupBox*>("bsSkinPanel3");
        QVERIFY(group);
        auto* screen = group->findChild<preview::VideoScreen*>("Panel6");
        QVERIFY(screen);
        auto* log = window.findChild<QPlainTextEdit*>("mmoLog");
        QVERIFY(log);

        preview::PreviewPane& pane = window.previewPane();
        pane.T_Movie_PLayer_FileName = clip;
        pane.Button31Click();
        QVERIFY(log->toPlainText().contains("frame size: 320x240"));
        QTRY_VERIFY(screen->framesReceived() > 0);  // events and frames through the Qt loop

        pane.bsSkinButton13Click();
        QTRY_VERIFY_WITH_TIMEOUT(log->toPlainText().contains("End"), 30000);
        QTRY_VERIFY(window.player().Paused());

        // Closing detaches the player: its events reach the pane no more.
        window.close();
        QVERIFY(!window.player().IsOpen());
        QVERIFY(platform.errors.isEmpty());
    }
};

QTEST_MAIN(PreviewWiringTest)
#include "PreviewWiringTest.moc"
