#pragma once
// A Platform for tests: it shows nothing, opens nothing, powers nothing off
// and plays nothing. It records every call, in order, and answers the
// dialogs from a queue that the test fills beforehand.
//
//   testsupport::TempDir home;
//   testsupport::RecordingPlatform platform(home.path());   // both folders there
//   platform.queueAnswer({"/tmp/a.avi"});                    // next dialog's answer
//   ... run the code under test ...
//   EXPECT_EQ(platform.infos, QStringList{"请先选择文件"});
//   EXPECT_EQ(platform.calls.last(), "openFolder: /tmp/out");
//
// Dialogs take the next queued answer: chooseOpenFile and chooseFolder its
// first entry (or ""), chooseOpenFiles all of it. With the queue empty they
// answer as if cancelled.

#include "platform/Platform.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <filesystem>
#include <vector>

namespace testsupport {

class RecordingPlatform final : public platform::Platform {
public:
    // Executable folder and home folder both start as `folder`.
    explicit RecordingPlatform(const QString& folder = QString());
    explicit RecordingPlatform(const std::filesystem::path& folder);

    void setExecutableFolder(const QString& folder) { executableFolder_ = folder; }
    void setHomeFolder(const QString& folder) { homeFolder_ = folder; }

    // The answer of the next dialog.
    void queueAnswer(const QStringList& answer) { answers_.push_back(answer); }
    // What powerOff() answers (true: accepted).
    bool powerOffAccepted = true;

    struct Warning {
        QString caption;
        QString text;
        bool operator==(const Warning&) const = default;
    };
    struct Dialog {
        QString kind;   // "openFile", "openFiles" or "folder"
        QString title;
        QString filterOrStart;  // the filter of a file dialog, the start folder of a folder dialog
    };

    QStringList calls;  // every call in order, "name: argument", e.g. "showInfo: 文本"
    QStringList infos;
    std::vector<Warning> warnings;
    QStringList errors;
    std::vector<Dialog> dialogs;
    QStringList openedFolders;
    QStringList openedUrls;
    int powerOffRequests = 0;
    QStringList soundsPlayed;

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
    QString executableFolder() const override { return executableFolder_; }
    QString homeFolder() const override { return homeFolder_; }

private:
    QStringList nextAnswer();

    QString executableFolder_;
    QString homeFolder_;
    std::deque<QStringList> answers_;
};

}  // namespace testsupport
