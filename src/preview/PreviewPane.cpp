#include "preview/PreviewPane.h"

#include "platform/Platform.h"
#include "preview/PositionSlider.h"
#include "preview/SliderMath.h"
#include "preview/Snapshot.h"
#include "preview/SnapshotSettings.h"
#include "preview/VideoScreen.h"
#include "settings/DefaultFolders.h"
#include "settings/FolderChooser.h"
#include "settings/OptionFile.h"

#include <QActionGroup>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>

// The pictures are compiled into this static library; their resource has
// to be registered by name, outside any namespace.
static void registerPreviewPictures() { Q_INIT_RESOURCE(preview); }

namespace preview {

namespace {

constexpr int kButtonSize = 30;
constexpr int kButtonTop = 176;
constexpr int kButtonStep = 34;
constexpr int kLeft = 9;

}  // namespace

PreviewPane::PreviewPane(engine::Player& player, platform::Platform& platform,
                         settings::FolderChooser& folderChooser, QWidget* parent)
    : QWidget(parent), player_(player), platform_(platform), folderChooser_(folderChooser)
{
    registerPreviewPictures();
    setObjectName(QStringLiteral("PreviewPane"));
    buildWidgets();
    buildMenu();
    player_.SetEvents(this);
}

PreviewPane::~PreviewPane()
{
    // The screen goes with this pane: the player must not draw into it any more.
    detachPlayer();
}

void PreviewPane::detachPlayer()
{
    player_.SetEvents(nullptr);
    player_.Stop(false);
}

void PreviewPane::watchJobList(QWidget* listViewport)
{
    jobListViewport_ = listViewport;
    listViewport->installEventFilter(this);
}

void PreviewPane::buildWidgets()
{
    screen_ = new VideoScreen(this);
    screen_->move(kLeft, 22);

    slider_ = new PositionSlider(this);
    slider_->setGeometry(kLeft - 1, 150, PositionSlider::kWidth, 20);
    connect(slider_, &PositionSlider::mouseDown, this, [this] { run([this] { bsSkinSlider1MouseDown(); }); });
    connect(slider_, &PositionSlider::mouseUp, this, [this] { run([this] { bsSkinSlider1MouseUp(); }); });

    play_ = addButton("bsSkinButton13", QStringLiteral("播放"), QStringLiteral("play"), 0);
    pause_ = addButton("bsSkinButton14", QStringLiteral("暂停"), QStringLiteral("pause"), 1);
    stop_ = addButton("bsSkinButton15", QStringLiteral("停止"), QStringLiteral("stop"), 2);
    mute_ = addButton("bsSkinButton16", QStringLiteral("静音"), QStringLiteral("mute"), 3);
    unmute_ = addButton("bsSkinButton20", QStringLiteral("静音"), QStringLiteral("unmute"), 3);
    snapshot_ = addButton("bsSkinButton22", QStringLiteral("快照"), QStringLiteral("snapshot"), 4);
    settings_ = addButton("bsSkinButton23", QStringLiteral("设置"), QStringLiteral("settings"), 5);
    unmute_->hide();

    connectHandler(play_, &PreviewPane::bsSkinButton13Click);
    connectHandler(pause_, &PreviewPane::bsSkinButton14Click);
    connectHandler(stop_, &PreviewPane::bsSkinButton15Click);
    connectHandler(mute_, &PreviewPane::bsSkinButton16Click);
    connectHandler(unmute_, &PreviewPane::bsSkinButton20Click);
    connectHandler(snapshot_, &PreviewPane::bsSkinButton22Click);
    connectHandler(settings_, &PreviewPane::bsSkinButton23Click);
    settings_->installEventFilter(this);
    settings_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(settings_, &QWidget::customContextMenuRequested, this,
            [this] { menu_->popup(QCursor::pos()); });
}

QToolButton* PreviewPane::addButton(const char* name, const QString& hint, const QString& picture, int x)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setIcon(QIcon(QStringLiteral(":/preview/%1.png").arg(picture)));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(kLeft + x * kButtonStep, kButtonTop, kButtonSize, kButtonSize);
    return button;
}

