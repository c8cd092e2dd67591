#include "settings/Skins.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

// Resources of a static library have to be registered by hand, from the
// global namespace.
static void registerSkinResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(skins);
        return true;
    }();
    (void)registered;
}

namespace settings {

namespace {

QString readResource(const QString& path)
{
    registerSkinResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QStringList mainSkinNames()
{
    return {QStringLiteral("Office2010_Black")};
}

QString mainSkinStyleSheet(int index)
{
    const QStringList names = mainSkinNames();
    if (index < 0 || index >= names.size())
        return {};
    return readResource(QStringLiteral(":/skins/%1.qss").arg(names[index]));
}

QString accentSkinStyleSheet()
{
    return readResource(QStringLiteral(":/skins/iOS4.qss"));
}

bool MainSkin::setIndex(int index)
{
    if (index == index_)
        return false;
    const QString sheet = mainSkinStyleSheet(index);
    if (sheet.isEmpty())
        return false;
    qApp->setStyleSheet(sheet);
    index_ = index;
    return true;
}

void applyAccentSkin(QWidget* window)
{
    window->setStyleSheet(accentSkinStyleSheet());
}

}  // namespace settings
