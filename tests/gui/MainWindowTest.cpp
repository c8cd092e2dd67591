#include "app/AboutBox.h"
#include "app/JobListPanel.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "app/ProductInfo.h"
#include "app/ToolBar.h"
#include "jobs/JobListView.h"
#include "jobs/JobTable.h"
#include "settings/DefaultFolders.h"
#include "settings/OptionsDialog.h"
#include "support/IniText.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

using testsupport::readText;
using testsupport::writeText;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsAt807x541WithOnlyAddAndOptionsEnabled();
    void placesItsPanelsAndFrames();
    void firstStartWritesTheDefaultsAndCreatesTheOutputFolder();
    void aRefusedWriteIsShownAndStartUpGoesOn();
    void aSkinIndexThatNamesNoSkinLeavesThePlainLook();
    void aSkinValueThatIsNoIntegerIsShownAndStartUpGoesOn();
    void theEmptyListPictureFollowsTheRows();
    void browsingKeepsTheLastConfirmedFolder();
    void aRefusedWriteEndsTheCommandAndIsShown();
    void openShowsTheOutputFolder();
    void helpAndAboutOpenTheWebSite();
    void f1OpensTheWebSite();
    void closingRunsTheCloseHooksWithoutAsking();
    void theLogIsHiddenAndTakesLines();

private:
    QString executableFolder() const { return dir_->file("bin").c_str(); }
    QString optionFile() const { return executableFolder() + QStringLiteral("/option.ini"); }
    QString homeFolder() const { return dir_->file("home").c_str(); }
    app::MainWindow& startWindow();
    template <typename Widget>
    Widget* find(const char* name) const
    {
        auto* widget = window_->findChild<Widget*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget named %s", name);
        return widget;
    }

    std::unique_ptr<testsupport::TempDir> dir_;
    std::unique_ptr<testsupport::RecordingPlatform> platform_;
    std::unique_ptr<app::MainWindow> window_;
};

void MainWindowTest::init()
{
    qApp->setStyleSheet(QString());
    dir_ = std::make_unique<testsupport::TempDir>();
    QDir().mkpath(executableFolder());
    QDir().mkpath(homeFolder());
    platform_ = std::make_unique<testsupport::RecordingPlatform>();
    platform_->setExecutableFolder(executableFolder());
    platform_->setHomeFolder(homeFolder());
}

void MainWindowTest::cleanup()
{
    window_.reset();
    platform_.reset();
    dir_.reset();
}

app::MainWindow& MainWindowTest::startWindow()
{
    window_ = std::make_unique<app::MainWindow>(*platform_);
    return *window_;
}

void MainWindowTest::startsAt807x541WithOnlyAddAndOptionsEnabled()
{
    app::MainWindow& window = startWindow();
    window.show();
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), app::kApplicationTitle);
    QCOMPARE(window.size(), QSize(807, 541));
    QCOMPARE(window.minimumSize(), window.maximumSize());  // the user cannot resize it
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);

    for (const char* name : {"bsSkinMenuSpeedButton1", "bsSkinButton19"})
        QVERIFY2(find<QToolButton>(name)->isEnabled(), name);
    for (const char* name : {"bsSkinButton7", "bsSkinButton8", "bsSkinButton2", "bsSkinButton10", "bsSkinButton11",
                             "bsSkinButton12", "bsSkinButton21"})
        QVERIFY2(!find<QToolButton>(name)->isEnabled(), name);
    for (const char* name : {"Item111", "Item121", "N21", "N11111", "N2222", "N3331", "N4", "N31", "N32", "N24",
                             "N15", "N19", "N5"})
        QVERIFY2(window.mainMenu().item(name)->isEnabled(), name);
    for (const char* name : {"N13", "N14", "N26", "N7", "N8", "N10", "N11"})
        QVERIFY2(!window.mainMenu().item(name)->isEnabled(), name);

    // Pause and Resume share one place; Pause is the one shown.
    QToolButton* pause = find<QToolButton>("bsSkinButton11");
    QToolButton* resume = find<QToolButton>("bsSkinButton12");
    QVERIFY(pause->isVisible());
    QVERIFY(!resume->isVisible());
    QCOMPARE(pause->geometry(), resume->geometry());

    // The settings controls are enabled.
    QVERIFY(find<QComboBox>("bsSkinOfficeComboBox2")->isEnabled());
    QVERIFY(find<QComboBox>("bsSkinOfficeComboBox1")->isEnabled());
    QVERIFY(find<QPushButton>("bsSkinButton5")->isEnabled());

    QCOMPARE(window.mainMenu().item("N15")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(window.jobTable().optionSlots().usedCount(), 0);
    QCOMPARE(window.jobTable().optionSlots().firstFree(), 0);
    QVERIFY(platform_->calls.isEmpty());
}

