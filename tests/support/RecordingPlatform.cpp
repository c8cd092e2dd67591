#include "support/RecordingPlatform.h"

namespace testsupport {

RecordingPlatform::RecordingPlatform(const QString& folder)
    : executableFolder_(folder), homeFolder_(folder)
{
}

RecordingPlatform::RecordingPlatform(const std::filesystem::path& folder)
    : RecordingPlatform(QString::fromStdString(folder.string()))
{
}

QStringList RecordingPlatform::nextAnswer()
{
    if (answers_.empty())
        return {};
    QStringList answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingPlatform::showInfo(const QString& text)
{
    calls << QStringLiteral("showInfo: ") + text;
    infos << text;
}

void RecordingPlatform::showWarning(const QString& caption, const QString& text)
{
    calls << QStringLiteral("showWarning: ") + caption + QStringLiteral(": ") + text;
    warnings.push_back({caption, text});
}

void RecordingPlatform::showError(const QString& text)
{
    calls << QStringLiteral("showError: ") + text;
    errors << text;
}

QString RecordingPlatform::chooseOpenFile(const QString& title, const QString& filter)
{
    calls << QStringLiteral("chooseOpenFile: ") + title;
    dialogs.push_back({QStringLiteral("openFile"), title, filter});
    const QStringList answer = nextAnswer();
    return answer.isEmpty() ? QString() : answer.first();
}

QStringList RecordingPlatform::chooseOpenFiles(const QString& title, const QString& filter)
{
    calls << QStringLiteral("chooseOpenFiles: ") + title;
    dialogs.push_back({QStringLiteral("openFiles"), title, filter});
    return nextAnswer();
}

QString RecordingPlatform::chooseFolder(const QString& title, const QString& startFolder)
{
    calls << QStringLiteral("chooseFolder: ") + title;
    dialogs.push_back({QStringLiteral("folder"), title, startFolder});
    const QStringList answer = nextAnswer();
    return answer.isEmpty() ? QString() : answer.first();
}

void RecordingPlatform::openFolder(const QString& path)
{
    calls << QStringLiteral("openFolder: ") + path;
    openedFolders << path;
}

void RecordingPlatform::openUrl(const QString& url)
{
    calls << QStringLiteral("openUrl: ") + url;
    openedUrls << url;
}

bool RecordingPlatform::powerOff()
{
    calls << QStringLiteral("powerOff");
    ++powerOffRequests;
    return powerOffAccepted;
}

void RecordingPlatform::playSound(const QString& wavFile)
{
    calls << QStringLiteral("playSound: ") + wavFile;
    soundsPlayed << wavFile;
}

}  // namespace testsupport
