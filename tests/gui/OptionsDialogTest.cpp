#include "settings/OptionsDialog.h"

#include "app/ErrorDisplay.h"
#include "support/IniText.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using settings::AfterDone;
using settings::OptionsDialog;

namespace {

using testsupport::readText;
using testsupport::writeText;

const QString kStored = QStringLiteral(
    "[Options]\nThread_Count=7\nAfter_Done=2\nShow_Preview=1\nThread_Priority=1\nOverwrite_File=0\n");

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void isBuiltAsTheFormDrawsIt();
    void showsTheStoredOptions();
    void repairsUnrecognisedValuesAtOnce();
    void radioGroupsAreExclusiveEachOnItsOwn();
    void cancelKeepsTheChoicesAndWritesNothing();
    void okWritesTheChoices();
    void aRefusedWriteOnOkIsShownAndLeavesTheDialogOpen();
    void thePreviewBoxDrivesThePreviewFlag();
    void multiFileModeIsOnAndHidden();

private:
    std::unique_ptr<OptionsDialog> makeDialog();
    template <typename Widget>
    Widget* find(const char* name) const
    {
        auto* widget = dialog_->findChild<Widget*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget named %s", name);
        return widget;
    }
    QString path() const { return QString::fromStdString(dir_->file("option.ini")); }

    std::unique_ptr<testsupport::TempDir> dir_;
    std::unique_ptr<testsupport::RecordingPlatform> platform_;
    std::unique_ptr<app::ErrorDisplay> errors_;
    std::unique_ptr<OptionsDialog> dialog_;
};

void OptionsDialogTest::init()
{
    dir_ = std::make_unique<testsupport::TempDir>();
    platform_ = std::make_unique<testsupport::RecordingPlatform>(dir_->path());
    errors_ = std::make_unique<app::ErrorDisplay>(*platform_);
}

void OptionsDialogTest::cleanup()
{
    dialog_.reset();
    errors_.reset();
    platform_.reset();
    dir_.reset();
}

std::unique_ptr<OptionsDialog> OptionsDialogTest::makeDialog()
{
    return std::make_unique<OptionsDialog>(
        settings::OptionFile(path()), [this](const std::function<void()>& handler) { errors_->run(handler); });
}

void OptionsDialogTest::isBuiltAsTheFormDrawsIt()
{
    dialog_ = makeDialog();
    QCOMPARE(dialog_->objectName(), QStringLiteral("Form5"));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("选项"));
    QCOMPARE(dialog_->size(), QSize(528, 471));
    QVERIFY(dialog_->isModal());
    QVERIFY(!dialog_->isVisible());

    QStringList groups;
    for (const QGroupBox* box : dialog_->findChildren<QGroupBox*>())
        groups << box->title();
    QCOMPARE(groups, (QStringList{QStringLiteral("转换工作完成后"), QStringLiteral("如果输出文件存在时"),
                                  QStringLiteral("转换参数"), QStringLiteral("转换时CPU利用方式")}));

    // The CPU group shows idle, lower, lowest, normal from top to bottom.
    const int idle = find<QRadioButton>("bsSkinCheckRadioBox9")->y();
    const int lower = find<QRadioButton>("bsSkinCheckRadioBox11")->y();
    const int lowest = find<QRadioButton>("bsSkinCheckRadioBox10")->y();
    const int normal = find<QRadioButton>("bsSkinCheckRadioBox12")->y();
    QVERIFY(idle < lower && lower < lowest && lowest < normal);
    QCOMPARE(find<QRadioButton>("bsSkinCheckRadioBox4")->text(), QStringLiteral(" 播放提示音乐"));

    auto* count = find<QComboBox>("bsSkinComboBox2");
    QCOMPARE(count->count(), 19);
    QCOMPARE(count->itemText(0), QStringLiteral("1"));
    QCOMPARE(count->itemText(18), QStringLiteral("19"));
    QVERIFY(!count->isEditable());
    QCOMPARE(find<QPushButton>("bsSkinButton6")->text(), QStringLiteral("确定"));
    QCOMPARE(find<QPushButton>("bsSkinButton1")->text(), QStringLiteral("取消"));
}

void OptionsDialogTest::showsTheStoredOptions()
{
    writeText(path(), kStored);
    dialog_ = makeDialog();
    QCOMPARE(find<QComboBox>("bsSkinComboBox2")->currentText(), QStringLiteral("7"));
    QCOMPARE(dialog_->filesAtOnce(), 7);
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox4")->isChecked());
    QCOMPARE(dialog_->afterDone(), AfterDone::PlaySound);
    QVERIFY(dialog_->realTimePreview());
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox10")->isChecked());
    QCOMPARE(dialog_->threadPriority(), engine::TThreadPriority::tpLowest);
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox3")->isChecked());
    QVERIFY(dialog_->overwriteExisting());
    QCOMPARE(readText(path()), kStored);
}

