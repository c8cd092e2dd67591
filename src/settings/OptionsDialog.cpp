#include "settings/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace settings {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

QGroupBox* group(QWidget* parent, const QString& caption, const QRect& place)
{
    auto* box = new QGroupBox(caption, parent);
    box->setGeometry(place);
    return box;
}

QRadioButton* radio(QGroupBox* box, const char* name, const QString& caption, int top)
{
    auto* button = named(new QRadioButton(caption, box), name);
    button->setGeometry(24, top, 300, 22);
    return button;
}

}  // namespace

OptionsDialog::OptionsDialog(OptionFile file, HandlerRunner runHandler, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      file_(std::move(file)), runHandler_(std::move(runHandler))
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("选项"));
    setModal(true);
    setFixedSize(528, 471);
    buildControls();
    FormCreate();
}

void OptionsDialog::buildControls()
{
    QGroupBox* after = group(this, QStringLiteral("转换工作完成后"), {16, 10, 496, 124});
    openFolderRadio_ = radio(after, "bsSkinCheckRadioBox1", QStringLiteral("自动打开输出文件夹"), 24);
    powerOffRadio_ = radio(after, "bsSkinCheckRadioBox2", QStringLiteral("自动关闭计算机"), 48);
    playSoundRadio_ = radio(after, "bsSkinCheckRadioBox4", QStringLiteral(" 播放提示音乐"), 72);
    nothingRadio_ = radio(after, "bsSkinCheckRadioBox5", QStringLiteral("不进行任何操作"), 96);

    QGroupBox* existing = group(this, QStringLiteral("如果输出文件存在时"), {16, 140, 496, 76});
    overwriteRadio_ = radio(existing, "bsSkinCheckRadioBox3", QStringLiteral("直接覆盖输出文件"), 24);
    renameRadio_ = radio(existing, "bsSkinCheckRadioBox6", QStringLiteral("自动重命名输出文件"), 48);

    QGroupBox* parameters = group(this, QStringLiteral("转换参数"), {16, 222, 496, 80});
    auto* countLabel = new QLabel(QStringLiteral("同时进行转换的文件个数"), parameters);
    countLabel->setGeometry(24, 24, 170, 22);
    countSelector_ = named(new QComboBox(parameters), "bsSkinComboBox2");
    countSelector_->setGeometry(200, 24, 70, 22);
    countSelector_->setEditable(false);
    for (int count = 1; count <= kMaxFilesAtOnce; ++count)
        countSelector_->addItem(QString::number(count));
    previewBox_ = named(new QCheckBox(QStringLiteral("转换时进行实时视频预览"), parameters), "bsSkinCheckRadioBox8");
    previewBox_->setGeometry(24, 50, 300, 22);
    multiFileBox_ = named(new QCheckBox(QStringLiteral("启用多线程模式   （同时进行转换的视频个数）"), parameters),
                          "bsSkinCheckRadioBox7");
    multiFileBox_->setChecked(true);
    multiFileBox_->setVisible(false);

    // On screen: idle, lower, lowest, normal.
    QGroupBox* cpu = group(this, QStringLiteral("转换时CPU利用方式"), {16, 308, 496, 120});
    idleRadio_ = radio(cpu, "bsSkinCheckRadioBox9", QStringLiteral("系统空闲时进行"), 22);
    lowerRadio_ = radio(cpu, "bsSkinCheckRadioBox11", QStringLiteral("较低优先级进行"), 46);
    lowestRadio_ = radio(cpu, "bsSkinCheckRadioBox10", QStringLiteral("最低优先级进行"), 70);
    normalRadio_ = radio(cpu, "bsSkinCheckRadioBox12", QStringLiteral("正常优先级进行"), 94);

    auto* ok = named(new QPushButton(QStringLiteral("确定"), this), "bsSkinButton6");
    ok->setGeometry(336, 436, 80, 28);
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("取消"), this), "bsSkinButton1");
    cancel->setGeometry(428, 436, 80, 28);

    openFolderRadio_->setChecked(true);
    renameRadio_->setChecked(true);
    normalRadio_->setChecked(true);

    connect(ok, &QPushButton::clicked, this, [this] { runHandler_([this] { bsSkinButton6Click(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { runHandler_([this] { bsSkinButton1Click(); }); });
    connect(previewBox_, &QCheckBox::clicked, this, [this] { runHandler_([this] { bsSkinCheckRadioBox8Click(); }); });
    connect(multiFileBox_, &QCheckBox::clicked, this, [this] { runHandler_([this] { bsSkinCheckRadioBox7Click(); }); });
    connect(countSelector_, &QComboBox::activated, this, [this] { runHandler_([this] { bsSkinComboBox2Change(); }); });
}

void OptionsDialog::FormCreate()
{
    runHandler_([this] { Button1Click(); });
}

void OptionsDialog::Button1Click()
{
    showOptions(readConversionOptions(file_));
}

void OptionsDialog::showOptions(const ConversionOptions& options)
{
    const int countIndex = countSelector_->findText(options.threadCount);
    countSelector_->setCurrentIndex(countIndex < 0 ? 0 : countIndex);
    QRadioButton* const afterDoneRadios[] = {openFolderRadio_, powerOffRadio_, playSoundRadio_, nothingRadio_};
    afterDoneRadios[static_cast<int>(options.afterDone)]->setChecked(true);
    QRadioButton* const priorityRadios[] = {idleRadio_, lowestRadio_, lowerRadio_, normalRadio_};
    priorityRadios[static_cast<int>(options.priority)]->setChecked(true);
    (options.overwrite ? overwriteRadio_ : renameRadio_)->setChecked(true);
    previewBox_->setChecked(options.showPreview);
    bsSkinCheckRadioBox8Click();
}

OptionChoices OptionsDialog::choices() const
{
    OptionChoices result;
    if (multiFileMode())
        result.threadCount = countSelector_->currentText();
    if (openFolderRadio_->isChecked())
        result.afterDone = AfterDone::OpenFolder;
    else if (powerOffRadio_->isChecked())
        result.afterDone = AfterDone::PowerOff;
    else if (playSoundRadio_->isChecked())
        result.afterDone = AfterDone::PlaySound;
    else if (nothingRadio_->isChecked())
        result.afterDone = AfterDone::Nothing;
    result.showPreview = previewBox_->isChecked();
    if (idleRadio_->isChecked())
        result.priority = engine::TThreadPriority::tpIdle;
    else if (lowestRadio_->isChecked())
        result.priority = engine::TThreadPriority::tpLowest;
    else if (lowerRadio_->isChecked())
        result.priority = engine::TThreadPriority::tpLower;
    else if (normalRadio_->isChecked())
        result.priority = engine::TThreadPriority::tpNormal;
    if (overwriteRadio_->isChecked())
        result.overwrite = true;
    else if (renameRadio_->isChecked())
        result.overwrite = false;
    return result;
}

void OptionsDialog::Button2Click()
{
    writeConversionOptions(file_, choices());
}

void OptionsDialog::bsSkinButton6Click()
{
    Button2Click();  // a refused write ends here and leaves the dialog open
    accept();
}

void OptionsDialog::bsSkinButton1Click()
{
    // The choices made stay in effect; only the file keeps the old ones.
    reject();
}

void OptionsDialog::bsSkinCheckRadioBox8Click()
{
    emit previewChanged(previewBox_->isChecked());
}

void OptionsDialog::bsSkinCheckRadioBox7Click()
{
    countSelector_->setEnabled(multiFileBox_->isChecked());
}

void OptionsDialog::bsSkinComboBox2Change()
{
    // The count is read when a batch starts.
}

bool OptionsDialog::multiFileMode() const
{
    return multiFileBox_->isChecked();
}

int OptionsDialog::filesAtOnce() const
{
    if (!multiFileMode())
        return 1;
    bool ok = false;
    const int count = countSelector_->currentText().toInt(&ok);
    return ok ? count : 1;
}

AfterDone OptionsDialog::afterDone() const
{
    return choices().afterDone.value_or(AfterDone::Nothing);
}

engine::TThreadPriority OptionsDialog::threadPriority() const
{
    return choices().priority.value_or(engine::TThreadPriority::tpNormal);
}

bool OptionsDialog::overwriteExisting() const
{
    return overwriteRadio_->isChecked();
}

bool OptionsDialog::realTimePreview() const
{
    return previewBox_->isChecked();
}

}  // namespace settings