void PreviewPane::connectHandler(QToolButton* button, void (PreviewPane::*handler)())
{
    connect(button, &QToolButton::clicked, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
}

void PreviewPane::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("bsSkinPopupMenu2"));
    QAction* open = menu_->addAction(QStringLiteral("打开快照目录"));
    open->setObjectName(QStringLiteral("MenuItem1"));
    connect(open, &QAction::triggered, this, [this] { run([this] { MenuItem1Click(); }); });
    QAction* choose = menu_->addAction(QStringLiteral("设置快照目录"));
    choose->setObjectName(QStringLiteral("MenuItem2"));
    connect(choose, &QAction::triggered, this, [this] { run([this] { MenuItem2Click(); }); });
    menu_->addSeparator()->setObjectName(QStringLiteral("MenuItem3"));

    QMenu* types = menu_->addMenu(QStringLiteral("快照保存类型"));
    types->setObjectName(QStringLiteral("N27"));
    auto* group = new QActionGroup(types);
    group->setExclusive(true);
    struct Item {
        PictureType type;
        const char* name;
        const char* caption;
        void (PreviewPane::*handler)();
    };
    const Item items[] = {
        {PictureType::BMP, "BMP1", "BMP文件", &PreviewPane::BMP1Click},
        {PictureType::JPG, "JPG1", "JPG文件", &PreviewPane::JPG1Click},
        {PictureType::GIF, "GIF1", "GIF文件", &PreviewPane::GIF1Click},
        {PictureType::PNG, "PNG1", "PNG文件", &PreviewPane::PNG1Click},
    };
    for (const Item& item : items) {
        QAction* action = types->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(true);
        group->addAction(action);
        auto handler = item.handler;
        connect(action, &QAction::triggered, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
        typeActions_[static_cast<int>(item.type)] = action;
    }
    typeActions_[static_cast<int>(PictureType::BMP)]->setChecked(true);
}

QAction* PreviewPane::typeAction(PictureType type) const { return typeActions_[static_cast<int>(type)]; }

