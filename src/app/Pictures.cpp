#include "app/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace app {

namespace {

struct Palette {
    QColor main;
    QColor dark;
};

Palette paletteOf(ToolPicture picture)
{
    switch (picture) {
    case ToolPicture::Add: return {QColor(0x3c, 0xb3, 0x4a), QColor(0x1e, 0x6e, 0x28)};
    case ToolPicture::Delete: return {QColor(0xe0, 0x4a, 0x3a), QColor(0x8c, 0x22, 0x18)};
    case ToolPicture::Clear: return {QColor(0xf0, 0x9a, 0x2a), QColor(0x93, 0x55, 0x0c)};
    case ToolPicture::Start: return {QColor(0x2f, 0x9e, 0xe8), QColor(0x14, 0x5a, 0x94)};
    case ToolPicture::Stop: return {QColor(0xd9, 0x3b, 0x3b), QColor(0x7e, 0x1a, 0x1a)};
    case ToolPicture::Pause: return {QColor(0xf2, 0xb7, 0x2b), QColor(0x8e, 0x62, 0x08)};
    case ToolPicture::Resume: return {QColor(0x3c, 0xb3, 0x4a), QColor(0x1e, 0x6e, 0x28)};
    case ToolPicture::Options: return {QColor(0x8a, 0x96, 0xa8), QColor(0x3e, 0x48, 0x58)};
    case ToolPicture::MoveUp:
    case ToolPicture::MoveDown: return {QColor(0x4a, 0x90, 0xe2), QColor(0x1f, 0x52, 0x8e)};
    case ToolPicture::Rename: return {QColor(0x9b, 0x6b, 0xd6), QColor(0x55, 0x32, 0x85)};
    }
    return {Qt::gray, Qt::darkGray};
}

QPainterPath shapeOf(ToolPicture picture, qreal s)
{
    QPainterPath path;
    const qreal m = s * 0.15;  // margin
    switch (picture) {
    case ToolPicture::Add: {
        const qreal w = s * 0.22;
        path.addRect(s / 2 - w / 2, m, w, s - 2 * m);
        path.addRect(m, s / 2 - w / 2, s - 2 * m, w);
        path.setFillRule(Qt::WindingFill);
        break;
    }
    case ToolPicture::Delete: {
        QPainterPath bar;
        const qreal w = s * 0.2;
        bar.addRect(-w / 2, -s * 0.38, w, s * 0.76);
        QTransform turn;
        turn.translate(s / 2, s / 2);
        turn.rotate(45);
        path.addPath(turn.map(bar));
        turn.rotate(90);
        path.addPath(turn.map(bar));
        path.setFillRule(Qt::WindingFill);
        break;
    }
    case ToolPicture::Clear: {
        // A waste bin.
        path.addRect(s * 0.2, s * 0.2, s * 0.6, s * 0.1);
        path.addRect(s * 0.4, s * 0.12, s * 0.2, s * 0.08);
        QPainterPath bin;
        bin.moveTo(s * 0.26, s * 0.34);
        bin.lineTo(s * 0.74, s * 0.34);
        bin.lineTo(s * 0.68, s * 0.88);
        bin.lineTo(s * 0.32, s * 0.88);
        bin.closeSubpath();
        path.addPath(bin);
        break;
    }
    case ToolPicture::Start:
    case ToolPicture::Resume:
        path.moveTo(s * 0.28, m);
        path.lineTo(s - m, s / 2);
        path.lineTo(s * 0.28, s - m);
        path.closeSubpath();
        break;
    case ToolPicture::Stop:
        path.addRoundedRect(m * 1.3, m * 1.3, s - 2.6 * m, s - 2.6 * m, s * 0.08, s * 0.08);
        break;
    case ToolPicture::Pause:
        path.addRoundedRect(s * 0.22, m, s * 0.2, s - 2 * m, s * 0.04, s * 0.04);
        path.addRoundedRect(s * 0.58, m, s * 0.2, s - 2 * m, s * 0.04, s * 0.04);
        break;
    case ToolPicture::Options: {
        // A cog wheel: a ring with eight teeth.
        QPainterPath teeth;
        for (int i = 0; i < 8; ++i) {
            QPainterPath tooth;
            tooth.addRect(-s * 0.07, -s * 0.44, s * 0.14, s * 0.2);
            QTransform turn;
            turn.translate(s / 2, s / 2);
            turn.rotate(45.0 * i);
            teeth.addPath(turn.map(tooth));
        }
        QPainterPath ring;
        ring.addEllipse(QPointF(s / 2, s / 2), s * 0.3, s * 0.3);
        QPainterPath hole;
        hole.addEllipse(QPointF(s / 2, s / 2), s * 0.12, s * 0.12);
        path = teeth.united(ring).subtracted(hole);
        break;
    }
    case ToolPicture::MoveUp:
    case ToolPicture::MoveDown: {
        path.moveTo(s / 2, m);
        path.lineTo(s - m, s * 0.5);
        path.lineTo(s * 0.62, s * 0.5);
        path.lineTo(s * 0.62, s - m);
        path.lineTo(s * 0.38, s - m);
        path.lineTo(s * 0.38, s * 0.5);
        path.lineTo(m, s * 0.5);
        path.closeSubpath();
        if (picture == ToolPicture::MoveDown) {
            QTransform flip;
            flip.translate(0, s);
            flip.scale(1, -1);
            path = flip.map(path);
        }
        break;
    }
    case ToolPicture::Rename: {
        // A pencil.
        QPainterPath pencil;
        pencil.moveTo(-s * 0.09, -s * 0.4);
        pencil.lineTo(s * 0.09, -s * 0.4);
        pencil.lineTo(s * 0.09, s * 0.24);
        pencil.lineTo(0, s * 0.42);
        pencil.lineTo(-s * 0.09, s * 0.24);
        pencil.closeSubpath();
        QTransform turn;
        turn.translate(s / 2, s / 2);
        turn.rotate(45);
        path = turn.map(pencil);
        break;
    }
    }
    return path;
}

QPixmap drawTool(ToolPicture picture, int size, bool enabled)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Palette colours = paletteOf(picture);
    if (!enabled)
        colours = {QColor(0xa8, 0xa8, 0xa8), QColor(0x70, 0x70, 0x70)};
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, colours.main.lighter(135));
    fill.setColorAt(1, colours.main);
    painter.setPen(QPen(colours.dark, qMax(1.0, size / 24.0)));
    painter.setBrush(fill);
    painter.drawPath(shapeOf(picture, size));
    return pixmap;
}

}  // namespace

