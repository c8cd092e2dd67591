#include "preview/VideoScreen.h"

#include <QGuiApplication>
#include <QPainter>

namespace preview {

VideoScreen::VideoScreen(QWidget* parent)
    : QWidget(parent), placeholder_(QStringLiteral(":/preview/placeholder.png"))
{
    setObjectName(QStringLiteral("Panel6"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoScreen::present(engine::VideoImage image)
{
    if (image.empty())
        return;
    // The QImage takes the pixels over; its cleanup frees them.
    auto* pixels = new engine::VideoImage(std::move(image));
    QImage frame(pixels->rgb.data(), pixels->width, pixels->height, pixels->bytesPerLine(),
                 QImage::Format_RGB888,
                 [](void* owned) { delete static_cast<engine::VideoImage*>(owned); }, pixels);
    {
        std::lock_guard lock(mutex_);
        frame_ = std::move(frame);
    }
    ++framesReceived_;
    if (!repaintQueued_.exchange(true)) {
        QMetaObject::invokeMethod(this, [this] {
            repaintQueued_ = false;
            update();
        }, Qt::QueuedConnection);
    }
}

void VideoScreen::clear()
{
    {
        std::lock_guard lock(mutex_);
        frame_ = QImage();
    }
    update();
    repaint();
}

QImage VideoScreen::shownFrame() const
{
    std::lock_guard lock(mutex_);
    return frame_;
}

void VideoScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The system's button-text colour, whatever the skin makes of this widget.
    painter.fillRect(rect(), QGuiApplication::palette().color(QPalette::ButtonText));
    QImage frame = shownFrame();
    if (!frame.isNull()) {
        painter.drawImage((width() - frame.width()) / 2, (height() - frame.height()) / 2, frame);
    } else if (!placeholder_.isNull()) {
        painter.drawPixmap((width() - placeholder_.width()) / 2,
                           (height() - placeholder_.height()) / 2, placeholder_);
    }
}

}  // namespace preview
