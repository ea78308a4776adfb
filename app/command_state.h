#pragma once
// The main view's command enable flags: one 32-bit flag per command that the
// command table gives a flag; the others are always or never enabled.

#include "app/command_table.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>

class CommandState {
public:
    // Every flag at its start value.
    CommandState();

    bool IsEnabled(CommandId id) const;

    // Sets the flags of these commands; commands without a flag are left alone.
    void Set(std::initializer_list<CommandId> ids, bool on);
    void Set(CommandId id, bool on) { Set({id}, on); }

    int32_t Flag(CommandId id) const;

    // Whether the working table has present gear, for the commands whose
    // rule asks; the main view answers it. Without an answer: no.
    std::function<bool()> hasPresentGear;
    // Whether the view is connected with a project open; without an answer: no.
    std::function<bool()> hasConnectedProject;
    // Whether the view is connected with gear found; without an answer: no.
    std::function<bool()> hasConnectedGear;
    // Whether the view is online with exactly one present gear selected; without an answer: no.
    std::function<bool()> hasOneSelectedGear;

private:
    std::map<CommandId, int32_t> flags_;
};
