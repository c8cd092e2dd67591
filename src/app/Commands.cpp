#include "app/Commands.h"

#include <QAction>
#include <QWidget>

namespace app {

void CommandSet::bind(Command command, QWidget* button)
{
    members_[static_cast<int>(command)].buttons << button;
}

void CommandSet::bind(Command command, QAction* item)
{
    members_[static_cast<int>(command)].items << item;
}

void CommandSet::setEnabled(Command command, bool enabled)
{
    Members& members = members_[static_cast<int>(command)];
    for (QWidget* button : members.buttons) {
        if (button)
            button->setEnabled(enabled);
    }
    for (QAction* item : members.items) {
        if (item)
            item->setEnabled(enabled);
    }
}

bool CommandSet::isEnabled(Command command) const
{
    const Members& members = members_[static_cast<int>(command)];
    for (QWidget* button : members.buttons) {
        if (button)
            return button->isEnabled();
    }
    for (QAction* item : members.items) {
        if (item)
            return item->isEnabled();
    }
    return false;
}

void CommandSet::setStartupState()
{
    for (int command = 0; command < kCommandCount; ++command)
        setEnabled(static_cast<Command>(command), command == static_cast<int>(Command::Add));
}

}  // namespace app
