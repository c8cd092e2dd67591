#include "app/AboutBox.h"

#include "app/Pictures.h"
#include "app/ProductInfo.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QPushButton>

namespace app {

AboutBox::AboutBox(platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("关于软件"));
    setModal(true);
    setFixedSize(406, 281);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(24, 40, 117, 115);
    logo->setPixmap(logoPicture(logo->size()));

    auto* name = new QLabel(kApplicationTitle, this);
    name->setObjectName(QStringLiteral("bsSkinStdLabel1"));
    name->setGeometry(160, 50, 230, 24);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    name->setFont(bold);

    auto* version = new QLabel(kVersionText, this);
    version->setObjectName(QStringLiteral("bsSkinStdLabel2"));
    version->setGeometry(160, 86, 230, 22);

    auto* siteLabel = new QLabel(QStringLiteral("官方网站："), this);
    siteLabel->setObjectName(QStringLiteral("bsSkinStdLabel3"));
    siteLabel->setGeometry(160, 120, 70, 22);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(kWebSite), this);
    link->setObjectName(QStringLiteral("bsSkinLinkLabel1"));
    link->setGeometry(226, 120, 176, 22);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setOpenExternalLinks(false);
    connect(link, &QLabel::linkActivated, this, [this](const QString& url) { platform_.openUrl(url); });

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("bsSkinButton1"));
    ok->setGeometry(163, 232, 80, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::bsSkinButton1Click);
}

void AboutBox::bsSkinButton1Click()
{
    accept();
}

}  // namespace app