void MainWindowTest::placesItsPanelsAndFrames()
{
    app::MainWindow& window = startWindow();
    QCOMPARE(find<QWidget>("bsSkinToolBar2")->geometry(), QRect(0, 22, 807, 59));
    QCOMPARE(find<QWidget>("bsSkinPanel1")->geometry(), QRect(8, 87, 558, 260));
    QCOMPARE(find<QWidget>("bsSkinPanel5")->geometry(), QRect(8, 86, 558, 262));
    QCOMPARE(find<QWidget>("bsSkinPanel2")->geometry(), QRect(11, 359, 558, 163));
    QCOMPARE(find<QGroupBox>("bsSkinPanel4")->geometry(), QRect(572, 87, 219, 206));
    QCOMPARE(find<QGroupBox>("bsSkinPanel4")->title(), QStringLiteral("预置选项"));
    QCOMPARE(find<QGroupBox>("bsSkinPanel3")->geometry(), QRect(572, 296, 219, 226));
    QCOMPARE(find<QGroupBox>("bsSkinPanel3")->title(), QStringLiteral("视频预览"));
    QVERIFY(find<QLineEdit>("Video_OutPut_Folder_Edit")->isReadOnly());

    const QStringList captions{QStringLiteral("添加"), QStringLiteral("删除"), QStringLiteral("清空"),
                               QStringLiteral("开始"), QStringLiteral("停止"), QStringLiteral("暂停"),
                               QStringLiteral("继续"), QStringLiteral("选项")};
    QStringList shown;
    for (const char* name : {"bsSkinMenuSpeedButton1", "bsSkinButton7", "bsSkinButton8", "bsSkinButton2",
                             "bsSkinButton10", "bsSkinButton11", "bsSkinButton12", "bsSkinButton19"}) {
        QToolButton* button = find<QToolButton>(name);
        shown << button->text();
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(!button->icon().isNull());
    }
    QCOMPARE(shown, captions);
    QCOMPARE(find<QToolButton>("bsSkinMenuSpeedButton1")->menu(), window.mainMenu().addPopup());
    QCOMPARE(find<QToolButton>("bsSkinButton4")->toolTip(), QStringLiteral("下移"));
    QCOMPARE(find<QToolButton>("bsSkinButton3")->toolTip(), QStringLiteral("上移"));
    QCOMPARE(find<QToolButton>("bsSkinButton21")->toolTip(), QStringLiteral("重命名"));

    app::AboutBox& about = window.aboutBox();
    QCOMPARE(about.windowTitle(), QStringLiteral("关于软件"));
    QCOMPARE(about.size(), QSize(406, 281));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(app::kApplicationTitle));
    QVERIFY(texts.contains(QStringLiteral("Ver:10.8.0.0")));
    QVERIFY(texts.contains(QStringLiteral("官方网站：")));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Image1"))->size(), QSize(117, 115));
}

