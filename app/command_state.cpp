#include "app/command_state.h"

CommandState::CommandState() {
    for (const CommandInfo& command : CommandTable())
        if (command.rule == EnableRule::Flag)
            flags_[command.id] = command.enabledAtStart ? 1 : 0;
}

bool CommandState::IsEnabled(CommandId id) const {
    const auto command = FindCommand(id);
    if (!command)
        return false;
    switch (command->rule) {
    case EnableRule::Always:
        return true;
    case EnableRule::Never:
        return false;
    case EnableRule::Flag:
        return Flag(id) != 0;
    case EnableRule::PresentGear:
        return hasPresentGear && hasPresentGear();
    case EnableRule::ConnectedProject:
        return hasConnectedProject && hasConnectedProject();
    case EnableRule::Connected:
        return hasConnectedGear && hasConnectedGear();
    case EnableRule::OneSelectedGear:
        return hasOneSelectedGear && hasOneSelectedGear();
    }
    return false;
}

void CommandState::Set(std::initializer_list<CommandId> ids, bool on) {
    for (CommandId id : ids)
        if (auto it = flags_.find(id); it != flags_.end())
            it->second = on ? 1 : 0;
}

int32_t CommandState::Flag(CommandId id) const {
    const auto it = flags_.find(id);
    return it == flags_.end() ? 0 : it->second;
}
