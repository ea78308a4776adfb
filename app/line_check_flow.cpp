// The project is the one opened (projectTable), not the working table: the
// tabs' edits and a transfer's copy are no measure of the installation.

#include "app/line_check_flow.h"

#include "app/addressing_flow.h"
#include "app/selection_flow.h"
#include "app/tab_flow.h"
#include "app/view_surface.h"
#include "devices/line_check_text.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/file_flow_context.h"
#include "storage/file_replacement.h"
#include "storage/load_text.h"

#include <algorithm>

namespace {
constexpr StringId kWriteTitle = 182, kWriteText = 206, kTitleBusError = 249, kTextBusError = 250,
                   kTitleBusBusy = 251, kTextBusBusy = 252;
}  // namespace

LineCheckContext LineCheckFlow::context() {
    return LineCheckContext{core_.busLink(),         core_.store.projectTable,
                            core_.waitDialog,        core_.services.prompts,
                            core_.languageModulePath(), [this] { core_.ProcessPendingEvents(); }};
}

void LineCheckFlow::CheckLine() {
    if (!core_.commands.IsEnabled(CommandId::CheckLine))
        return;
    LineCheckContext check = context();
    lastCheck_ = RunLineCheck(check);
    if (!lastCheck_.ran)
        return;
    lastCheck_.checkedAt = QDateTime::currentDateTime();
    presentGearChangesAtCheck_ = core_.presentGearChanges;

    LineCheckActions actions{lastCheck_, core_.languageModulePath(), {}, {}, {}, {}, {}, {}, -1};
    const auto onBus = [this](const LineCheckRow& row) {
        return MatrixModel::IsCell(row.address) && core_.store.workingTable[size_t(row.address)].present == 1;
    };
    actions.canSelect = onBus;
    actions.canSend = [onBus](const LineCheckRow& row) {
        return row.kind == LineCheckKind::ValueDiffers && onBus(row);
    };
    actions.canReplace = [](const LineCheckRow& row) { return row.kind == LineCheckKind::Missing; };
    actions.select = [this, onBus](const LineCheckRow& row) {
        if (onBus(row))
            selection_.selectOnly(row.address);
    };
    actions.sendProjectValues = [this, onBus](const LineCheckRow& row) {
        if (onBus(row))
            sendProjectValues(row);
    };
    actions.exportCsv = [this] { exportCsv(); };
    core_.services.surface.RunLineCheckDialog(actions);
    if (actions.replaceAddress >= 0)
        addressing_.ReplaceGear(actions.replaceAddress);
}

void LineCheckFlow::sendProjectValues(const LineCheckRow& row) {
    DeviceStore& store = core_.store;
    const QString& module = core_.languageModulePath();
    const int address = row.address;
    // The gear takes the project's record, so the tabs show what it now holds:
    // the parts the project holds and the gear had been read for.
    DeviceRecord& record = store.workingTable[size_t(address)];
    const uint32_t busReadState = record.readState;
    record = OntoGear(store.projectTable[size_t(address)], record);
    core_.waitDialog.Show({LoadText(kWriteTitle, module), LoadText(kWriteText, module), 0, 0, QString(), 0});
    store.WriteAll(address);
    core_.waitDialog.Hide();
    record.readState &= busReadState;
    // The list says what the gear answers now, not what was sent.
    LineCheckContext again = context();
    LinkResult busFault = 0;
    std::vector<LineCheckRow> rows = CheckAddress(again, address, busFault);
    std::vector<LineCheckRow>& all = lastCheck_.rows;
    const auto first = std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.address >= address; });
    const auto last = std::find_if(first, all.end(), [&](const auto& r) { return r.address > address; });
    all.insert(all.erase(first, last), rows.begin(), rows.end());
    if (busFault) {
        lastCheck_.complete = false;
        const bool busError = busFault & link_result::kBusError;
        core_.services.prompts.ShowMessage(busError ? kTitleBusError : kTitleBusBusy,
                                           busError ? kTextBusError : kTextBusBusy);
    }
    if (store.selectedCount == 1 && store.selectedAddresses[0] == address)
        tabs_.ShowSelectedRecord(address);
}

void LineCheckFlow::exportCsv() {
    ExportInto(core_.services.prompts, QStringLiteral("csv"), QStringLiteral("CSV"), [this](const QString& path) {
        FileReplacement file(path);
        return file.Write(LineCheckCsv(lastCheck_, core_.languageModulePath())) && file.Commit();
    });
}
