#pragma once
// The tool bar bsSkinToolBar2: pictures over captions, "添加" with its
// pop-up menu, "删除", "清空", "开始", "停止", "暂停"/"继续" sharing one
// place (one shown at a time) and "选项".

#include <QFrame>

class QMenu;
class QToolButton;

namespace app {

class ToolBar : public QFrame {
    Q_OBJECT
public:
    ToolBar(QMenu* addPopup, QWidget* parent);

    QToolButton* button(const char* objectName) const;

    // Shows "暂停" or "继续" in their shared place.
    void showPause(bool pause);

    static constexpr int kHeight = 59;
};

}  // namespace app
