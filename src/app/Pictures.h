#pragma once
// The program's own pictures, drawn in code: the tool-bar pictures (each
// with an enabled and a disabled look), the empty-list picture and the logo.

#include <QIcon>
#include <QPixmap>

namespace app {

enum class ToolPicture { Add, Delete, Clear, Start, Stop, Pause, Resume, Options, MoveUp, MoveDown, Rename };

// The picture in colour for the enabled button and in grey for the disabled one.
QIcon toolIcon(ToolPicture picture, int size = 32);

// The picture covering the empty job list.
QPixmap emptyListPicture(const QSize& size);

// The product logo of the About box.
QPixmap logoPicture(const QSize& size);

}  // namespace app
