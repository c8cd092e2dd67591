#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/ConverterHost.h"
#include "app/JobListPanel.h"
#include "app/MainMenu.h"
#include "app/OutputPanel.h"
#include "app/PresetsPanel.h"
#include "app/ProfileSelectors.h"
#include "app/ProductInfo.h"
#include "app/QtDispatcher.h"
#include "app/ToolBar.h"
#include "engine/player/Player.h"
#include "jobs/JobListView.h"
#include "jobs/JobTable.h"
#include "platform/Platform.h"
#include "preview/PreviewPane.h"
#include "settings/DefaultFolders.h"
#include "settings/OptionsDialog.h"
#include "settings/OutputFolder.h"
#include "settings/SkinSetting.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <stdexcept>

namespace app {

MainWindow::MainWindow(platform::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform),
      errors_(platform),
      optionFile_(settings::optionFileOf(platform)),
      folderChooser_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kApplicationTitle);
    setFixedSize(kClientWidth, kClientHeight);
    buildWidgets();
    bindCommands();
    connectHandlers();
    commands_.setStartupState();
    settings::applyAccentSkin(this);
    centreOnDesktop();

    FormCreate();
    aboutBox_ = new AboutBox(platform_, this);
    optionsDialog_ = new settings::OptionsDialog(
        optionFile_, [this](const std::function<void()>& handler) { errors_.run(handler); }, this);
    settings::applyAccentSkin(optionsDialog_);
    connectConverter();
}

MainWindow::~MainWindow()
{
    // The preview pane goes before the player it draws through.
    delete previewPane_;
}

engine::Converter& MainWindow::converter()
{
    return engine_->converter();
}

engine::Logger& MainWindow::logger()
{
    return engine_->logger();
}

// The converter follows the Options dialog's real-time preview box, from the
// value read at start-up on; closing stops it after the player has been
// detached.
void MainWindow::connectConverter()
{
    converter().SetPreview(optionsDialog_->realTimePreview());
    connect(optionsDialog_, &settings::OptionsDialog::previewChanged, this,
            [this](bool on) { converter().SetPreview(on); });
    connect(this, &MainWindow::closing, this, [this] { engine_->shutDown(); });
}

jobs::JobTable& MainWindow::jobTable()
{
    return jobListPanel_->table();
}

