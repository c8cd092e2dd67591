// The preview pane driving a real player.

#include "PaneFixture.h"

#include "preview/PositionSlider.h"
#include "preview/VideoScreen.h"

#include <QToolButton>
#include <QtTest>

using previewtest::PaneFixture;

class PreviewPaneTest : public QObject {
    Q_OBJECT

private:
    QString twoSeconds_;
    QString oneSecond_;
    QString hd_;

    static QToolButton* button(PaneFixture& f, const char* name)
    {
        return f.pane->findChild<QToolButton*>(name);
    }

private slots:
    void initTestCase()
    {
        twoSeconds_ = PaneFixture::clip("pane-2s-320x240.mp4", 2);
        oneSecond_ = PaneFixture::clip("pane-1s-320x240.mp4", 1);
        hd_ = PaneFixture::clip("pane-1s-1280x720.mp4", 1, 1280, 720);
        QVERIFY(!twoSeconds_.isEmpty() && !oneSecond_.isEmpty() && !hd_.isEmpty());
    }

    void hasItsControlsInPlace()
    {
        PaneFixture f;
        QCOMPARE(f.pane->screen()->objectName(), QString("Panel6"));
        QCOMPARE(f.pane->screen()->size(), QSize(200, 124));
        QCOMPARE(f.pane->slider()->width(), 202);
        const char* names[] = {"bsSkinButton13", "bsSkinButton14", "bsSkinButton15", "bsSkinButton16",
                               "bsSkinButton20", "bsSkinButton22", "bsSkinButton23"};
        const char* hints[] = {"播放", "暂停", "停止", "静音", "静音", "快照", "设置"};
        for (int i = 0; i < 7; ++i) {
            QToolButton* b = button(f, names[i]);
            QVERIFY2(b, names[i]);
            QCOMPARE(b->size(), QSize(30, 30));
            QCOMPARE(b->toolTip(), QString::fromUtf8(hints[i]));
            QVERIFY(!b->icon().pixmap(24, 24).isNull());
        }
        QCOMPARE(button(f, "bsSkinButton16")->pos(), button(f, "bsSkinButton20")->pos());
        QVERIFY(button(f, "bsSkinButton20")->isHidden());
        QCOMPARE(f.pane->bsSkinSlider1_down_UP, QString("UP"));

        // Before any frame: the button-text colour with the placeholder in the middle.
        QImage idle = f.pane->screen()->grab().toImage();
        QCOMPARE(idle.pixelColor(2, 2), QGuiApplication::palette().color(QPalette::ButtonText));
        QVERIFY(idle.pixelColor(100, 62) != idle.pixelColor(2, 2));
    }

    void openingShowsTheFirstFramePausedAndPreparesTheSlider()
    {
        PaneFixture f;
        f.pane->slider()->setMaximum(202);
        f.pane->slider()->setValue(77);
        QVERIFY(f.openPreview(hd_));

        QVERIFY(f.log.size() >= 2);
        QVERIFY2(f.log[0].contains("h264"), qPrintable(f.log[0]));  // the file's description
        QVERIFY2(f.log[1].startsWith("duration: 1.0") && f.log[1].endsWith(", frame size: 1280x720"),
                 qPrintable(f.log[1]));
        QVERIFY(qAbs(f.pane->FDuration - 1000000) < 100000);
        QCOMPARE(f.pane->FScreenControl.data(), static_cast<QWidget*>(f.pane->screen()));
        QCOMPARE(f.pane->slider()->maximum(), 202);
        QCOMPARE(f.pane->slider()->value(), 0);
        QCOMPARE(f.pane->slider()->singleStep(), 5);
        QVERIFY(f.player.Paused());
        // Scaled into the pane keeping 16:9.
        QCOMPARE(f.pane->screen()->shownFrame().size(), QSize(200, 113));
        QVERIFY(f.platform.calls.isEmpty());
    }

    void filesThatCannotBeOpenedOnlyGoToTheLog()
    {
        PaneFixture f;
        QVERIFY(f.openPreview(oneSecond_));
        QImage shown = f.pane->screen()->shownFrame();
        f.log.clear();
        const QString missing = f.home() + "/missing.mp4";
        f.pane->T_Movie_PLayer_FileName = missing;
        f.pane->Button31Click();
        f.pump();
        QCOMPARE(f.log.size(), 1);
        QVERIFY(f.log[0].contains(missing));
        QVERIFY(f.platform.calls.isEmpty());
        QCOMPARE(f.pane->screen()->shownFrame(), shown);  // the pane is not changed
    }

