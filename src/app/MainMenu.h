#pragma once
// The main window's menu bar (bsSkinMainMenuBar1 showing bsSkinMainMenu1)
// and the pop-up menu of the tool button "添加" (bsSkinPopupMenu1). Items
// carry their object names; the window connects them to its handlers.

#include <QMenuBar>

class QAction;
class QMenu;

namespace app {

class MainMenu : public QMenuBar {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent);

    // The item with `objectName` (menu bar and pop-up menu alike); throws
    // std::invalid_argument for a name that has no item.
    QAction* item(const char* objectName) const;

    // The pop-up menu of the tool button "添加".
    QMenu* addPopup() const { return addPopup_; }

private:
    QMenu* addPopup_;
};

}  // namespace app
