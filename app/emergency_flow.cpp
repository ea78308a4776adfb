#include "app/emergency_flow.h"

#include "app/device_tabs.h"
#include "dali/dali_commands.h"
#include "devices/emergency_reading.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

namespace {
constexpr StringId kReadingTitle = 177, kReadingText = 188, kFailedTitle = 560, kFailedText = 663;
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
