// Snapshots of the previewed frame, their names, types and settings.

#include "PaneFixture.h"

#include "preview/PictureType.h"
#include "preview/VideoScreen.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtTest>

using preview::PictureType;
using previewtest::PaneFixture;

Q_DECLARE_METATYPE(PictureType)

class SnapshotTest : public QObject {
    Q_OBJECT

private:
    QString source_;

    QString snapshotFolder(const PaneFixture& f) const { return f.home() + "/snaps"; }
    void useFolder(PaneFixture& f) { f.optionFile().write("SnapShot", "Dir", snapshotFolder(f)); }
    QStringList pictures(const PaneFixture& f) const
    {
        return QDir(snapshotFolder(f)).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        source_ = PaneFixture::clip("snap-320x240.mp4", 1);
        QVERIFY(!source_.isEmpty());
    }

    void countsUpAndReusesAFreedNumber()
    {
        PaneFixture f;
        useFolder(f);
        QVERIFY(f.openPreview(source_));
        f.pane->bsSkinButton22Click();
        f.pane->bsSkinButton22Click();
        QCOMPARE(pictures(f), (QStringList{"snap-320x240_1.bmp", "snap-320x240_2.bmp"}));
        QVERIFY(QFile::remove(snapshotFolder(f) + "/snap-320x240_1.bmp"));
        f.pane->bsSkinButton22Click();
        QCOMPARE(pictures(f), (QStringList{"snap-320x240_1.bmp", "snap-320x240_2.bmp"}));
        QVERIFY(f.platform.calls.isEmpty());  // no message of any kind
    }

