#pragma once
// The output panel bsSkinPanel2: the output format (label "输出格式：", the
// category selector bsSkinOfficeComboBox2 and the profile selector
// bsSkinOfficeComboBox1, filled by the catalogue) and the output folder
// (label "输出目录：", the read-only box Video_OutPut_Folder_Edit and the
// buttons "浏览..." bsSkinButton5 and "打开" bsSkinButton6).

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace app {

class SelectorComboBox;

class OutputPanel : public QFrame {
    Q_OBJECT
public:
    explicit OutputPanel(QWidget* window);

    SelectorComboBox* categorySelector() const { return category_; }
    SelectorComboBox* profileSelector() const { return profile_; }
    QLineEdit* folderEdit() const { return folderEdit_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* openButton() const { return open_; }

signals:
    // The folder box was clicked (Video_OutPut_Folder_EditClick).
    void folderEditClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SelectorComboBox* category_;
    SelectorComboBox* profile_;
    QLineEdit* folderEdit_;
    QPushButton* browse_;
    QPushButton* open_;
};

}  // namespace app
