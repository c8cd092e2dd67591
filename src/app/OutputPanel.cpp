#include "app/OutputPanel.h"

#include "app/SelectorComboBox.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app {

OutputPanel::OutputPanel(QWidget* window) : QFrame(window)
{
    setObjectName(QStringLiteral("bsSkinPanel2"));
    setGeometry(11, 359, 558, 163);

    auto* formatLabel = new QLabel(QStringLiteral("输出格式："), this);
    formatLabel->setGeometry(16, 30, 70, 24);
    category_ = new SelectorComboBox(this);
    category_->setObjectName(QStringLiteral("bsSkinOfficeComboBox2"));
    category_->setGeometry(88, 28, 150, 28);
    profile_ = new SelectorComboBox(this);
    profile_->setObjectName(QStringLiteral("bsSkinOfficeComboBox1"));
    profile_->setGeometry(246, 28, 296, 28);

    auto* folderLabel = new QLabel(QStringLiteral("输出目录："), this);
    folderLabel->setGeometry(16, 100, 70, 24);
    folderEdit_ = new QLineEdit(this);
    folderEdit_->setObjectName(QStringLiteral("Video_OutPut_Folder_Edit"));
    folderEdit_->setReadOnly(true);
    folderEdit_->setGeometry(88, 99, 300, 26);
    folderEdit_->installEventFilter(this);
    browse_ = new QPushButton(QStringLiteral("浏览..."), this);
    browse_->setObjectName(QStringLiteral("bsSkinButton5"));
    browse_->setGeometry(396, 98, 70, 28);
    open_ = new QPushButton(QStringLiteral("打开"), this);
    open_->setObjectName(QStringLiteral("bsSkinButton6"));
    open_->setGeometry(472, 98, 70, 28);
}

bool OutputPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == folderEdit_ && event->type() == QEvent::MouseButtonRelease)
        emit folderEditClicked();
    return QFrame::eventFilter(watched, event);
}

}  // namespace app
