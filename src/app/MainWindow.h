#pragma once
// The main window (Form1): menu bar, tool bar, the job list, the output
// panel, the presets and preview groups, and the hidden diagnostic log.
// It composes the panels that own their widgets and keeps the handlers by
// their names; each handler delegates to its subsystem in a few lines.
//
// Creating the window runs its start-up sequence (FormCreate), then creates
// the About box and the Options dialog, in that order.

#include "app/Commands.h"
#include "app/ErrorDisplay.h"
#include "profiles/ProfileFields.h"
#include "settings/FolderChooser.h"
#include "settings/OptionFile.h"
#include "settings/Skins.h"

#include <QWidget>

#include <memory>

class QGroupBox;
class QPlainTextEdit;

namespace platform {
class Platform;
}

namespace jobs {
class JobTable;
}

namespace engine {
class Converter;
class Logger;
class Player;
}

namespace preview {
class PreviewPane;
}

namespace settings {
class OptionsDialog;
}

namespace app {

class AboutBox;
class ConverterHost;
class JobListPanel;
class MainMenu;
class OutputPanel;
class PresetsPanel;
class ProfileSelectors;
class QtDispatcher;
class ToolBar;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 807;
    static constexpr int kClientHeight = 541;

    explicit MainWindow(platform::Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    platform::Platform& platform() { return platform_; }
    jobs::JobTable& jobTable();
    settings::FolderChooser& folderChooser() { return folderChooser_; }
    settings::OptionsDialog& optionsDialog() { return *optionsDialog_; }
    AboutBox& aboutBox() { return *aboutBox_; }
    CommandSet& commands() { return commands_; }
    MainMenu& mainMenu() { return *menu_; }
    ToolBar& toolBar() { return *toolBar_; }
    OutputPanel& outputPanel() { return *outputPanel_; }
    JobListPanel& jobListPanel() { return *jobListPanel_; }
    QGroupBox* presetsGroup() const { return presets_; }  // bsSkinPanel4
    ProfileSelectors& profileSelectors() { return *profileSelectors_; }
    PresetsPanel& presetsPanel() { return *presetsPanel_; }
    // The current profile fields: the settings of the profile last loaded.
    profiles::ProfileFields& profileFields() { return profileFields_; }
    QGroupBox* previewGroup() const { return preview_; }  // bsSkinPanel3
    preview::PreviewPane& previewPane() { return *previewPane_; }
    engine::Player& player() { return *player_; }  // FFPlayer
    engine::Converter& converter();                 // FFVCL
    engine::Logger& logger();                       // FFLogger
    const ErrorDisplay& errorDisplay() const { return errors_; }
    settings::MainSkin& mainSkin() { return mainSkin_; }

    // The current output folder (FileOutPutPath; the folder box shows the same).
    QString outputFolder() const { return outputFolder_; }
    void setOutputFolder(const QString& folder);

    // Appends one line to the hidden diagnostic log mmoLog.
    void appendLog(const QString& line);

    // Runs `handler` so that an error escaping it is shown by the error display.
    void runHandler(const std::function<void()>& handler) const { errors_.run(handler); }

public slots:
    void FormCreate();
    void FormActivate();
    void FormCloseQuery();

    void Button15Click();  // 初始化数值: every option slot free
    void Button17Click();  // 读ini文件: read the output folder
    void Button16Click();  // 写ini文件: write the output folder
    void Button3Click();   // 读入皮肤ini: apply the stored skin

    void bsSkinButton5Click();  // 浏览...
    void bsSkinButton6Click();  // 打开
    void Video_OutPut_Folder_EditClick();

    void bsSkinButton19Click();  // tool bar 选项
    void N24Click();             // 选项设置
    void N4Click();              // 退出
    void N15Click();             // 帮助系统
    void N19Click();             // 官方网站
    void N5Click();              // 关于软件

    // Output profile and presets (MainWindowProfiles.cpp).
    void Button2Click();   // 添加combox: fill profiles
    void Button18Click();  // 根据combox添加预设选项: fill preset lists
    void Button5Click();   // 根据combox添加数据: load profile
    void Button6Click();   // 初始化数据: reset the profile fields
    void Button13Click();  // 确认预置选项数据: take preset choices
    void bsSkinOfficeComboBox2Change();  // category changed
    void bsSkinOfficeComboBox1Change();  // profile changed

signals:
    // Closing: whatever runs in the background detaches its notifications
    // and stops, in the order connected. Closing is always allowed.
    void closing();
    // The window has moved; a video output drawn outside Qt follows it.
    void positionChanged();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildWidgets();
    void bindCommands();
    void connectHandlers();
    void connectConverter();
    void centreOnDesktop();
    // Connects `signal` of `sender` to `handler`, run through the error display.
    template <typename Sender, typename Signal>
    void on(Sender* sender, Signal signal, void (MainWindow::*handler)());

    platform::Platform& platform_;
    ErrorDisplay errors_;
    settings::OptionFile optionFile_;
    settings::FolderChooser folderChooser_;
    settings::MainSkin mainSkin_;
    CommandSet commands_;
    QString outputFolder_;

    MainMenu* menu_ = nullptr;
    ToolBar* toolBar_ = nullptr;
    JobListPanel* jobListPanel_ = nullptr;
    OutputPanel* outputPanel_ = nullptr;
    QGroupBox* presets_ = nullptr;
    ProfileSelectors* profileSelectors_ = nullptr;
    PresetsPanel* presetsPanel_ = nullptr;
    profiles::ProfileFields profileFields_;
    QGroupBox* preview_ = nullptr;
    QWidget* hiddenPanel_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QtDispatcher* dispatcher_ = nullptr;
    std::unique_ptr<engine::Player> player_;
    std::unique_ptr<ConverterHost> engine_;
    preview::PreviewPane* previewPane_ = nullptr;  // in preview_, draws through player_
    AboutBox* aboutBox_ = nullptr;
    settings::OptionsDialog* optionsDialog_ = nullptr;
};

}  // namespace app
