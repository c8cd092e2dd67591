#pragma once
// Writing and reading a whole settings file in tests.

#include <QFile>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string>

namespace testsupport {

inline void writeText(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(text.toUtf8());
}

inline QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The lines of a settings file without the blank ones, which only space it.
inline QString withoutBlankLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

}  // namespace testsupport
