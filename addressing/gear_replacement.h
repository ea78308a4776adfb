#pragma once
// "Gerät ersetzen": gear of the open project that no longer answer are
// replaced by new gear without a short address. A new gear takes a missing
// address and gets the project's whole record for it (levels, fades, curve,
// fast fade time, groups, scenes, name). One missing address and one new
// gear take one question; otherwise the installer presses the new gear's
// key (physical selection) or, for gear without a key, watches the candidate
// flash, and picks the address it takes. Every step is confirmed on the bus,
// and the user reads a result list at the end.

#include "link/dalikit.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class DeviceStore;
class Prompts;
class WaitDialog;

namespace addressing {

struct ReplacementContext {
    const BusLink& link;
    DeviceStore& store;  // projectTable: the project; workingTable: the bus, takes the replaced records
    Prompts& prompts;
    WaitDialog& waitDialog;
    const QString& languageModulePath;
};

enum class ReplacementOutcome {
    Replaced,         // programmed, confirmed, written, read back as the project has it
    ReadBackDiffers,  // programmed, confirmed and written, but the gear holds other values (detail)
    NotReadBack,      // programmed, confirmed and written, but the gear did not answer the read-back
    GearAnswers,      // a gear answers on the address: nothing was written
    NotConfirmed,     // the new gear did not confirm the address: nothing was written
    NotReplaced,      // skipped, cancelled, or no new gear left for it
};

struct ReplacementRow {
    int address = -1;
    ReplacementOutcome outcome = ReplacementOutcome::NotReplaced;
    QString detail;  // ReadBackDiffers: the differences
};

// Runs the whole replacement; `preferredAddress` (0..63) replaces only that
// address of the project, -1 every missing one. Nothing is sent without an
// interface. Returns the rows the result list showed, one per address
// handled, ascending; empty when nothing was tried (no project, nothing
// missing, no new gear, the question declined: the user was told).
std::vector<ReplacementRow> RunGearReplacement(ReplacementContext& c, int preferredAddress = -1);

// The lines of the result list.
QStringList ReplacementLines(const std::vector<ReplacementRow>& rows, const DeviceStore& store,
                             const QString& languageModulePath);

}  // namespace addressing
