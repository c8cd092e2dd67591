#include "settings/OptionFile.h"

#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// UTF-8 passes through as it is: the file is read and written as bytes and
// decoded by Qt. Debian's SimpleIni keeps the template bodies behind
// SI_IMPLEMENTATION; this is the one file that uses them.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace settings {

namespace {

const QString kMissingMarker = QStringLiteral("Error");

// A SimpleIni document in UTF-8 that writes "key=value" lines.
class IniDocument {
public:
    IniDocument()
    {
        ini_.SetUnicode(true);
        ini_.SetMultiKey(false);
        ini_.SetMultiLine(false);
        ini_.SetQuotes(false);
        ini_.SetSpaces(false);
    }

    // False when the file exists but cannot be read or parsed.
    bool load(const QString& path)
    {
        QFile file(path);
        if (!file.exists())
            return true;
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray data = file.readAll();
        return ini_.LoadData(data.constData(), static_cast<size_t>(data.size())) >= 0;
    }

    std::optional<QString> get(const QString& section, const QString& key) const
    {
        const char* text = ini_.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
        if (!text)
            return std::nullopt;
        return QString::fromUtf8(text);
    }

    void set(const QString& section, const QString& key, const QString& value)
    {
        ini_.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                      value.toUtf8().constData());
    }

    bool save(const QString& path) const
    {
        std::string text;
        if (ini_.Save(text, false) < 0)
            return false;
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
            return false;
        return file.commit();
    }

private:
    CSimpleIniA ini_;
};

}  // namespace

OptionWriteError::OptionWriteError(const QString& path)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(path).toStdString())
{
}

OptionFile::OptionFile(QString path) : path_(std::move(path)) {}

bool OptionFile::exists() const
{
    return QFileInfo(path_).isFile();
}

std::optional<QString> OptionFile::value(const QString& section, const QString& key) const
{
    IniDocument document;
    if (!document.load(path_))
        return std::nullopt;
    std::optional<QString> text = document.get(section, key);
    if (!text || text->isEmpty() || *text == kMissingMarker)
        return std::nullopt;
    return text;
}

void OptionFile::write(const QString& section, const QString& key, const QString& value) const
{
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        throw OptionWriteError(path_);
    IniDocument document;
    if (!document.load(path_))
        throw OptionWriteError(path_);
    document.set(section, key, value);
    if (!document.save(path_))
        throw OptionWriteError(path_);
}

OptionFile optionFileOf(const platform::Platform& platform)
{
    return OptionFile(platform.executableFolder() + QStringLiteral("/option.ini"));
}

}  // namespace settings
