#pragma once
// The preview pane in the group "视频预览": the screen Panel6, the position
// slider and the buttons play, pause, stop, mute/unmute, snapshot and
// snapshot settings with its menu. It drives the player and handles the
// player's events; the handlers keep their names and delegate.
//
// Everything here runs on the UI thread; the player's events arrive there
// through the dispatcher it was made with.

#include "engine/player/Player.h"
#include "preview/PictureType.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QToolButton;

namespace platform {
class Platform;
}

namespace settings {
class FolderChooser;
class OptionFile;
}

namespace preview {

class PositionSlider;
class VideoScreen;

// What the pane needs from the window around it.
struct PreviewHooks {
    std::function<void(const QString& line)> appendLog;  // the diagnostic log
    std::function<void()> focusJobList;
    std::function<bool()> jobRowSelected;
    // Runs a handler so that an error escaping it reaches the error display.
    std::function<void(const std::function<void()>& handler)> runHandler;
};

class PreviewPane : public QWidget, private engine::PlayerEvents {
    Q_OBJECT
public:
    PreviewPane(engine::Player& player, platform::Platform& platform,
                settings::FolderChooser& folderChooser, QWidget* parent = nullptr);
    ~PreviewPane() override;

    void setHooks(PreviewHooks hooks) { hooks_ = std::move(hooks); }
    // A click on the job list (released over `listViewport`) runs lvFilesClick.
    void watchJobList(QWidget* listViewport);
    // The window closes: the player's events stop reaching the pane and
    // playback ends.
    void detachPlayer();

    // The file to preview (T_Movie_PLayer_FileName).
    QString T_Movie_PLayer_FileName;
    // Duration of the open file in microseconds, as reported when it opened.
    int64_t FDuration = 0;
    // "Down" while the slider is held, "UP" otherwise.
    QString bsSkinSlider1_down_UP = QStringLiteral("UP");
    // The control the video is scaled to (found when a file opens).
    QPointer<QWidget> FScreenControl;

    VideoScreen* screen() const { return screen_; }
    PositionSlider* slider() const { return slider_; }
    QMenu* snapshotMenu() const { return menu_; }
    QAction* typeAction(PictureType type) const;

public slots:
    void Button31Click();  // 打开播放视频: open the preview file, paused
    void bsSkinButton13Click();  // play
    void bsSkinButton14Click();  // pause
    void bsSkinButton15Click();  // stop: back to the start, paused
    void bsSkinButton16Click();  // mute
    void bsSkinButton20Click();  // unmute
    void bsSkinSlider1MouseDown();
    void bsSkinSlider1MouseUp();
    // The job list was clicked; `rowSelected` tells whether a row is selected now.
    void lvFilesClick(bool rowSelected);

    void bsSkinButton22Click();  // snapshot
    void bsSkinButton23MouseDown(Qt::MouseButton button);
    void bsSkinButton23Click();  // refresh the type marks
    void MenuItem1Click();       // 打开快照目录
    void MenuItem2Click();       // 设置快照目录
    void BMP1Click();
    void JPG1Click();
    void GIF1Click();
    void PNG1Click();

    // The player's events.
    void FFPlayerFileOpen(int64_t duration, int frameWidth, int frameHeight, int& screenWidth,
                          int& screenHeight);
    void FFPlayerPosition(int64_t timeUs);
    void FFPlayerState(engine::PlayerState state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fileOpened(int64_t durationUs, int frameWidth, int frameHeight, int& screenWidth,
                    int& screenHeight) override;
    void position(int64_t timeUs) override { FFPlayerPosition(timeUs); }
    void stateChanged(engine::PlayerState state) override { FFPlayerState(state); }
    void log(const std::string& line) override { appendLog(QString::fromStdString(line)); }

    void buildWidgets();
    void buildMenu();
    QToolButton* addButton(const char* name, const QString& hint, const QString& picture, int x);
    void connectHandler(QToolButton* button, void (PreviewPane::*handler)());
    void run(const std::function<void()>& handler);
    void appendLog(const QString& line);
    void focusJobList();
    settings::OptionFile optionFile() const;
    void markType(PictureType type);
    void chooseType(PictureType type);

    engine::Player& player_;
    platform::Platform& platform_;
    settings::FolderChooser& folderChooser_;
    PreviewHooks hooks_;

    VideoScreen* screen_ = nullptr;
    PositionSlider* slider_ = nullptr;
    QToolButton* play_ = nullptr;
    QToolButton* pause_ = nullptr;
    QToolButton* stop_ = nullptr;
    QToolButton* mute_ = nullptr;
    QToolButton* unmute_ = nullptr;
    QToolButton* snapshot_ = nullptr;
    QToolButton* settings_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* typeActions_[4] = {};
    QPointer<QWidget> jobListViewport_;
};

}  // namespace preview