    void atTheEndItReturnsToTheStartAndWaits()
    {
        PaneFixture f;
        QVERIFY(f.openPreview(oneSecond_));
        button(f, "bsSkinButton13")->click();
        QCOMPARE(f.focusRequests, 1);
        QVERIFY(f.pumpUntil([&] { return f.pane->slider()->value() > 100; }));
        QVERIFY(f.pumpUntil([&] { return f.log.contains("End"); }));
        QVERIFY(f.pumpUntil([&] { return f.log.last() == "Pause"; }));
        QVERIFY(f.pumpUntil([&] { return f.pane->slider()->value() == 0; }));
        QVERIFY(f.player.Paused());
        QVERIFY(f.log.contains("Play"));
    }

    void draggingTheSliderSeeksAndPlaysOn()
    {
        PaneFixture f;
        QVERIFY(f.openPreview(twoSeconds_));
        auto* slider = f.pane->slider();
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(101, slider->height() / 2));
        QCOMPARE(f.pane->bsSkinSlider1_down_UP, QString("Down"));
        QVERIFY(f.player.Paused());
        int held = slider->value();
        QVERIFY2(held > 80 && held < 120, qPrintable(QString::number(held)));
        f.pane->FFPlayerPosition(1900000);  // the player does not move a held slider
        QCOMPARE(slider->value(), held);

        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(101, slider->height() / 2));
        QCOMPARE(f.pane->bsSkinSlider1_down_UP, QString("UP"));
        QVERIFY(!f.player.Paused());  // plays on, though it was paused before
        QVERIFY(f.pumpUntil([&] { return f.player.Stats().framesPresented > 5; }));
        // The position comes from about half way, never from the start again.
        QVERIFY(f.pumpUntil([&] { return slider->value() > held; }));
        QVERIFY(slider->value() >= held);
    }

    void positionEventsNeedADuration()
    {
        PaneFixture f;
        f.pane->slider()->setMaximum(202);
        f.pane->slider()->setValue(50);
        f.pane->FDuration = 0;
        f.pane->FFPlayerPosition(500000);
        QCOMPARE(f.pane->slider()->value(), 50);
        f.pane->FDuration = 2000000;
        f.pane->FFPlayerPosition(-1);
        QCOMPARE(f.pane->slider()->value(), 50);
        f.pane->FFPlayerPosition(1500000);
        QCOMPARE(f.pane->slider()->value(), 151);  // 202 x 1.5 s / 2 s, truncated
    }

    void muteLastsAcrossFiles()
    {
        PaneFixture f;
        button(f, "bsSkinButton16")->click();
        QVERIFY(f.player.Mute());
        QVERIFY(button(f, "bsSkinButton16")->isHidden());
        QVERIFY(!button(f, "bsSkinButton20")->isHidden());
        QVERIFY(f.openPreview(oneSecond_));
        QVERIFY(f.openPreview(twoSeconds_));
        QVERIFY(f.player.Mute());
        QVERIFY(!button(f, "bsSkinButton20")->isHidden());
        button(f, "bsSkinButton20")->click();
        QVERIFY(!f.player.Mute());
        QVERIFY(!button(f, "bsSkinButton16")->isHidden());
        QVERIFY(button(f, "bsSkinButton20")->isHidden());
    }

    void stopReturnsToTheStartOnlyWithARowSelected()
    {
        PaneFixture f;
        QVERIFY(f.openPreview(twoSeconds_));
        f.player.Resume();
        QVERIFY(f.pumpUntil([&] { return f.pane->slider()->value() > 20; }));

        f.rowSelected = false;
        button(f, "bsSkinButton15")->click();
        f.pump();
        QVERIFY(!f.log.contains("Stop"));
        QVERIFY(!f.player.Paused());

        f.rowSelected = true;
        int frames = f.pane->screen()->framesReceived();
        button(f, "bsSkinButton15")->click();
        QVERIFY(f.log.contains("Stop"));
        QVERIFY(f.player.IsOpen());
        QVERIFY(f.player.Paused());
        QCOMPARE(f.pane->slider()->value(), 0);
        QVERIFY(f.pumpUntil([&] { return f.pane->screen()->framesReceived() > frames; }));
    }

    void aClickLeavingNoRowSelectedStopsAndClearsThePane()
    {
        PaneFixture f;
        QVERIFY(f.openPreview(oneSecond_));
        QWidget jobList;
        f.pane->watchJobList(&jobList);
        QTest::mouseClick(&jobList, Qt::LeftButton);
        QVERIFY(f.player.IsOpen());
        f.rowSelected = false;
        QTest::mouseClick(&jobList, Qt::LeftButton);
        QVERIFY(!f.player.IsOpen());
        QCOMPARE(f.log.last(), QString("Stop"));
        QVERIFY(f.pane->screen()->shownFrame().isNull());
        QVERIFY(f.player.CurrentFrame().empty());
    }
};

QTEST_MAIN(PreviewPaneTest)
#include "PreviewPaneTest.moc"
