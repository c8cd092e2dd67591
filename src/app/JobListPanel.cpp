#include "app/JobListPanel.h"

#include "app/Pictures.h"
#include "jobs/JobListView.h"
#include "jobs/JobTable.h"

#include <QLabel>
#include <QToolButton>

namespace app {

namespace {

QToolButton* smallButton(QWidget* parent, const char* name, const QString& hint, ToolPicture picture, int left)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setIcon(toolIcon(picture, 18));
    button->setIconSize(QSize(18, 18));
    button->setGeometry(left, 234, 24, 24);
    return button;
}

}  // namespace

JobListPanel::JobListPanel(platform::Platform& platform, QWidget* window) : QFrame(window)
{
    setObjectName(QStringLiteral("bsSkinPanel1"));
    setGeometry(8, 87, 558, 260);

    table_ = new jobs::JobTable(platform, this);
    table_->view()->setGeometry(2, 2, 554, 230);

    moveDown_ = smallButton(this, "bsSkinButton4", QStringLiteral("下移"), ToolPicture::MoveDown, 474);
    moveUp_ = smallButton(this, "bsSkinButton3", QStringLiteral("上移"), ToolPicture::MoveUp, 500);
    rename_ = smallButton(this, "bsSkinButton21", QStringLiteral("重命名"), ToolPicture::Rename, 526);

    emptyPicture_ = new QFrame(window);
    emptyPicture_->setObjectName(QStringLiteral("bsSkinPanel5"));
    emptyPicture_->setGeometry(8, 86, 558, 262);
    auto* image = new QLabel(emptyPicture_);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(emptyPicture_->rect());
    image->setPixmap(app::emptyListPicture(emptyPicture_->size()));
    emptyPicture_->raise();

    connect(table_, &jobs::JobTable::rowCountChanged, this, [this](int rows) { showEmptyPicture(rows == 0); });
    showEmptyPicture(true);
}

void JobListPanel::showEmptyPicture(bool empty)
{
    emptyPicture_->setVisible(empty);
    if (empty)
        emptyPicture_->raise();
}

}  // namespace app
