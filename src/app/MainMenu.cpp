#include "app/MainMenu.h"

#include <QAction>
#include <QMenu>

#include <stdexcept>
#include <string>

namespace app {

namespace {

struct ItemSpec {
    const char* name;  // object name; nullptr: a separator
    const char* caption;
};

QMenu* buildMenu(QMenuBar* bar, const char* caption, std::initializer_list<ItemSpec> items)
{
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    for (const ItemSpec& spec : items) {
        if (!spec.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(spec.caption));
        action->setObjectName(QLatin1String(spec.name));
    }
    return menu;
}

}  // namespace

MainMenu::MainMenu(QWidget* parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("bsSkinMainMenuBar1"));
    setNativeMenuBar(false);

    buildMenu(this, "文件", {
        {"Item111", "添加一个文件"},
        {"Item121", "添加多个文件"},
        {"N21", "添加整个目录"},
        {nullptr, nullptr},
        {"N4", "退出"},
    });
    buildMenu(this, "编辑", {
        {"N31", "上移文件"},
        {"N32", "下移文件"},
        {nullptr, nullptr},
        {"N13", "删除选择"},
        {"N14", "清空文件"},
        {nullptr, nullptr},
        {"N26", "重新命名"},
    });
    buildMenu(this, "动作", {
        {"N7", "开始转换"},
        {"N8", "停止转换"},
        {nullptr, nullptr},
        {"N10", "暂停转换"},
        {"N11", "继续继续"},
        {nullptr, nullptr},
        {"N24", "选项设置"},
    });
    buildMenu(this, "帮助", {
        {"N15", "帮助系统"},
        {nullptr, nullptr},
        {"N19", "官方网站"},
        {"N5", "关于软件"},
    });
    // F1 anywhere in the window opens the web site.
    QAction* help = item("N15");
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);

    addPopup_ = new QMenu(this);
    addPopup_->setObjectName(QStringLiteral("bsSkinPopupMenu1"));
    for (const ItemSpec& spec : {ItemSpec{"N11111", "添加一个文件"}, ItemSpec{"N2222", "添加多个文件"},
                                 ItemSpec{"N3331", "添加整个目录"}}) {
        QAction* action = addPopup_->addAction(QString::fromUtf8(spec.caption));
        action->setObjectName(QLatin1String(spec.name));
    }
}

QAction* MainMenu::item(const char* objectName) const
{
    if (auto* action = findChild<QAction*>(QLatin1String(objectName)))
        return action;
    throw std::invalid_argument(std::string("the main menu has no item ") + objectName);
}

}  // namespace app
