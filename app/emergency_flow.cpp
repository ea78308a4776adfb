#include "app/emergency_flow.h"

#include "app/device_tabs.h"
#include "app/emergency_logbook_actions.h"
#include "app/view_surface.h"
#include "dali/dali_commands.h"
#include "devices/emergency_reading.h"
#include "devices/emergency_test_run.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/emergency_logbook.h"
#include "storage/emergency_run_job.h"
#include "storage/file_flow_context.h"
#include "storage/file_replacement.h"
#include "storage/load_text.h"

namespace {
constexpr StringId kReadingTitle = 177, kReadingText = 188, kFailedTitle = 560, kFailedText = 663, kRunTitle = 660,
                   kSaveFirst = 664, kLogbookTitle = 600, kNotRead = 675;

// The logbook's window works on what was read when it opened.
class LogbookWindow final : public EmergencyLogbookActions {
public:
    LogbookWindow(EmergencyLogbook logbook, ViewCore& core) : logbook_(std::move(logbook)), core_(core) {}

    const EmergencyLogbook& logbook() const override { return logbook_; }
    const QString& languageModulePath() const override { return core_.languageModulePath(); }
    void ExportCsv() override {
        ExportInto(core_.services.prompts, QStringLiteral("csv"), QStringLiteral("CSV"), [this](const QString& path) {
            FileReplacement file(path);
            return file.Write(EmergencyLogbookCsv(logbook_.entries, languageModulePath())) && file.Commit();
        });
    }
    void PrintPdf() override {
        ExportInto(core_.services.prompts, QStringLiteral("pdf"), QStringLiteral("PDF"), [this](const QString& path) {
            QString error;
            return core_.services.surface.WriteHtmlPdf(path, LoadText(kLogbookTitle, languageModulePath()),
                                                       EmergencyLogbookHtml(logbook_.entries, languageModulePath()),
                                                       error);
        });
    }

private:
    EmergencyLogbook logbook_;
    ViewCore& core_;
};
}  // namespace

std::optional<int> EmergencyFlow::selectedUnit() const {
    const DeviceStore& store = core_.store;
    const int first = store.selectedAddresses[0];
    if (store.selectedCount != 1 || !MatrixModel::IsCell(first))
        return std::nullopt;
    const DeviceRecord& record = store.workingTable[size_t(first)];
    return record.present == 1 && IsEmergencyUnit(record) ? std::optional<int>(first) : std::nullopt;
}

void EmergencyFlow::ShowPage() {
    const std::optional<int> unit = selectedUnit();
    if (unit && *unit != shownUnit_)
        core_.tabs.ShowEmergency(EmergencyState{});
    shownUnit_ = unit.value_or(-1);
    core_.tabs.ShowEmergencyPage(unit.has_value(), core_.busLink().handle != nullptr);
}

void EmergencyFlow::ShowUnit(int address, WaitDialog& wait) {
    if (selectedUnit() != address)
        return;
    EmergencyState state;
    if (core_.busLink().handle) {
        const QString& module = core_.languageModulePath();
        wait.Show({LoadText(kReadingTitle, module), LoadText(kReadingText, module), 0, 0, {}, 0});
        EmergencyReadContext context{core_.busLink(), address, state};
        ReadEmergencyState(context);
        wait.Hide();
    }
    shownUnit_ = address;
    core_.tabs.ShowEmergency(state);
}

LinkResult EmergencyFlow::Read(EmergencyState& state) {
    const std::optional<int> unit = selectedUnit();
    const BusLink link = core_.busLink();
    if (!unit || !link.handle)
        return 0;
    EmergencyReadContext context{link, *unit, state};
    return ReadEmergencyState(context);
}

LinkResult EmergencyFlow::Run(EmergencyAction action) {
    const std::optional<int> unit = selectedUnit();
    const BusLink link = core_.busLink();
    if (!unit || !link.handle)
        return 0;
    return RunEmergencyAction({link, dali::commandAddress(*unit)}, action);
}

void EmergencyFlow::Failed(LinkResult) { core_.services.prompts.ShowMessage(kFailedTitle, kFailedText); }

void EmergencyFlow::RunTestRun() {
    Prompts& prompts = core_.services.prompts;
    const BusLink link = core_.busLink();
    if (!link.handle)
        return;
    const QString project = projectPath ? projectPath() : QString();
    if (project.isEmpty()) {
        prompts.ShowMessage(kRunTitle, kSaveFirst);
        return;
    }
    EmergencyRunChoice choice;
    if (!core_.services.surface.RunEmergencyRunDialog(choice))
        return;
    EmergencyRunJobContext context{link,
                                   core_.store.workingTable,
                                   choice,
                                   project,
                                   prompts,
                                   core_.waitDialog,
                                   core_.languageModulePath(),
                                   uint32_t(core_.services.settings.emergencyStaggerSeconds),
                                   clock};
    RunEmergencyRunJob(context);
}

void EmergencyFlow::ShowLogbook() {
    Prompts& prompts = core_.services.prompts;
    QString path = projectPath ? projectPath() : QString();
    if (!path.isEmpty())
        path = EmergencyLogbookPath(path);
    else
        path = prompts.ChooseFile({false, QStringLiteral("log"), QStringLiteral("*.emergency.log"),
                                   QStringLiteral("Logbook (*.emergency.log)|*.emergency.log|All Files (*.*)|*.*||")});
    if (path.isEmpty())
        return;
    QString error;
    std::optional<EmergencyLogbook> logbook = ReadEmergencyLogbook(path, error);
    if (!logbook) {
        prompts.ShowList(kLogbookTitle, kNotRead, {error});
        return;
    }
    LogbookWindow window(std::move(*logbook), core_);
    core_.services.surface.RunEmergencyLogbookDialog(window);
}
