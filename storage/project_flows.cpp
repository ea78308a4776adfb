#include "storage/project_flows.h"

#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/send_all.h"
#include "devices/wait_dialog.h"
#include "storage/device_lines.h"
#include "storage/load_text.h"

namespace {

constexpr StringId kSaveTitle = 241, kSaveQuestion = 222, kYes = 239, kNo = 240, kReadTitle = 177, kReadText = 188,
                   kWarning = 265, kAddressesDiffer = 266, kShownNotSent = 267, kContinueTitle = 253,
                   kTransferQuestion = 344, kOk = 179, kCancel = 181, kWriteTitle = 182, kWriteText = 206,
                   kNotWritten = 446, kSavedUnread = 715, kPlanTitle = 850, kPlanLinesSkipped = 854;

const QString kProjectExtension = QStringLiteral("prj");
const QString kProjectFilter = QStringLiteral("Project file (*.prj)|*.prj|All Files (*.*)|*.*||");
const QString kDevicesProgress = QStringLiteral("Devices %d / %d");

}  // namespace

namespace {

void readEveryPresentGear(FileFlowContext& c, int present) {
    DeviceStore& store = c.store;
    const QString& module = c.languageModulePath;
    c.waitDialog.Show({LoadText(kReadTitle, module), LoadText(kReadText, module), 0, 0, QString(), 0});
    int k = 0;
    for (int a = 0; a < kDeviceCount; ++a) {
        if (store.workingTable[size_t(a)].present != 1)
            continue;
        c.waitDialog.SetProgressText(FormatNumbers(kDevicesProgress, {++k, present}));
        c.waitDialog.Step();
        c.processPendingEvents();
        store.ReadParameters(a);
        store.ReadScenes(a);
    }
    c.waitDialog.Hide();
}

}  // namespace

QString SaveProject(FileFlowContext& c) {
    DeviceStore& store = c.store;
    const int present = store.PresentCount();
    if (present == 0 || c.prompts.AskConfirmation(kSaveTitle, kSaveQuestion, kYes, kNo, 0) != kDialogOk)
        return {};
    // Offline the records are saved as shown; there is nothing to read them from.
    if (store.link.handle)
        readEveryPresentGear(c, present);
    QString path = ChooseFileWithExtension(c, true, kProjectExtension, kProjectFilter);
    if (path.isEmpty())
        return {};
    if (!WriteProjectFile(path, store.workingTable, store.projectHeader, store.floorPlans)) {
        c.prompts.ShowMessage(kSaveTitle, kNotWritten);
        return {};
    }
    QStringList unread;
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& record = store.workingTable[size_t(a)];
        constexpr uint32_t kBothParts = kReadStateParameters | kReadStateScenes;
        if (record.present == 1 && (record.readState & kBothParts) != kBothParts)
            unread << (record.name.isEmpty() ? QString::number(a) : QStringLiteral("%1 (%2)").arg(a).arg(record.name));
    }
    if (!unread.isEmpty())
        c.prompts.ShowList(kSaveTitle, kSavedUnread, unread);
    return path;
}

QString ChooseProjectFile(FileFlowContext& c) {
    return ChooseFileWithExtension(c, false, kProjectExtension, kProjectFilter);
}

void ReadOpenedProject(FileFlowContext& c, const QString& path) {
    int skipped = 0;
    ReadProjectFile(path, c.store.projectTable, &c.store.projectHeader, &c.store.floorPlans, &skipped);
    if (skipped > 0)
        c.prompts.ShowFilledMessage(kPlanTitle, kPlanLinesSkipped,
                                    LoadText(kPlanLinesSkipped, c.languageModulePath).arg(skipped));
}

void AdoptProjectNames(DeviceStore& store) {
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& project = store.projectTable[size_t(a)];
        DeviceRecord& record = store.workingTable[size_t(a)];
        if (project.present != 1 || record.present != 1)
            continue;
        if (!project.name.isEmpty())
            record.name = project.name;
        if (record.placedAt == 0)
            record.placedAt = project.placedAt;
    }
}

TransferOutcome TransferProject(FileFlowContext& c) {
    DeviceStore& store = c.store;
    AdoptProjectNames(store);
    for (int a = 0; a < kDeviceCount; ++a) {
        if (store.projectTable[size_t(a)].present != store.workingTable[size_t(a)].present) {
            c.prompts.ShowMessage(kWarning, kAddressesDiffer);
            return TransferOutcome::AddressesDiffer;
        }
    }
    for (int a = 0; a < kDeviceCount; ++a) {
        DeviceRecord& record = store.workingTable[size_t(a)];
        record = OntoGear(store.projectTable[size_t(a)], record);
    }
    if (c.prompts.AskConfirmation(kContinueTitle, kTransferQuestion, kOk, kCancel, 0) != kDialogOk) {
        c.prompts.ShowMessage(kWarning, kShownNotSent);
        return TransferOutcome::NotConfirmed;
    }
    const int present = store.PresentCount();
    const QString& module = c.languageModulePath;
    c.waitDialog.Show({LoadText(kWriteTitle, module), LoadText(kWriteText, module), 1, 0, QString(), present});
    int k = 0;
    for (int a = 0; a < kDeviceCount; ++a) {
        if (store.workingTable[size_t(a)].present != 1)
            continue;
        // This count starts at 0, the save's at 1.
        c.waitDialog.SetProgressText(FormatNumbers(kDevicesProgress, {k++, present}));
        c.waitDialog.Step();
        c.processPendingEvents();
        store.WriteAll(a);
    }
    c.waitDialog.Hide();
    return TransferOutcome::Sent;
}