QIcon toolIcon(ToolPicture picture, int size)
{
    QIcon icon;
    icon.addPixmap(drawTool(picture, size, true), QIcon::Normal);
    icon.addPixmap(drawTool(picture, size, false), QIcon::Disabled);
    return icon;
}

QPixmap emptyListPicture(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, size.height());
    background.setColorAt(0, QColor(0x46, 0x4b, 0x55));
    background.setColorAt(1, QColor(0x24, 0x27, 0x2d));
    painter.fillRect(pixmap.rect(), background);

    // A film strip with a plus sign: "add your videos here".
    const QRectF strip(size.width() / 2.0 - 70, size.height() / 2.0 - 72, 140, 96);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1a, 0x1c, 0x20));
    painter.drawRoundedRect(strip, 8, 8);
    painter.setBrush(QColor(0xd0, 0xd4, 0xdc));
    for (int i = 0; i < 7; ++i) {
        painter.drawRect(QRectF(strip.left() + 8 + i * 19, strip.top() + 6, 10, 8));
        painter.drawRect(QRectF(strip.left() + 8 + i * 19, strip.bottom() - 14, 10, 8));
    }
    painter.setBrush(QColor(0x2f, 0x9e, 0xe8));
    painter.drawRect(QRectF(strip.left() + 10, strip.top() + 20, strip.width() - 20, strip.height() - 40));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(strip.center().x() - 4, strip.center().y() - 18, 8, 36));
    painter.drawRect(QRectF(strip.center().x() - 18, strip.center().y() - 4, 36, 8));

    QFont font = painter.font();
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(QColor(0xe8, 0xea, 0xee));
    painter.drawText(QRectF(0, strip.bottom() + 14, size.width(), 24), Qt::AlignCenter,
                     QStringLiteral("点击“添加”按钮，把视频或音频文件加入转换列表"));
    return pixmap;
}

QPixmap logoPicture(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(pixmap.rect()).adjusted(4, 4, -4, -4);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(0x5a, 0xb4, 0xf5));
    fill.setColorAt(1, QColor(0x1b, 0x4f, 0x9c));
    painter.setPen(QPen(QColor(0x12, 0x35, 0x6b), 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 18, 18);

    // A play triangle inside a Q.
    const QPointF centre = box.center();
    const qreal r = box.width() * 0.32;
    painter.setPen(QPen(Qt::white, box.width() * 0.07, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    painter.drawLine(centre + QPointF(r * 0.45, r * 0.45), centre + QPointF(r * 1.05, r * 1.05));
    QPainterPath play;
    play.moveTo(centre + QPointF(-r * 0.3, -r * 0.45));
    play.lineTo(centre + QPointF(r * 0.5, 0));
    play.lineTo(centre + QPointF(-r * 0.3, r * 0.45));
    play.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xd2, 0x4a));
    painter.drawPath(play);
    return pixmap;
}

}  // namespace app
