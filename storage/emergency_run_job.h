#pragma once
// The emergency test run as a job: the units of the table (or of a group)
// tested one after the other under the wait dialog, whose cancel stops the
// run; the results appended to the project's logbook, a cancelled run's
// included, and listed. The window and the command line both run it.

#include "devices/emergency_test_run.h"
#include "storage/emergency_logbook.h"

#include <QString>

#include <functional>

class Prompts;
class WaitDialog;

struct EmergencyRunJobContext {
    BusLink link;
    DeviceTable& table;  // the scanned bus: present units and their names; takes the units' identities
    EmergencyRunChoice choice;
    QString projectPath;  // the logbook lies beside it
    Prompts& prompts;
    WaitDialog& waitDialog;
    QString languageModulePath;
    uint32_t staggerSeconds = 30;
    std::function<QDateTime()> clock{};  // the wall clock; tests give their own
};

struct EmergencyRunJobResult {
    bool ran = false;     // false: no unit to test (a notice said so)
    bool logged = false;  // the entries are in the logbook (else a list said why)
    std::vector<EmergencyLogEntry> entries;
};

EmergencyRunJobResult RunEmergencyRunJob(EmergencyRunJobContext& context);
