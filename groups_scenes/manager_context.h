#pragma once
// What the group and scene managers work with, handed over by the main view.

#include "link/dalikit.h"

#include <QString>

#include <cstdint>
#include <functional>

class DeviceStore;
class Prompts;

struct ManagerContext {
    BusLink link;  // null handle: nothing can be sent
    DeviceStore& store;
    uint8_t offlineMode = 0;
    Prompts& prompts;
    QString languageModulePath;
    std::function<void()> processPendingEvents;
    // A name changed: the project has a change to save.
    std::function<void()> projectEdited{};
};

// The dialogs' result after "Schließen".
inline constexpr int kManagerClosed = 8;

// "Schließen": online with changes not applied, asks whether to go on.
// True when the dialog may close.
bool ManagerMayClose(ManagerContext& c, int changeCount);

// A gear's name typed into a manager's list goes straight into its record,
// as the project keeps it; nothing is sent, and nothing waits for
// "Übernehmen", which only writes to the gear.
void ManagerNameEdited(ManagerContext& c, int address, const QString& name);
