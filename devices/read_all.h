#pragma once
// "Alle Geräte auslesen": reads the parameters and scenes of every present
// gear, the colours of colour gear and, when asked for, the luminaire banks,
// after asking, under the wait dialog.
// Its cancel button stops the job after the gear being read.

#include <QString>

#include <functional>

class DeviceStore;
class Prompts;
class WaitDialog;

struct ReadAllContext {
    DeviceStore& store;  // its link reaches the gear
    Prompts& prompts;
    WaitDialog& waitDialog;
    QString languageModulePath;
    std::function<void()> processPendingEvents;
    bool askFirst = true;  // false: the user has already said yes elsewhere
    bool readBanks = false;  // the luminaire banks 1 and 202..207 as well
};

// Nothing happens without an interface or without present gear.
void RunReadAll(ReadAllContext& context);
