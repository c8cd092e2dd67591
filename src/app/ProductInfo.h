#pragma once
// Fixed facts about the product.

#include <QString>

namespace app {

inline const QString kApplicationTitle = QStringLiteral("QuorvinXvid视频格式转换器");
inline const QString kVersionText = QStringLiteral("Ver:10.8.0.0");
inline const QString kHelpFileName = QStringLiteral("help.chm");  // set at start-up, opened by no command
// The product web site, opened by "帮助系统", "官方网站" and the About box.
inline const QString kWebSite = QStringLiteral("https://quorvinxvid.example/");

}  // namespace app
