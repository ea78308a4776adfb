// "Anlage prüfen": the check job, then its list with what can be done per
// row. The project is the one opened (projectTable), not the working table:
// the tabs' edits and a transfer's copy are no measure of the installation.

#include "app/line_check_flow.h"

#include "app/main_view.h"
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

void MainView::CheckLine() {
    if (!commands_.IsEnabled(CommandId::CheckLine))
        return;
    const QString& module = services_.settings.languageModulePath;
    const auto context = [this, &module] {
        return LineCheckContext{busLink(), store_.projectTable, viewWaitDialog_, services_.prompts, module,
                                [this] { services_.surface.ProcessPendingEvents(); }};
    };
    LineCheckContext check = context();
    lineCheck_ = RunLineCheck(check);
    if (!lineCheck_.ran)
        return;

    LineCheckActions actions{lineCheck_, module, {}, {}, {}, {}, {}, {}, -1};
    const auto onBus = [this](const LineCheckRow& row) {
        return MatrixModel::IsCell(row.address) && store_.workingTable[size_t(row.address)].present == 1;
    };
    actions.canSelect = onBus;
    actions.canSend = [onBus](const LineCheckRow& row) {
        return row.kind == LineCheckKind::ValueDiffers && onBus(row);
    };
    actions.canReplace = [](const LineCheckRow& row) { return row.kind == LineCheckKind::Missing; };
    actions.select = [this, onBus](const LineCheckRow& row) {
        if (!onBus(row))
            return;
        for (MatrixCell& cell : matrix_.cells)
            cell.selected = 0;
        matrix_.cells[size_t(row.address)].selected = 1;
        services_.surface.RepaintMatrix();
        ClickOnline();
    };
    actions.sendProjectValues = [this, onBus, context, &module](const LineCheckRow& row) {
        if (!onBus(row))
            return;
        const int address = row.address;
        // The gear takes the project's record, so the tabs show what it now holds.
        DeviceRecord& record = store_.workingTable[size_t(address)];
        const uint32_t readState = record.readState;
        record = store_.projectTable[size_t(address)];
        record.readState = readState;
        viewWaitDialog_.Show({LoadText(kWriteTitle, module), LoadText(kWriteText, module), 0, 0, QString(), 0});
        store_.WriteAll(address);
        viewWaitDialog_.Hide();
        // The list says what the gear answers now, not what was sent.
        LineCheckContext again = context();
        LinkResult busFault = 0;
        std::vector<LineCheckRow> rows = CheckAddress(again, address, busFault);
        std::vector<LineCheckRow>& all = lineCheck_.rows;
        const auto first = std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.address >= address; });
        const auto last = std::find_if(first, all.end(), [&](const auto& r) { return r.address > address; });
        all.insert(all.erase(first, last), rows.begin(), rows.end());
        if (busFault) {
            lineCheck_.complete = false;
            const bool busError = busFault & link_result::kBusError;
            services_.prompts.ShowMessage(busError ? kTitleBusError : kTitleBusBusy,
                                          busError ? kTextBusError : kTextBusBusy);
        }
        if (store_.selectedCount == 1 && store_.selectedAddresses[0] == address)
            ShowSelectedRecord(address);
    };
    actions.exportCsv = [this, &module] {
        ExportInto(services_.prompts, QStringLiteral("csv"), QStringLiteral("CSV"), [this, &module](const QString& path) {
            FileReplacement file(path);
            return file.Write(LineCheckCsv(lineCheck_, module)) && file.Commit();
        });
    };
    services_.surface.RunLineCheckDialog(actions);
    if (actions.replaceAddress >= 0)
        ReplaceGear(actions.replaceAddress);
}
