// The main window's converter and logger: the real-time preview box drives
// the converter, engine log entries reach the hidden log in their line
// form, and closing during a batch stops it without a further notification.

#include "app/MainWindow.h"
#include "engine/convert/Converter.h"
#include "engine/convert/Logger.h"
#include "settings/OptionsDialog.h"
#include "support/IniText.h"
#include "support/MediaFixture.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

class MainWindowEngineTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void thePreviewBoxDrivesTheConverterFromStartUpOn();
    void engineLogEntriesBecomeLogLines();
    void closingDuringABatchStopsItWithoutNotifying();

private:
    QString executableFolder() const { return dir_->file("bin").c_str(); }
    app::MainWindow& startWindow();

    std::unique_ptr<testsupport::TempDir> dir_;
    std::unique_ptr<testsupport::RecordingPlatform> platform_;
    std::unique_ptr<app::MainWindow> window_;
};

void MainWindowEngineTest::init()
{
    dir_ = std::make_unique<testsupport::TempDir>();
    QDir().mkpath(executableFolder());
    QDir().mkpath(dir_->file("home").c_str());
    platform_ = std::make_unique<testsupport::RecordingPlatform>();
    platform_->setExecutableFolder(executableFolder());
    platform_->setHomeFolder(dir_->file("home").c_str());
}

void MainWindowEngineTest::cleanup()
{
    window_.reset();
    platform_.reset();
    dir_.reset();
}

app::MainWindow& MainWindowEngineTest::startWindow()
{
    window_ = std::make_unique<app::MainWindow>(*platform_);
    return *window_;
}

void MainWindowEngineTest::thePreviewBoxDrivesTheConverterFromStartUpOn()
{
    testsupport::writeText(executableFolder() + QStringLiteral("/option.ini"),
                           QStringLiteral("[Options]\nShow_Preview=1\n"));

    app::MainWindow& window = startWindow();
    QVERIFY(window.converter().Preview());

    auto* box = window.optionsDialog().findChild<QCheckBox*>(QStringLiteral("bsSkinCheckRadioBox8"));
    QVERIFY(box);
    box->click();
    QVERIFY(!window.converter().Preview());
    box->click();
    QVERIFY(window.converter().Preview());
}

void MainWindowEngineTest::engineLogEntriesBecomeLogLines()
{
    app::MainWindow& window = startWindow();
    std::atomic<bool> logged = false;
    std::thread writer([&] {
        window.logger().log(2140, 4, "a warning");
        logged = true;
    });
    QTRY_VERIFY(logged);
    writer.join();
    auto* log = window.findChild<QPlainTextEdit*>(QStringLiteral("mmoLog"));
    QVERIFY(log);
    QVERIFY(log->toPlainText().contains(QStringLiteral("#2140.4: a warning")));
}

void MainWindowEngineTest::closingDuringABatchStopsItWithoutNotifying()
{
    std::string source = testsupport::makeClip(
        {.name = "window-close.avi", .seconds = 20, .width = 1280, .height = 720, .extraArgs = "-c:v mpeg4"});
    QVERIFY(!source.empty());
    app::MainWindow& window = startWindow();
    engine::Converter& converter = window.converter();
    QVERIFY2(converter.LoadAVLib(std::getenv("QVX_BIN_DIR")), converter.LastErrMsg().c_str());

    std::string output = dir_->file("out.mp4");
    engine::TOutputOptions options;
    options.VideoCodec = "mpeg4";
    int task = converter.AddTask(source, {});
    QVERIFY2(task == 0, converter.LastErrMsg().c_str());
    QVERIFY(converter.SetOutputFile(task, output, options));

    int notifications = 0;
    bool progressed = false;
    std::string endMessage;
    converter.OnTerminate = [&](const engine::TTerminateInfo& info) {
        ++notifications;
        endMessage += info.ExceptionMsg;
    };
    converter.OnProgress = [&](const engine::TProgressInfo&) { progressed = true; };
    QVERIFY2(converter.Start(1), converter.LastErrMsg().c_str());
    QTRY_VERIFY_WITH_TIMEOUT(progressed || notifications > 0, 60000);
    QVERIFY2(notifications == 0, endMessage.c_str());

    window.close();
    QVERIFY(!converter.Running());
    QCOMPARE(notifications, 0);
    QVERIFY(!std::filesystem::exists(output));
}

QTEST_MAIN(MainWindowEngineTest)
#include "MainWindowEngineTest.moc"
