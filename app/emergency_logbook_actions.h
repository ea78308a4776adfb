#pragma once
// What the emergency logbook's window offers: the logbook as read, and its
// exports. The main view's emergency flow implements it; the window only
// shows the entries and calls these.

#include "storage/emergency_logbook.h"

class EmergencyLogbookActions {
public:
    virtual ~EmergencyLogbookActions() = default;

    virtual const EmergencyLogbook& logbook() const = 0;
    virtual const QString& languageModulePath() const = 0;
    // Each asks for the file and writes it; a file that cannot be written is reported.
    virtual void ExportCsv() = 0;
    virtual void PrintPdf() = 0;
};
