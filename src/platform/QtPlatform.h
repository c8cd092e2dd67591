#pragma once
// The Platform of the desktop program: Qt message boxes and file dialogs,
// the desktop's default handlers for folders and addresses, systemd-logind
// for power off and SDL2 audio for sounds. Use it on the UI thread.

#include "platform/Platform.h"
#include "platform/SdlSoundPlayer.h"

namespace platform {

class QtPlatform final : public Platform {
public:
    // `applicationTitle` is the caption of the error box.
    explicit QtPlatform(QString applicationTitle);

    void showInfo(const QString& text) override;
    void showWarning(const QString& caption, const QString& text) override;
    void showError(const QString& text) override;

    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QStringList chooseOpenFiles(const QString& title, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;

    void openFolder(const QString& path) override;
    void openUrl(const QString& url) override;

    bool powerOff() override;
    void playSound(const QString& wavFile) override;

    QString executableFolder() const override;
    QString homeFolder() const override;

private:
    QString applicationTitle_;
    SdlSoundPlayer sound_;
};

}  // namespace platform
