#include "platform/QtPlatform.h"

#include "platform/DialogFilter.h"
#include "platform/LogindPowerOff.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include <memory>

namespace platform {

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

void showBox(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, dialogParent());
    box.exec();
}

std::unique_ptr<QFileDialog> openDialog(const QString& title, const QString& filter, QFileDialog::FileMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(dialogParent(), title);
    dialog->setFileMode(mode);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(toQtNameFilters(filter));
    return dialog;
}

}  // namespace

QtPlatform::QtPlatform(QString applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}

void QtPlatform::showInfo(const QString& text)
{
    showBox(QMessageBox::Information, QStringLiteral("提示"), text);
}

void QtPlatform::showWarning(const QString& caption, const QString& text)
{
    showBox(QMessageBox::Warning, caption, text);
}

void QtPlatform::showError(const QString& text)
{
    showBox(QMessageBox::Critical, applicationTitle_, text);
}

QString QtPlatform::chooseOpenFile(const QString& title, const QString& filter)
{
    const auto dialog = openDialog(title, filter, QFileDialog::ExistingFile);
    const QStringList files = dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
    return files.isEmpty() ? QString() : files.first();
}

QStringList QtPlatform::chooseOpenFiles(const QString& title, const QString& filter)
{
    const auto dialog = openDialog(title, filter, QFileDialog::ExistingFiles);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
}

QString QtPlatform::chooseFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(dialogParent(), title, startFolder,
                                             QFileDialog::ShowDirsOnly);
}

void QtPlatform::openFolder(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtPlatform::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

bool QtPlatform::powerOff()
{
    return requestPowerOff();
}

void QtPlatform::playSound(const QString& wavFile)
{
    // Like a system notification sound: a file that cannot be played is
    // passed over without a word.
    sound_.play(QFile::encodeName(wavFile).toStdString());
}

QString QtPlatform::executableFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::homeFolder() const
{
    return QDir::homePath();
}

}  // namespace platform
