#pragma once
// Every effect of the program on the world outside its own windows goes
// through this interface: message boxes, file and folder dialogs, the
// desktop shell, power off, sounds, and the places the program lives in.
// The program gets one Platform at start-up; tests hand in a recording fake.

#include <QString>
#include <QStringList>

namespace platform {

class Platform {
public:
    virtual ~Platform() = default;

    // Information box: title "提示", information icon, one OK button.
    virtual void showInfo(const QString& text) = 0;
    // Plain box with the given caption, an exclamation icon and one OK button.
    virtual void showWarning(const QString& caption, const QString& text) = 0;
    // The application's error display, for an error that escaped a command.
    virtual void showError(const QString& text) = 0;

    // File dialogs. `filter` is a list of "description|patterns|" pairs, the
    // patterns separated by ";", the first pair in force when it opens.
    // Each returns an empty result when cancelled.
    virtual QString chooseOpenFile(const QString& title, const QString& filter) = 0;
    virtual QStringList chooseOpenFiles(const QString& title, const QString& filter) = 0;
    // Folder dialog opening on `startFolder` (empty: the top level).
    // Returns the chosen folder, or an empty text when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& startFolder) = 0;

    // The desktop shell: a folder in the file browser, an address in the browser.
    virtual void openFolder(const QString& path) = 0;
    virtual void openUrl(const QString& url) = 0;

    // Asks the system to power the computer off. False when it refuses.
    virtual bool powerOff() = 0;
    // Plays a WAV file in the background and returns at once.
    virtual void playSound(const QString& wavFile) = 0;

    // The folder of the running executable, without a trailing separator.
    virtual QString executableFolder() const = 0;
    // The user's home folder, without a trailing separator.
    virtual QString homeFolder() const = 0;
};

}  // namespace platform