void MainWindow::buildWidgets()
{
    menu_ = new MainMenu(this);
    menu_->setGeometry(0, 0, kClientWidth, 22);
    addAction(menu_->item("N15"));  // F1 works anywhere in the window

    toolBar_ = new ToolBar(menu_->addPopup(), this);
    toolBar_->setGeometry(0, 22, kClientWidth, ToolBar::kHeight);

    jobListPanel_ = new JobListPanel(platform_, this);
    outputPanel_ = new OutputPanel(this);

    presets_ = new QGroupBox(QStringLiteral("预置选项"), this);
    presets_->setObjectName(QStringLiteral("bsSkinPanel4"));
    presets_->setGeometry(572, 87, 219, 206);
    presetsPanel_ = new PresetsPanel(presets_);
    profileSelectors_ =
        new ProfileSelectors(outputPanel_->categorySelector(), outputPanel_->profileSelector(), this);

    preview_ = new QGroupBox(QStringLiteral("视频预览"), this);
    preview_->setObjectName(QStringLiteral("bsSkinPanel3"));
    preview_->setGeometry(572, 296, 219, 226);
    dispatcher_ = new QtDispatcher(this);
    player_ = std::make_unique<engine::Player>(*dispatcher_);
    engine_ = std::make_unique<ConverterHost>(*dispatcher_, [this](const QString& line) { appendLog(line); });
    previewPane_ = new preview::PreviewPane(*player_, platform_, folderChooser_, preview_);
    previewPane_->setGeometry(0, 0, preview_->width(), preview_->height());

    // Beyond the right edge and never shown: the diagnostic log.
    hiddenPanel_ = new QWidget(this);
    hiddenPanel_->setObjectName(QStringLiteral("Panel5"));
    hiddenPanel_->setGeometry(kClientWidth + 20, 87, 300, 200);
    log_ = new QPlainTextEdit(hiddenPanel_);
    log_->setObjectName(QStringLiteral("mmoLog"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setGeometry(0, 0, 300, 200);
    hiddenPanel_->hide();

    jobListPanel_->emptyListPicture()->raise();
}

void MainWindow::bindCommands()
{
    auto bind = [this](Command command, std::initializer_list<const char*> buttons,
                       std::initializer_list<const char*> items) {
        for (const char* name : buttons)
            commands_.bind(command, toolBar_->button(name));
        for (const char* name : items)
            commands_.bind(command, menu_->item(name));
    };
    bind(Command::Add, {"bsSkinMenuSpeedButton1"}, {"N11111", "N2222", "N3331", "Item111", "Item121", "N21"});
    bind(Command::Delete, {"bsSkinButton7"}, {"N13"});
    commands_.bind(Command::Rename, jobListPanel_->renameButton());
    commands_.bind(Command::Rename, menu_->item("N26"));
    bind(Command::Clear, {"bsSkinButton8"}, {"N14"});
    bind(Command::Start, {"bsSkinButton2"}, {"N7"});
    bind(Command::Stop, {"bsSkinButton10"}, {"N8"});
    bind(Command::Pause, {"bsSkinButton11"}, {"N10"});
    bind(Command::Resume, {"bsSkinButton12"}, {"N11"});
}

template <typename Sender, typename Signal>
void MainWindow::on(Sender* sender, Signal signal, void (MainWindow::*handler)())
{
    connect(sender, signal, this, [this, handler] { errors_.run([this, handler] { (this->*handler)(); }); });
}

void MainWindow::connectHandlers()
{
    on(profileSelectors_, &ProfileSelectors::categoryChanged, &MainWindow::bsSkinOfficeComboBox2Change);
    on(profileSelectors_, &ProfileSelectors::profileChanged, &MainWindow::bsSkinOfficeComboBox1Change);
    on(menu_->item("N4"), &QAction::triggered, &MainWindow::N4Click);
    on(menu_->item("N15"), &QAction::triggered, &MainWindow::N15Click);
    on(menu_->item("N19"), &QAction::triggered, &MainWindow::N19Click);
    on(menu_->item("N5"), &QAction::triggered, &MainWindow::N5Click);
    on(menu_->item("N24"), &QAction::triggered, &MainWindow::N24Click);
    on(toolBar_->button("bsSkinButton19"), &QToolButton::clicked, &MainWindow::bsSkinButton19Click);
    on(outputPanel_->browseButton(), &QPushButton::clicked, &MainWindow::bsSkinButton5Click);
    on(outputPanel_->openButton(), &QPushButton::clicked, &MainWindow::bsSkinButton6Click);
    on(outputPanel_, &OutputPanel::folderEditClicked, &MainWindow::Video_OutPut_Folder_EditClick);

    preview::PreviewHooks preview;
    preview.appendLog = [this](const QString& line) { appendLog(line); };
    preview.focusJobList = [this] { jobTable().view()->setFocus(); };
    preview.jobRowSelected = [this] { return jobTable().selectedRow() >= 0; };
    preview.runHandler = [this](const std::function<void()>& handler) { errors_.run(handler); };
    previewPane_->setHooks(std::move(preview));
    previewPane_->watchJobList(jobTable().view()->viewport());
    connect(this, &MainWindow::closing, previewPane_, &preview::PreviewPane::detachPlayer);
    connect(this, &MainWindow::positionChanged, this, [this] { player_->UpdateScreenPosition(); });
}

void MainWindow::centreOnDesktop()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

// Start-up: each step on its own, so that an error shown by one step does
// not keep the window from the steps after it. The dialog filters, the
// profile selectors and the preview pane join this sequence with their
// panels.
void MainWindow::FormCreate()
{
    errors_.run([this] { Button15Click(); });
    errors_.run([this] { Button17Click(); });
    errors_.run([this] { Button3Click(); });
    errors_.run([this] { Button2Click(); });
}

void MainWindow::FormActivate()
{
    setWindowTitle(kApplicationTitle);
}

void MainWindow::FormCloseQuery()
{
    emit closing();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    errors_.run([this] { FormCloseQuery(); });
    event->accept();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    emit positionChanged();
}

void MainWindow::Button15Click()
{
    jobTable().freeAllSlots();
}

void MainWindow::Button17Click()
{
    const settings::OutputFolderRead read = settings::readOutputFolder(optionFile_, platform_);
    setOutputFolder(read.folder);
    if (read.error)
        throw std::runtime_error(read.error->toStdString());
}

void MainWindow::Button16Click()
{
    settings::writeOutputFolder(optionFile_, outputFolder_);
}

void MainWindow::Button3Click()
{
    if (const std::optional<int> index = settings::readSkinIndex(optionFile_))
        mainSkin_.setIndex(*index);
}

void MainWindow::setOutputFolder(const QString& folder)
{
    outputPanel_->folderEdit()->setText(folder);
    outputFolder_ = folder;
}

void MainWindow::appendLog(const QString& line)
{
    log_->appendPlainText(line);
}

void MainWindow::bsSkinButton5Click()
{
    const QString folder = folderChooser_.choose();
    if (!settings::isFolder(folder))
        return;
    setOutputFolder(folder);
    Button16Click();
    jobTable().view()->setFocus();
}

void MainWindow::bsSkinButton6Click()
{
    platform_.openFolder(outputPanel_->folderEdit()->text());
    jobTable().view()->setFocus();
}

void MainWindow::Video_OutPut_Folder_EditClick()
{
    jobTable().view()->setFocus();
}

void MainWindow::bsSkinButton19Click()
{
    optionsDialog_->exec();
}

void MainWindow::N24Click()
{
    optionsDialog_->exec();
}

void MainWindow::N4Click()
{
    close();
}

void MainWindow::N15Click()
{
    platform_.openUrl(kWebSite);
}

void MainWindow::N19Click()
{
    platform_.openUrl(kWebSite);
}

void MainWindow::N5Click()
{
    aboutBox_->exec();
}

}  // namespace app
