#pragma once
// The Options dialog (Form5, caption "选项"): what happens after a batch,
// overwrite or rename, how many files at once, real-time preview and the
// CPU priority. While the program runs its controls are the live store of
// these options: the rest of the program asks the dialog, not the file.

#include "engine/TaskRecords.h"
#include "settings/ConversionOptions.h"
#include "settings/OptionFile.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace settings {

// Runs a command handler so that an error escaping it reaches the
// application's error display.
using HandlerRunner = std::function<void(const std::function<void()>&)>;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog hidden, then reads the options from `file`
    // (FormCreate). `runHandler` wraps the button handlers.
    OptionsDialog(OptionFile file, HandlerRunner runHandler, QWidget* parent = nullptr);

    // The options as the controls hold them now.
    bool multiFileMode() const;
    int filesAtOnce() const;  // the count selector as a number (1 if it is none); 1 outside multi-file mode
    AfterDone afterDone() const;
    engine::TThreadPriority threadPriority() const;
    bool overwriteExisting() const;
    bool realTimePreview() const;

public slots:
    void FormCreate();
    void Button1Click();  // 读取ini: controls from the file
    void Button2Click();  // 写ini: controls into the file
    void bsSkinButton6Click();  // 确定
    void bsSkinButton1Click();  // 取消
    void bsSkinCheckRadioBox8Click();
    void bsSkinCheckRadioBox7Click();
    void bsSkinComboBox2Change();

signals:
    // The real-time preview box was set, by the user or by reading the file.
    // The converter's preview flag follows it.
    void previewChanged(bool on);

private:
    void buildControls();
    void showOptions(const ConversionOptions& options);
    OptionChoices choices() const;

    OptionFile file_;
    HandlerRunner runHandler_;

    QRadioButton* openFolderRadio_ = nullptr;   // bsSkinCheckRadioBox1
    QRadioButton* powerOffRadio_ = nullptr;     // bsSkinCheckRadioBox2
    QRadioButton* playSoundRadio_ = nullptr;    // bsSkinCheckRadioBox4
    QRadioButton* nothingRadio_ = nullptr;      // bsSkinCheckRadioBox5
    QRadioButton* overwriteRadio_ = nullptr;    // bsSkinCheckRadioBox3
    QRadioButton* renameRadio_ = nullptr;       // bsSkinCheckRadioBox6
    QComboBox* countSelector_ = nullptr;        // bsSkinComboBox2
    QCheckBox* previewBox_ = nullptr;           // bsSkinCheckRadioBox8
    QCheckBox* multiFileBox_ = nullptr;         // bsSkinCheckRadioBox7, never shown
    QRadioButton* idleRadio_ = nullptr;         // bsSkinCheckRadioBox9
    QRadioButton* lowestRadio_ = nullptr;       // bsSkinCheckRadioBox10
    QRadioButton* lowerRadio_ = nullptr;        // bsSkinCheckRadioBox11
    QRadioButton* normalRadio_ = nullptr;       // bsSkinCheckRadioBox12
};

}  // namespace settings
