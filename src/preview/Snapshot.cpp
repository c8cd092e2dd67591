#include "preview/Snapshot.h"

#include "engine/player/GifWriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace preview {

SnapshotWriteError::SnapshotWriteError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString snapshotBaseName(const QString& sourcePath) { return QFileInfo(sourcePath).completeBaseName(); }

QString snapshotPath(const QString& folder, const QString& sourcePath, PictureType type)
{
    QString stem = folder;
    if (!stem.endsWith(QLatin1Char('/')))
        stem += QLatin1Char('/');
    stem += snapshotBaseName(sourcePath) + QLatin1Char('_');
    const QString extension = pictureExtension(type);
    for (int n = 1;; ++n) {
        QString candidate = stem + QString::number(n) + extension;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

namespace {

QByteArray encode(const engine::VideoImage& frame, PictureType type, const QString& path)
{
    if (type == PictureType::GIF) {
        engine::GifResult gif = engine::encodeGif(frame);
        if (!gif.error.empty())
            throw SnapshotWriteError(QStringLiteral("Cannot write file \"%1\". %2")
                                         .arg(path, QString::fromStdString(gif.error)));
        return QByteArray(reinterpret_cast<const char*>(gif.bytes.data()), qsizetype(gif.bytes.size()));
    }
    // The frame's rows are packed, so the image is built on them as they are.
    QImage image(frame.rgb.data(), frame.width, frame.height, frame.bytesPerLine(),
                 QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, pictureTypeKey(type).toLower().toLatin1());
    if (!writer.write(image))
        throw SnapshotWriteError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, writer.errorString()));
    return bytes;
}

}  // namespace

void saveSnapshot(const engine::VideoImage& frame, const QString& path, PictureType type)
{
    QByteArray bytes = encode(frame, type, path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SnapshotWriteError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        file.close();
        file.remove();
        throw SnapshotWriteError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
    }
}

}  // namespace preview
