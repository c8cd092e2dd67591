#pragma once
// The commands whose enabled state changes with the list and the batch.
// A command's tool button and its menu items share one enabled state; the
// tool buttons show their enabled or disabled picture with it.

#include <QList>
#include <QPointer>

#include <array>

class QAction;
class QWidget;

namespace app {

enum class Command { Add, Delete, Rename, Clear, Start, Stop, Pause, Resume };
inline constexpr int kCommandCount = 8;

class CommandSet {
public:
    // Ties a tool button or a menu item to `command`.
    void bind(Command command, QWidget* button);
    void bind(Command command, QAction* item);

    void setEnabled(Command command, bool enabled);
    bool isEnabled(Command command) const;

    // The state at start-up: Add on, everything else off.
    void setStartupState();

private:
    struct Members {
        QList<QPointer<QWidget>> buttons;
        QList<QPointer<QAction>> items;
    };
    std::array<Members, kCommandCount> members_;
};

}  // namespace app