    void eachTypeIsReadableAtTheFramesOwnSize_data()
    {
        QTest::addColumn<PictureType>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("BMP") << PictureType::BMP << "snap-320x240_1.bmp" << QByteArray("bmp");
        QTest::newRow("JPG") << PictureType::JPG << "snap-320x240_1.jpg" << QByteArray("jpeg");
        QTest::newRow("GIF") << PictureType::GIF << "snap-320x240_1.gif" << QByteArray("gif");
        QTest::newRow("PNG") << PictureType::PNG << "snap-320x240_1.png" << QByteArray("png");
    }
    void eachTypeIsReadableAtTheFramesOwnSize()
    {
        QFETCH(PictureType, type);
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        PaneFixture f;
        useFolder(f);
        QVERIFY(f.openPreview(source_));
        f.pane->typeAction(type)->trigger();
        QCOMPARE(*f.optionFile().value("SnapShot", "Picture"), preview::pictureTypeKey(type));
        f.pane->bsSkinButton22Click();

        QCOMPARE(pictures(f), QStringList{file});
        QImageReader reader(snapshotFolder(f) + "/" + file);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        QImage picture = reader.read();
        QCOMPARE(picture.size(), QSize(320, 240));  // not the pane's 200 x 124
        if (type == PictureType::BMP) {
            QFile bmp(snapshotFolder(f) + "/" + file);
            QVERIFY(bmp.open(QIODevice::ReadOnly));
            QCOMPARE(bmp.read(30).at(28), char(24));  // 24-bit colour
        }
        // It is the frame itself: BMP and PNG exactly, JPEG and GIF on average
        // close by.
        engine::VideoImage frame = f.player.CurrentFrame();
        QCOMPARE(QSize(frame.width, frame.height), picture.size());
        const double allowed = (type == PictureType::BMP || type == PictureType::PNG) ? 0 : 12;
        double difference = 0;
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) {
                const uint8_t* expected = &frame.rgb[size_t(y * frame.width + x) * 3];
                QRgb actual = picture.pixel(x, y);
                difference += qAbs(qRed(actual) - expected[0]) + qAbs(qGreen(actual) - expected[1])
                              + qAbs(qBlue(actual) - expected[2]);
            }
        }
        difference /= 3.0 * frame.width * frame.height;
        QVERIFY2(difference <= allowed, qPrintable(QString::number(difference)));
    }

    void anUnknownTypeIsWrittenBackAsBmp()
    {
        PaneFixture f;
        useFolder(f);
        f.optionFile().write("SnapShot", "Picture", "jpg");
        f.pane->typeAction(PictureType::PNG)->setChecked(true);
        QVERIFY(f.openPreview(source_));
        f.pane->bsSkinButton22Click();
        QCOMPARE(*f.optionFile().value("SnapShot", "Picture"), QString("BMP"));
        QVERIFY(f.pane->typeAction(PictureType::BMP)->isChecked());
        QCOMPARE(pictures(f), QStringList{"snap-320x240_1.bmp"});
    }

    void withoutAFrameNothingIsSavedButTheKeysAreWritten()
    {
        PaneFixture f;
        f.pane->T_Movie_PLayer_FileName = source_;
        QVERIFY(!f.optionFile().exists());
        f.pane->bsSkinButton22Click();
        const QString folder = f.home() + "/Quorvin视频软件/快照";
        QCOMPARE(*f.optionFile().value("SnapShot", "Dir"), folder);
        QCOMPARE(*f.optionFile().value("SnapShot", "Picture"), QString("BMP"));
        QVERIFY(QDir(folder).exists());
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
        QVERIFY(f.platform.calls.isEmpty());
    }

    void aPictureThatCannotBeWrittenIsReportedWithItsFileName()
    {
        PaneFixture f;
        QFile blocker(f.home() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = f.home() + "/blocker/snaps";  // under a file: never a folder
        f.optionFile().write("SnapShot", "Dir", folder);
        QVERIFY(f.openPreview(source_));
        // Clicked, the handler runs under the error display.
        QMetaObject::invokeMethod(f.pane->findChild<QObject*>("bsSkinButton22"), "click");
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY2(f.platform.errors[0].contains(folder + "/snap-320x240_1.bmp"), qPrintable(f.platform.errors[0]));
        QVERIFY(!QFile::exists(folder + "/snap-320x240_1.bmp"));
    }

    void theMenuOpensAndChoosesTheFolder()
    {
        PaneFixture f;
        f.pane->MenuItem1Click();  // no option.ini yet: the default folder
        const QString defaultFolder = f.home() + "/Quorvin视频软件/快照";
        QCOMPARE(f.platform.openedFolders, QStringList{defaultFolder});

        const QString chosen = f.home() + "/chosen";
        QVERIFY(QDir().mkpath(chosen));
        f.platform.queueAnswer({chosen});
        f.pane->MenuItem2Click();
        QCOMPARE(*f.optionFile().value("SnapShot", "Dir"), chosen);

        // Cancelled: the folder last confirmed in the shared dialog, here by
        // the output-folder chooser.
        const QString output = f.home() + "/output";
        QVERIFY(QDir().mkpath(output));
        f.platform.queueAnswer({output});
        QCOMPARE(f.chooser.choose(), output);
        f.pane->MenuItem2Click();
        QCOMPARE(*f.optionFile().value("SnapShot", "Dir"), output);
        QCOMPARE(f.platform.dialogs.back().title, QString("选择输出目录"));

        f.pane->MenuItem1Click();
        QCOMPARE(f.platform.openedFolders.last(), output);
    }

    void theSettingsButtonBringsTheMarksInLineWithTheFile()
    {
        PaneFixture f;
        QVERIFY(f.pane->typeAction(PictureType::BMP)->isChecked());
        f.optionFile().write("SnapShot", "Picture", "GIF");
        QVERIFY(f.pane->typeAction(PictureType::BMP)->isChecked());  // only mirrors
        f.pane->bsSkinButton23Click();
        QVERIFY(f.pane->typeAction(PictureType::GIF)->isChecked());
        QVERIFY(!f.pane->typeAction(PictureType::BMP)->isChecked());
        f.pane->PNG1Click();
        QCOMPARE(*f.optionFile().value("SnapShot", "Picture"), QString("PNG"));
        QVERIFY(f.pane->typeAction(PictureType::PNG)->isChecked());
        QVERIFY(!f.pane->typeAction(PictureType::GIF)->isChecked());
    }
};

QTEST_MAIN(SnapshotTest)
#include "SnapshotTest.moc"
