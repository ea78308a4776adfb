#include "storage/emergency_report.h"

#include "devices/emergency_text.h"
#include "devices/gear_identity.h"
#include "storage/installation_report.h"
#include "storage/load_text.h"

#include <map>

namespace {

constexpr StringId kHeading = 705, kLastFunctionTest = 706, kLastDurationTest = 707, kNotTested = 708,
                   kLogbookUnreadable = 709, kAddress = 594, kName = 595, kResult = 597, kDurationReached = 599;

struct LastTests {
    const EmergencyLogEntry* function = nullptr;
    const EmergencyLogEntry* duration = nullptr;
};

// "nicht bestanden: Batteriefehler"; the failure bits only where the test did not pass.
QString resultText(const EmergencyLogEntry& e, const QString& module) {
    QString text = EmergencyOutcomeText(e.outcome, module);
    if (e.outcome != EmergencyOutcome::Passed && e.failureStatus && *e.failureStatus != 0)
        text += QStringLiteral(": ") + EmergencyBitsText(EmergencyBits::Failure, e.failureStatus, module);
    return text;
}

bool isEmergencyUnit(const DeviceRecord& r) { return r.present == 1 && HasDeviceType(r, dali::kDeviceTypeEmergency); }

// The result is this unit's: by the identification number when both tell
// one (a number two units of the table share tells nothing), else by the
// address from the time the unit was placed there on.
bool isUnitsResult(const EmergencyLogEntry& e, int address, const DeviceRecord& unit, const QStringList& shared) {
    const QString number = IdentificationText(unit.identity);
    if (!e.unit.isEmpty() && !number.isEmpty() && !shared.contains(number))
        return e.unit == number;
    return e.shortAddress == address && e.at.toSecsSinceEpoch() >= unit.placedAt;
}

QStringList sharedNumbers(const DeviceTable& table) {
    QStringList seen, shared;
    for (const DeviceRecord& r : table) {
        const QString number = IdentificationText(r.identity);
        if (r.present != 1 || number.isEmpty())
            continue;
        if (seen.contains(number))
            shared << number;
        seen << number;
    }
    return shared;
}

}  // namespace

void AddEmergencyTestsToReport(InstallationReport& report, const std::vector<EmergencyLogEntry>& entries,
                               const QString& logbookError, const DeviceTable& table, const QString& module) {
    std::map<int, LastTests> units;
    for (int a = 0; a < kDeviceCount; ++a)
        if (isEmergencyUnit(table[size_t(a)]))
            units[a];
    const QStringList shared = sharedNumbers(table);
    // The latest result of each kind counts, whatever the order of the lines.
    // A result of no unit present now keeps a row of its address; when the
    // gear there now is another unit (replaced, moved), that one is not tested.
    for (const EmergencyLogEntry& e : entries) {
        if (e.shortAddress < 0 || e.shortAddress >= kDeviceCount)
            continue;
        int owner = -1;
        for (int a = 0; a < kDeviceCount && owner < 0; ++a)
            if (isEmergencyUnit(table[size_t(a)]) && isUnitsResult(e, a, table[size_t(a)], shared))
                owner = a;
        if (owner < 0) {
            // Offline the device types are not known: the record there may still be another unit.
            const DeviceRecord& there = table[size_t(e.shortAddress)];
            units[e.shortAddress];
            if (there.present == 1 && (isEmergencyUnit(there) || !isUnitsResult(e, e.shortAddress, there, shared)))
                continue;
            owner = e.shortAddress;
        }
        const EmergencyLogEntry*& last =
            e.kind == EmergencyTestKind::Function ? units[owner].function : units[owner].duration;
        if (!last || last->at <= e.at)
            last = &e;
    }
    if (units.empty() && logbookError.isEmpty())
        return;

    ReportSection section{LoadText(kHeading, module), {}, {}};
    if (!logbookError.isEmpty())
        section.lines << LoadText(kLogbookUnreadable, module).arg(logbookError);
    section.table.header = {LoadText(kAddress, module),          LoadText(kName, module),
                            LoadText(kLastFunctionTest, module), LoadText(kResult, module),
                            LoadText(kLastDurationTest, module), LoadText(kResult, module),
                            LoadText(kDurationReached, module)};
    const auto when = [&](const EmergencyLogEntry* e) {
        return e ? e->at.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : LoadText(kNotTested, module);
    };
    const auto result = [&](const EmergencyLogEntry* e) { return e ? resultText(*e, module) : QString(); };
    for (const auto& [address, last] : units) {
        // The project's name now; a unit no longer in the project keeps the logged one.
        QString name = table[size_t(address)].name;
        for (const EmergencyLogEntry* e : {last.duration, last.function})
            if (name.isEmpty() && e)
                name = e->name;
        const bool minutes = last.duration && last.duration->durationMinutes;
        section.table.rows.push_back({QString::number(address), name, when(last.function), result(last.function),
                                      when(last.duration), result(last.duration),
                                      minutes ? QString::number(*last.duration->durationMinutes) : QString()});
    }
    if (section.table.rows.empty())
        section.table.header.clear();
    report.sections.push_back(section);
}
