// The main window's profile handlers: start-up, the nesting of category ->
// profiles -> preset lists, and Load profile writing the selected row.

#include <QDir>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "app/MainWindow.h"
#include "app/PresetComboBox.h"
#include "app/PresetsPanel.h"
#include "app/ProfileSelectors.h"
#include "app/SelectorComboBox.h"
#include "jobs/JobListView.h"
#include "jobs/JobTable.h"
#include "profiles/Profiles.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

using profiles::PresetList;

class MainWindowProfilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<testsupport::TempDir>();
        for (const char* folder : {"bin", "home", "out", "sources"}) QDir().mkpath(path(folder));
        platform_ = std::make_unique<testsupport::RecordingPlatform>();
        platform_->setExecutableFolder(path("bin"));
        platform_->setHomeFolder(path("home"));
        window_ = std::make_unique<app::MainWindow>(*platform_);
        window_->setOutputFolder(path("out"));
    }

    void cleanup() {
        window_.reset();
        platform_.reset();
        dir_.reset();
    }

    void startUpShowsTheAviProfilesAndTheListsOfProfile100() {
        app::ProfileSelectors& selectors = window_->profileSelectors();
        QCOMPARE(selectors.categorySelector()->objectName(), QStringLiteral("bsSkinOfficeComboBox2"));
        QCOMPARE(selectors.categorySelector()->count(), 11);
        QCOMPARE(selectors.profileSelector()->count(), 7);
        QCOMPARE(selectors.rowProfileNumber(), 100);
        QCOMPARE(window_->presetsPanel().presetString(), QStringLiteral("000310000904"));
        QCOMPARE(window_->profileFields().All_Trant_Number, 1600);
        QVERIFY(window_->presetsGroup()->findChild<app::PresetComboBox*>(QStringLiteral("bsSkinComboBox9")));
    }

    void aCategoryChangeRefillsProfilesBeforeThePresetListsChange() {
        struct Seen {
            PresetList list;
            int profiles;
            int code;
        };
        QList<Seen> seen;
        connect(&window_->presetsPanel(), &app::PresetsPanel::listChanged, this, [&](PresetList which) {
            seen.append({which, window_->profileSelectors().profileSelector()->count(),
                         window_->profileFields().All_Trant_Number});
        });

        window_->profileSelectors().setCategoryIndex(5);  // 经典音频

        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.first().list, PresetList::FrameSize);
        for (const Seen& s : seen) {
            QCOMPARE(s.profiles, 13);  // the audio profiles were listed first
            QCOMPARE(s.code, 200);     // and profile 0 applied before the lists changed
        }
        const app::PresetsPanel& presets = window_->presetsPanel();
        QVERIFY(!presets.list(PresetList::FrameRate)->isEnabled());
        QVERIFY(presets.list(PresetList::SampleRate)->isEnabled());
        QCOMPARE(presets.presetString(), QStringLiteral("000010000004"));

        // The same category again still refills and applies its profile 0.
        window_->profileSelectors().setProfileIndex(3);
        window_->profileSelectors().setCategoryIndex(5);
        QCOMPARE(window_->profileSelectors().profileIndex(), 0);
    }

    void loadProfileNamesTheOutputAndRewritesTheSelectedRowInColumnOrder() {
        jobs::JobTable& table = window_->jobTable();
        QStringList other(24, QStringLiteral("?"));  // every write below changes a text
        other[2] = QStringLiteral("clip.avi");        // an earlier job from the same source
        table.append(path("sources") + "/clip.mkv", other, {}, {});
        table.selectRow(0);

        QList<int> columns;
        connect(table.view()->model(), &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& from, const QModelIndex&) { columns << from.column(); });

        window_->profileFields().Video_AddFileName = (path("sources") + "/clip.mkv").toStdString();
        window_->Button5Click();

        QCOMPARE(QString::fromStdString(window_->profileFields().Video_OutPutFileName),
                 path("out") + "/clip_1.avi");
        QList<int> ascending;
        for (int subItem = 10; subItem <= 23; ++subItem) ascending << subItem + 1;
        QCOMPARE(columns, ascending);
        QCOMPARE(table.subItem(0, 10), QStringLiteral("mpeg4"));
        QCOMPARE(table.subItem(0, 16), QStringLiteral("816000"));
        QCOMPARE(table.subItem(0, 21), QStringLiteral("False"));
        QCOMPARE(table.subItem(0, 2), QStringLiteral("clip.avi"));  // not Load's column
    }

    void takePresetChoicesReadsTheShownTextsAndResetForgetsThem() {
        window_->Button5Click();  // profile 100
        window_->presetsPanel().list(PresetList::FrameSize)->chooseEntry(4);
        window_->presetsPanel().list(PresetList::VideoBitrate)->chooseEntry(2);
        window_->Button13Click();
        profiles::ProfileFields& fields = window_->profileFields();
        QCOMPARE(fields.Video_FrameSize, std::string("320*240"));
        QCOMPARE(fields.Video_VideoBitrate, 528000);
        QCOMPARE(fields.Video_FrameRate, std::string("25.00"));

        fields.Video_AddFileName = "/videos/a.avi";
        window_->Button6Click();
        QCOMPARE(fields.Video_FrameSize, std::string());
        QCOMPARE(fields.Video_VideoBitrate, -1);
        QCOMPARE(fields.Video_AddFileName, std::string("/videos/a.avi"));
        QCOMPARE(fields.All_Trant_Number, 1600);
    }

private:
    QString path(const char* name) const { return QString::fromStdString(dir_->file(name)); }

    std::unique_ptr<testsupport::TempDir> dir_;
    std::unique_ptr<testsupport::RecordingPlatform> platform_;
    std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(MainWindowProfilesTest)
#include "MainWindowProfilesTest.moc"
