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
};

// The dialogs' result after "Schließen".
inline constexpr int kManagerClosed = 8;

// "Schließen": online with changes not applied, asks whether to go on.
// True when the dialog may close.
bool ManagerMayClose(ManagerContext& c, int changeCount);