void OptionsDialogTest::repairsUnrecognisedValuesAtOnce()
{
    writeText(path(), QStringLiteral("[Options]\nThread_Count=abc\nAfter_Done=7\nShow_Preview=\n"
                                     "Thread_Priority=Error\nOverwrite_File=1\n"));
    dialog_ = makeDialog();
    QCOMPARE(find<QComboBox>("bsSkinComboBox2")->currentText(), QStringLiteral("1"));
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox1")->isChecked());
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox12")->isChecked());
    QVERIFY(!dialog_->realTimePreview());
    const QStringList lines = readText(path()).split(QLatin1Char('\n'));
    for (const char* line : {"Thread_Count=0", "After_Done=0", "Show_Preview=0", "Thread_Priority=3",
                             "Overwrite_File=1"})
        QVERIFY2(lines.contains(QLatin1String(line)), line);
}

void OptionsDialogTest::radioGroupsAreExclusiveEachOnItsOwn()
{
    dialog_ = makeDialog();
    find<QRadioButton>("bsSkinCheckRadioBox5")->click();
    QVERIFY(!find<QRadioButton>("bsSkinCheckRadioBox1")->isChecked());
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox6")->isChecked());  // another group keeps its choice
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox12")->isChecked());
    find<QRadioButton>("bsSkinCheckRadioBox9")->click();
    QVERIFY(!find<QRadioButton>("bsSkinCheckRadioBox12")->isChecked());
    QVERIFY(find<QRadioButton>("bsSkinCheckRadioBox5")->isChecked());
}

void OptionsDialogTest::cancelKeepsTheChoicesAndWritesNothing()
{
    writeText(path(), kStored);
    dialog_ = makeDialog();
    dialog_->open();
    find<QRadioButton>("bsSkinCheckRadioBox2")->click();
    find<QRadioButton>("bsSkinCheckRadioBox12")->click();
    find<QComboBox>("bsSkinComboBox2")->setCurrentIndex(2);
    find<QPushButton>("bsSkinButton1")->click();
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(readText(path()), kStored);
    QCOMPARE(dialog_->afterDone(), AfterDone::PowerOff);
    QCOMPARE(dialog_->threadPriority(), engine::TThreadPriority::tpNormal);
    QCOMPARE(dialog_->filesAtOnce(), 3);

    // The next start shows what the file holds.
    dialog_ = makeDialog();
    QCOMPARE(dialog_->afterDone(), AfterDone::PlaySound);
    QCOMPARE(dialog_->filesAtOnce(), 7);
}

void OptionsDialogTest::okWritesTheChoices()
{
    dialog_ = makeDialog();
    dialog_->open();
    find<QRadioButton>("bsSkinCheckRadioBox5")->click();
    find<QRadioButton>("bsSkinCheckRadioBox3")->click();
    find<QRadioButton>("bsSkinCheckRadioBox11")->click();
    find<QCheckBox>("bsSkinCheckRadioBox8")->click();
    find<QComboBox>("bsSkinComboBox2")->setCurrentIndex(18);
    find<QPushButton>("bsSkinButton6")->click();
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(readText(path()), QStringLiteral("[Options]\nThread_Count=19\nAfter_Done=3\nShow_Preview=1\n"
                                              "Thread_Priority=2\nOverwrite_File=0\n"));
}

void OptionsDialogTest::aRefusedWriteOnOkIsShownAndLeavesTheDialogOpen()
{
    dialog_ = makeDialog();
    // option.ini turns into a folder: it can be neither read nor written.
    QFile::remove(path());
    QVERIFY(QDir().mkpath(path()));
    dialog_->open();
    find<QPushButton>("bsSkinButton6")->click();
    QCOMPARE(platform_->errors, QStringList{QStringLiteral("Unable to write to ") + path()});
    QVERIFY(dialog_->isVisible());
    dialog_->reject();
}

void OptionsDialogTest::thePreviewBoxDrivesThePreviewFlag()
{
    writeText(path(), kStored);
    dialog_ = makeDialog();
    QSignalSpy changes(dialog_.get(), &OptionsDialog::previewChanged);
    dialog_->Button1Click();  // reading sets the flag as the file says
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.takeFirst().at(0).toBool(), true);
    find<QCheckBox>("bsSkinCheckRadioBox8")->click();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.takeFirst().at(0).toBool(), false);
}

void OptionsDialogTest::multiFileModeIsOnAndHidden()
{
    dialog_ = makeDialog();
    dialog_->show();
    auto* multiFile = find<QCheckBox>("bsSkinCheckRadioBox7");
    QVERIFY(multiFile->isChecked());
    QVERIFY(!multiFile->isVisible());
    QVERIFY(dialog_->multiFileMode());
    QVERIFY(find<QComboBox>("bsSkinComboBox2")->isEnabled());
    dialog_->hide();
}

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
