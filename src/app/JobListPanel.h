#pragma once
// The job-list panel bsSkinPanel1: the list view lvFiles with the buttons
// under it (下移 bsSkinButton4, 上移 bsSkinButton3, 重命名 bsSkinButton21),
// and the empty-list picture (bsSkinPanel5 with Image1) that covers the
// list while it has no rows.

#include <QFrame>

class QToolButton;

namespace platform {
class Platform;
}

namespace jobs {
class JobTable;
}

namespace app {

class JobListPanel : public QFrame {
    Q_OBJECT
public:
    // Both frames are children of `window`, at their places in it.
    JobListPanel(platform::Platform& platform, QWidget* window);

    jobs::JobTable& table() { return *table_; }
    QToolButton* moveDownButton() const { return moveDown_; }
    QToolButton* moveUpButton() const { return moveUp_; }
    QToolButton* renameButton() const { return rename_; }
    QFrame* emptyListPicture() const { return emptyPicture_; }

private:
    void showEmptyPicture(bool empty);

    jobs::JobTable* table_;
    QToolButton* moveDown_;
    QToolButton* moveUp_;
    QToolButton* rename_;
    QFrame* emptyPicture_;
};

}  // namespace app
