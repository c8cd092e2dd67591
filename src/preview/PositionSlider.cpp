#include "preview/PositionSlider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

namespace preview {

PositionSlider::PositionSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("bsSkinSlider1"));
    setFixedWidth(kWidth);
    setFocusPolicy(Qt::NoFocus);
}

void PositionSlider::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown();
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (event->button() == Qt::LeftButton && !handle.contains(event->position().toPoint())) {
        int span = width() - handle.width();
        int x = event->position().toPoint().x() - handle.width() / 2;
        setValue(QStyle::sliderValueFromPosition(minimum(), maximum(), x, span));
    }
    QSlider::mousePressEvent(event);
}

void PositionSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    emit mouseUp();
}

}  // namespace preview