void MainWindowTest::firstStartWritesTheDefaultsAndCreatesTheOutputFolder()
{
    app::MainWindow& window = startWindow();
    const QString folder = settings::defaultOutputFolder(*platform_);
    QCOMPARE(folder, homeFolder() + QStringLiteral("/Quorvin视频软件/输出"));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(window.outputFolder(), folder);
    QCOMPARE(find<QLineEdit>("Video_OutPut_Folder_Edit")->text(), folder);

    const QString text = readText(optionFile());
    for (const QString& line : {QStringLiteral("[OutPath]"), QStringLiteral("OutPath=") + folder,
                                QStringLiteral("[Skin]"), QStringLiteral("SetSkin=0"), QStringLiteral("[Options]"),
                                QStringLiteral("Thread_Count=0"), QStringLiteral("After_Done=0"),
                                QStringLiteral("Show_Preview=0"), QStringLiteral("Thread_Priority=3"),
                                QStringLiteral("Overwrite_File=1")})
        QVERIFY2(text.split(QLatin1Char('\n')).contains(line), qPrintable(line));
    // Written in start-up order: output folder, skin, then the Options dialog.
    QVERIFY(text.indexOf(QStringLiteral("[OutPath]")) < text.indexOf(QStringLiteral("[Skin]")));
    QVERIFY(text.indexOf(QStringLiteral("[Skin]")) < text.indexOf(QStringLiteral("[Options]")));
    QCOMPARE(window.mainSkin().index(), 0);
    QVERIFY(!qApp->styleSheet().isEmpty());
    QVERIFY(platform_->calls.isEmpty());
}

void MainWindowTest::aRefusedWriteIsShownAndStartUpGoesOn()
{
    // The executable folder is a regular file: option.ini cannot be written.
    QDir(executableFolder()).removeRecursively();
    writeText(executableFolder(), QStringLiteral("x"));
    app::MainWindow& window = startWindow();

    const QString refused = QStringLiteral("Unable to write to ") + optionFile();
    QVERIFY(!platform_->errors.isEmpty());
    for (const QString& error : platform_->errors)
        QCOMPARE(error, refused);
    // The output folder is still the default one, and created.
    QCOMPARE(window.outputFolder(), settings::defaultOutputFolder(*platform_));
    QVERIFY(QFileInfo(window.outputFolder()).isDir());
    // The later steps ran: the Options dialog holds its defaults.
    QCOMPARE(window.optionsDialog().threadPriority(), engine::TThreadPriority::tpNormal);
    QCOMPARE(window.optionsDialog().afterDone(), settings::AfterDone::OpenFolder);
}

void MainWindowTest::aSkinIndexThatNamesNoSkinLeavesThePlainLook()
{
    writeText(optionFile(), QStringLiteral("[OutPath]\nOutPath=%1\n[Skin]\nSetSkin=5\n").arg(homeFolder()));
    app::MainWindow& window = startWindow();
    QVERIFY(platform_->calls.isEmpty());
    QCOMPARE(window.mainSkin().index(), -1);
    QVERIFY(qApp->styleSheet().isEmpty());
    // The accent controls keep their accent look.
    QVERIFY(window.styleSheet().contains(QStringLiteral("#bsSkinButton7")));
    QVERIFY(window.optionsDialog().styleSheet().contains(QStringLiteral("#bsSkinCheckRadioBox1")));
    QVERIFY(readText(optionFile()).contains(QStringLiteral("SetSkin=5")));
}

void MainWindowTest::aSkinValueThatIsNoIntegerIsShownAndStartUpGoesOn()
{
    writeText(optionFile(), QStringLiteral("[OutPath]\nOutPath=%1\n[Skin]\nSetSkin=dark\n"
                                           "[Options]\nAfter_Done=3\n").arg(homeFolder()));
    app::MainWindow& window = startWindow();
    QCOMPARE(platform_->errors, QStringList{QStringLiteral("'dark' is not a valid integer value")});
    QCOMPARE(window.mainSkin().index(), -1);
    QCOMPARE(window.outputFolder(), homeFolder());
    QCOMPARE(window.optionsDialog().afterDone(), settings::AfterDone::Nothing);
    QVERIFY(readText(optionFile()).contains(QStringLiteral("SetSkin=dark")));
}

void MainWindowTest::theEmptyListPictureFollowsTheRows()
{
    app::MainWindow& window = startWindow();
    window.show();
    QWidget* picture = find<QWidget>("bsSkinPanel5");
    QVERIFY(picture->isVisible());
    QVERIFY(picture->geometry().contains(find<QWidget>("bsSkinPanel1")->geometry()));
    QVERIFY(!find<QLabel>("Image1")->pixmap().isNull());

    jobs::JobTable& table = window.jobTable();
    table.append(QStringLiteral("/a.avi"), {}, {}, {});
    QVERIFY(!picture->isVisible());
    table.remove(0);
    QVERIFY(picture->isVisible());
    table.append(QStringLiteral("/a.avi"), {}, {}, {});
    table.clear();
    QVERIFY(picture->isVisible());
}

