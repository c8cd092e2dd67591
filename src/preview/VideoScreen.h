#pragma once
// Panel6: the plain panel the player draws into. It fills itself with the
// system's button-text colour and shows a placeholder picture in its middle
// until a frame arrives; frames are drawn centred.
//
// present() comes from the player's output thread: the frame is kept under
// a lock and a repaint is queued to the widget's own thread, at most one
// at a time. clear() runs on the widget's thread and repaints at once.

#include "engine/player/VideoSink.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <atomic>
#include <mutex>

namespace preview {

class VideoScreen : public QWidget, public engine::VideoSink {
    Q_OBJECT
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 124;

    explicit VideoScreen(QWidget* parent = nullptr);

    void present(engine::VideoImage image) override;
    void clear() override;

    // The frame on show now (null when the placeholder shows).
    QImage shownFrame() const;
    int framesReceived() const { return framesReceived_.load(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap placeholder_;
    mutable std::mutex mutex_;
    QImage frame_;
    std::atomic<bool> repaintQueued_{false};
    std::atomic<int> framesReceived_{0};
};

}  // namespace preview
