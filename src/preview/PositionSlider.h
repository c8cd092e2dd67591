#pragma once
// bsSkinSlider1: the position slider. It reports the press and the release
// of any mouse button, and a press on the groove moves the handle to the
// pressed place at once, as a skinned slider does.

#include <QSlider>

namespace preview {

class PositionSlider : public QSlider {
    Q_OBJECT
public:
    static constexpr int kWidth = 202;

    explicit PositionSlider(QWidget* parent = nullptr);

signals:
    void mouseDown();
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace preview
