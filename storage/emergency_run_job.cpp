#include "storage/emergency_run_job.h"

#include "devices/gear_identity.h"
#include "devices/prompts.h"
#include "devices/send_all.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

namespace {
constexpr StringId kRunTitle = 660, kNoUnits = 665, kRunText = 666, kProgress = 667, kCancel = 181, kResults = 668,
                   kNotLogged = 669;
}

EmergencyRunJobResult RunEmergencyRunJob(EmergencyRunJobContext& c) {
    EmergencyRunJobResult result;
    EmergencyTestRunContext context{c.link, EmergencyUnitsOf(c.table, c.choice.group), c.choice.kind};
    if (context.units.empty()) {
        c.prompts.ShowMessage(kRunTitle, kNoUnits);
        return result;
    }
    result.ran = true;
    // A result belongs to the unit, not to its address: a unit that tells
    // its identification number is logged with it.
    for (int address : context.units) {
        DeviceRecord& unit = c.table[size_t(address)];
        LinkResult ignored = 0;
        if (!unit.identity.identificationNumber)
            if (const std::optional<GearIdentity> identity = ReadGearIdentity(c.link, address, ignored))
                unit.identity = *identity;
    }
    context.staggerSeconds = c.staggerSeconds;
    context.clock = c.clock;

    const QString& module = c.languageModulePath;
    WaitDialog& wait = c.waitDialog;
    wait.Show({LoadText(kRunTitle, module), LoadText(kRunText, module), 1, 1, LoadText(kCancel, module),
               int32_t(context.units.size())});
    int stepped = 0;
    context.progress = [&](int finished, int total) {
        wait.SetProgressText(FormatNumbers(LoadText(kProgress, module), {finished, total}));
        for (; stepped < finished; ++stepped)
            wait.Step();
        wait.Repaint();
    };
    context.cancelRequested = [&wait] {
        wait.ProcessPendingEvents();
        return wait.CancelRequested();
    };
    RunEmergencyTestRun(context);
    wait.Hide();

    // Whatever was learnt is kept, a cancelled run's results included.
    result.entries = EmergencyLogEntries(context.results, c.table);
    QString error;
    result.logged = AppendToEmergencyLogbook(EmergencyLogbookPath(c.projectPath), result.entries, error);
    if (!result.logged)
        c.prompts.ShowList(kRunTitle, kNotLogged, {error});
    QStringList rows;
    rows.reserve(qsizetype(result.entries.size()));
    for (const EmergencyLogEntry& entry : result.entries)
        rows << EmergencyLogbookRow(entry, module).join(QStringLiteral("  "));
    c.prompts.ShowList(kRunTitle, kResults, rows);
    return result;
}