void MainWindowTest::browsingKeepsTheLastConfirmedFolder()
{
    app::MainWindow& window = startWindow();
    const QString start = window.outputFolder();
    QLineEdit* box = find<QLineEdit>("Video_OutPut_Folder_Edit");

    window.bsSkinButton5Click();  // cancelled, nothing confirmed before
    QCOMPARE(window.outputFolder(), start);
    QCOMPARE(box->text(), start);

    const QString chosen = homeFolder();
    platform_->queueAnswer({chosen});
    window.bsSkinButton5Click();
    QCOMPARE(window.outputFolder(), chosen);
    QCOMPARE(box->text(), chosen);
    QVERIFY(readText(optionFile()).contains(QStringLiteral("OutPath=") + chosen + QLatin1Char('\n')));

    // A folder that does not exist changes nothing.
    platform_->queueAnswer({homeFolder() + QStringLiteral("/gone")});
    window.bsSkinButton5Click();
    QCOMPARE(window.outputFolder(), chosen);

    // Cancelling after a confirmation takes the folder last confirmed in the
    // shared dialog, here by the other user of it.
    writeText(optionFile(), QStringLiteral("[OutPath]\nOutPath=/elsewhere\n"));
    platform_->queueAnswer({executableFolder()});
    QCOMPARE(window.folderChooser().choose(), executableFolder());
    window.bsSkinButton5Click();
    QCOMPARE(window.outputFolder(), executableFolder());
    QVERIFY(readText(optionFile()).contains(QStringLiteral("OutPath=") + executableFolder() + QLatin1Char('\n')));
    QCOMPARE(platform_->dialogs.back().filterOrStart, executableFolder());
}

void MainWindowTest::aRefusedWriteEndsTheCommandAndIsShown()
{
    app::MainWindow& window = startWindow();
    window.show();
    // option.ini turns into a folder: it can no longer be written.
    QVERIFY(QFile::remove(optionFile()));
    QVERIFY(QDir().mkpath(optionFile()));
    platform_->queueAnswer({homeFolder()});
    find<QPushButton>("bsSkinButton5")->click();
    QCOMPARE(platform_->errors, QStringList{QStringLiteral("Unable to write to ") + optionFile()});
    // The folder was taken before the write.
    QCOMPARE(window.outputFolder(), homeFolder());
}

void MainWindowTest::openShowsTheOutputFolder()
{
    app::MainWindow& window = startWindow();
    window.bsSkinButton6Click();
    QCOMPARE(platform_->openedFolders, QStringList{window.outputFolder()});
}

void MainWindowTest::helpAndAboutOpenTheWebSite()
{
    app::MainWindow& window = startWindow();
    window.mainMenu().item("N15")->trigger();
    window.mainMenu().item("N19")->trigger();
    emit window.aboutBox().findChild<QLabel*>(QStringLiteral("bsSkinLinkLabel1"))->linkActivated(app::kWebSite);
    QCOMPARE(platform_->openedUrls, (QStringList{app::kWebSite, app::kWebSite, app::kWebSite}));
    QVERIFY(QUrl(app::kWebSite).host().endsWith(QStringLiteral(".example")));
}

void MainWindowTest::f1OpensTheWebSite()
{
    app::MainWindow& window = startWindow();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.jobTable().view(), Qt::Key_F1);
    QCOMPARE(platform_->openedUrls, QStringList{app::kWebSite});
}

void MainWindowTest::closingRunsTheCloseHooksWithoutAsking()
{
    app::MainWindow& window = startWindow();
    window.show();
    QSignalSpy closing(&window, &app::MainWindow::closing);
    window.mainMenu().item("N4")->trigger();
    QCOMPARE(closing.count(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(platform_->calls.isEmpty());
}

void MainWindowTest::theLogIsHiddenAndTakesLines()
{
    app::MainWindow& window = startWindow();
    window.show();
    auto* log = find<QPlainTextEdit>("mmoLog");
    QVERIFY(!log->isVisible());
    window.appendLog(QStringLiteral("first"));
    window.appendLog(QStringLiteral("第二行"));
    QCOMPARE(log->toPlainText(), QStringLiteral("first\n第二行"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
