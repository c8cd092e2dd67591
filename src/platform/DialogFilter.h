#pragma once
// File-type filters of the open dialogs. The program writes them as a list
// of "description|patterns|" pairs, the patterns separated by ";"
// ("视频文件|*.avi;*.mp4|所有文件|*.*|"); Qt's dialogs want one
// "description (patterns)" entry per pair, the patterns separated by blanks.

#include <QString>
#include <QStringList>

namespace platform {

// The Qt name filters of `filter`, in order. A trailing description without
// patterns is dropped; an empty filter gives an empty list.
QStringList toQtNameFilters(const QString& filter);

}  // namespace platform
