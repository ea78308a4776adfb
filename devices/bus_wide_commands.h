#pragma once
// The Extras menu's commands for every gear at once, with broadcast frames:
// reset the bus, all off, remove all groups, remove all scenes. Each keeps the
// working table in step with what it did to the gear.

#include "link/dalikit.h"

#include <QString>

#include <functional>

class DeviceStore;
class Prompts;
class WaitDialog;

struct BusWideContext {
    BusLink link;
    DeviceStore& store;
    Prompts& prompts;
    WaitDialog& waitDialog;
    QString languageModulePath;
    std::function<void()> resetMatrix;  // clear the device matrix's flags and repaint
    std::function<void()> processPendingEvents;
};

// Asks first; RESET and then every short address erased. Reports the outcome.
void ResetBus(BusWideContext& context);
// Broadcast OFF without asking; reports the outcome.
void AllOff(BusWideContext& context);
// Asks first; REMOVE FROM GROUP 0..15 to all gear. Only a failure is shown.
void RemoveAllGroups(BusWideContext& context);
// Asks first; REMOVE FROM SCENE 0..15 to all gear. Only a failure is shown.
void RemoveAllScenes(BusWideContext& context);
