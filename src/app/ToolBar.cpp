#include "app/ToolBar.h"

#include "app/Pictures.h"

#include <QMenu>
#include <QToolButton>

#include <stdexcept>
#include <string>

namespace app {

namespace {

constexpr int kButtonWidth = 56;
constexpr int kButtonHeight = 55;
constexpr int kButtonTop = 2;

QToolButton* makeButton(QWidget* parent, const char* name, const QString& caption, ToolPicture picture, int left)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setIcon(toolIcon(picture));
    button->setIconSize(QSize(28, 28));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
    return button;
}

void separator(QWidget* parent, int left)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(left, 8, 4, ToolBar::kHeight - 16);
}

}  // namespace

ToolBar::ToolBar(QMenu* addPopup, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("bsSkinToolBar2"));
    int left = 6;
    auto next = [&left] {
        const int at = left;
        left += kButtonWidth + 2;
        return at;
    };
    QToolButton* add = makeButton(this, "bsSkinMenuSpeedButton1", QStringLiteral("添加"), ToolPicture::Add, next());
    add->setMenu(addPopup);
    add->setPopupMode(QToolButton::InstantPopup);
    makeButton(this, "bsSkinButton7", QStringLiteral("删除"), ToolPicture::Delete, next());
    makeButton(this, "bsSkinButton8", QStringLiteral("清空"), ToolPicture::Clear, next());
    separator(this, left + 2);
    left += 10;
    makeButton(this, "bsSkinButton2", QStringLiteral("开始"), ToolPicture::Start, next());
    makeButton(this, "bsSkinButton10", QStringLiteral("停止"), ToolPicture::Stop, next());
    const int shared = next();
    makeButton(this, "bsSkinButton11", QStringLiteral("暂停"), ToolPicture::Pause, shared);
    makeButton(this, "bsSkinButton12", QStringLiteral("继续"), ToolPicture::Resume, shared);
    separator(this, left + 2);
    left += 10;
    makeButton(this, "bsSkinButton19", QStringLiteral("选项"), ToolPicture::Options, next());
    showPause(true);
}

QToolButton* ToolBar::button(const char* objectName) const
{
    if (auto* found = findChild<QToolButton*>(QLatin1String(objectName)))
        return found;
    throw std::invalid_argument(std::string("the tool bar has no button ") + objectName);
}

void ToolBar::showPause(bool pause)
{
    button("bsSkinButton11")->setVisible(pause);
    button("bsSkinButton12")->setVisible(!pause);
}

}  // namespace app