bool PreviewPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == settings_ && event->type() == QEvent::MouseButtonPress) {
        auto button = static_cast<QMouseEvent*>(event)->button();
        run([this, button] { bsSkinButton23MouseDown(button); });
        // The menu takes the mouse from here; the button itself is not pressed.
        return button == Qt::LeftButton;
    }
    if (watched == jobListViewport_ && event->type() == QEvent::MouseButtonRelease) {
        run([this] { lvFilesClick(hooks_.jobRowSelected && hooks_.jobRowSelected()); });
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewPane::run(const std::function<void()>& handler)
{
    if (hooks_.runHandler) {
        hooks_.runHandler(handler);
        return;
    }
    try {
        handler();
    } catch (const std::exception& error) {
        platform_.showError(QString::fromUtf8(error.what()));
    }
}

void PreviewPane::appendLog(const QString& line)
{
    if (hooks_.appendLog)
        hooks_.appendLog(line);
}

void PreviewPane::focusJobList()
{
    if (hooks_.focusJobList)
        hooks_.focusJobList();
}

settings::OptionFile PreviewPane::optionFile() const { return settings::optionFileOf(platform_); }

// ---- playback ------------------------------------------------------------

void PreviewPane::Button31Click()
{
    if (!player_.AVLibLoaded()
        && !player_.LoadAVLib((platform_.executableFolder() + QStringLiteral("/LibAV")).toStdString())) {
        appendLog(QString::fromStdString(player_.LastErrMsg()));
        return;
    }
    FScreenControl = findChild<QWidget*>(QStringLiteral("Panel6"));
    if (!player_.Open(T_Movie_PLayer_FileName.toStdString(), screen_, true))
        appendLog(QString::fromStdString(player_.LastErrMsg()));
}

void PreviewPane::fileOpened(int64_t durationUs, int frameWidth, int frameHeight, int& screenWidth,
                             int& screenHeight)
{
    FFPlayerFileOpen(durationUs, frameWidth, frameHeight, screenWidth, screenHeight);
}

void PreviewPane::FFPlayerFileOpen(int64_t duration, int frameWidth, int frameHeight,
                                   int& screenWidth, int& screenHeight)
{
    appendLog(QString::fromStdString(player_.FileInfoText()).trimmed());
    appendLog(QString::asprintf("duration: %f, frame size: %dx%d", double(duration) / 1000000.0,
                                frameWidth, frameHeight));
    QSize size = FScreenControl ? FScreenControl->size() : QGuiApplication::primaryScreen()->size();
    screenWidth = size.width();
    screenHeight = size.height();
    FDuration = duration;
    slider_->setSingleStep(5);
    slider_->setMaximum(slider_->width());
    slider_->setValue(0);
}

void PreviewPane::FFPlayerPosition(int64_t timeUs)
{
    if (bsSkinSlider1_down_UP != QLatin1String("UP"))
        return;
    if (std::optional<int> value = sliderPositionFor(timeUs, FDuration, slider_->maximum()))
        slider_->setValue(*value);
}

void PreviewPane::FFPlayerState(engine::PlayerState state)
{
    appendLog(QString::fromLatin1(engine::stateName(state)));
    switch (state) {
    case engine::PlayerState::Stop:
        if (engine::VideoSink* screen = player_.ScreenHandle())
            screen->clear();
        break;
    case engine::PlayerState::End:
        player_.Seek(0, engine::Player::SeekAny, false);
        player_.Pause();
        break;
    default:
        break;
    }
}

void PreviewPane::bsSkinSlider1MouseDown()
{
    bsSkinSlider1_down_UP = QStringLiteral("Down");
    player_.Pause();
}

void PreviewPane::bsSkinSlider1MouseUp()
{
    player_.Pause();
    player_.Seek(sliderTargetTime(FDuration, slider_->value(), slider_->maximum()), 0, false);
    player_.Resume();
    bsSkinSlider1_down_UP = QStringLiteral("UP");
}

void PreviewPane::bsSkinButton13Click()
{
    player_.Resume();
    focusJobList();
}

void PreviewPane::bsSkinButton14Click()
{
    player_.Pause();
    focusJobList();
}

void PreviewPane::bsSkinButton15Click()
{
    if (!hooks_.jobRowSelected || !hooks_.jobRowSelected())
        return;
    try {
        player_.Stop(true);
        if (!player_.Open(T_Movie_PLayer_FileName.toStdString(), screen_, true))
            appendLog(QString::fromStdString(player_.LastErrMsg()));
        focusJobList();
    } catch (...) {
        player_.Stop(true);
    }
}

void PreviewPane::bsSkinButton16Click()
{
    player_.SetMute(true);
    unmute_->show();
    mute_->hide();
}

void PreviewPane::bsSkinButton20Click()
{
    player_.SetMute(false);
    unmute_->hide();
    mute_->show();
}

void PreviewPane::lvFilesClick(bool rowSelected)
{
    if (!rowSelected)
        player_.Stop(true);
}

// ---- snapshots -----------------------------------------------------------

void PreviewPane::bsSkinButton22Click()
{
    engine::VideoImage frame = player_.CurrentFrame();
    settings::OptionFile file = optionFile();
    QString folder = resolveSnapshotFolder(file, platform_);
    PictureType type = resolvePictureType(file);
    markType(type);
    if (frame.empty())
        return;
    saveSnapshot(frame, snapshotPath(folder, T_Movie_PLayer_FileName, type), type);
}

void PreviewPane::bsSkinButton23MouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    // The marks are brought in line with the file before the menu shows.
    bsSkinButton23Click();
    menu_->popup(QCursor::pos());
}

void PreviewPane::bsSkinButton23Click() { markType(resolvePictureType(optionFile())); }

void PreviewPane::MenuItem1Click() { platform_.openFolder(resolveSnapshotFolder(optionFile(), platform_)); }

void PreviewPane::MenuItem2Click()
{
    QString folder = folderChooser_.choose();
    if (settings::isFolder(folder))
        writeSnapshotFolder(optionFile(), folder);
}

void PreviewPane::markType(PictureType type) { typeAction(type)->setChecked(true); }

void PreviewPane::chooseType(PictureType type)
{
    writePictureType(optionFile(), type);
    markType(type);
}

void PreviewPane::BMP1Click() { chooseType(PictureType::BMP); }
void PreviewPane::JPG1Click() { chooseType(PictureType::JPG); }
void PreviewPane::GIF1Click() { chooseType(PictureType::GIF); }
void PreviewPane::PNG1Click() { chooseType(PictureType::PNG); }

}  // namespace preview
