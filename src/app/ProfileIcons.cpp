#include "app/ProfileIcons.h"

#include <algorithm>

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "profiles/Categories.h"

namespace app {

namespace {

// The short mark on each category's tile; codes without a category show
// their number.
QString markOf(int code) {
    switch (code) {
        case 0: return QStringLiteral("PC");
        case 1: return QString(QChar(0x266B));  // beamed notes
        case 2: return QStringLiteral("HD");
        case 3: return QStringLiteral("iPod");
        case 4: return QStringLiteral("iPh");
        case 11: return QStringLiteral("FLV");
        case 12: return QStringLiteral("iPad");
        case 13: return QStringLiteral("MPG");
        case 15: return QStringLiteral("AVI");
        case 16: return QStringLiteral("MKV");
        case 17: return QStringLiteral("WMV");
        default: return QString::number(code);
    }
}

QPixmap tile(const QColor& colour) {
    QPixmap pixmap(kSelectorIconSize, kSelectorIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, kSelectorIconSize);
    shade.setColorAt(0, colour.lighter(140));
    shade.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(170), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(1.5, 1.5, kSelectorIconSize - 3, kSelectorIconSize - 3), 6, 6);
    return pixmap;
}

}  // namespace

QIcon categoryIcon(int categoryCode) {
    const int code = std::clamp(categoryCode, 0, profiles::kCategoryIconCount - 1);
    QPixmap pixmap = tile(QColor::fromHsv(code * 360 / profiles::kCategoryIconCount, 170, 210));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setBold(true);
    const QString mark = markOf(code);
    font.setPixelSize(mark.size() <= 2 ? 14 : (mark.size() == 3 ? 10 : 8));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSelectorIconSize, kSelectorIconSize), Qt::AlignCenter, mark);
    return QIcon(pixmap);
}

QIcon profileIcon(int index) {
    QPixmap pixmap = tile(index % 2 == 0 ? QColor(52, 120, 200) : QColor(60, 160, 90));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath play;
    play.moveTo(12, 9);
    play.lineTo(24, 16);
    play.lineTo(12, 23);
    play.closeSubpath();
    p.fillPath(play, Qt::white);
    return QIcon(pixmap);
}

}  // namespace app
