#include "devices/send_all.h"

#include "devices/device_store.h"
#include "devices/gear_writing.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <vector>

namespace {

constexpr StringId kWriting = 182, kWaitWriting = 206, kNothingSelected = 421, kOverwriteWarning = 408, kOk = 179,
                   kCancel = 181, kSendingBasic = 301;

const QString kSendingScenes = QStringLiteral("Send data to device %d of %d");

}  // namespace

QString FormatNumbers(QString text, std::initializer_list<int> numbers) {
    qsizetype from = 0;
    for (int number : numbers) {
        const qsizetype at = text.indexOf(QLatin1String("%d"), from);
        if (at < 0)
            break;
        const QString digits = QString::number(number);
        text.replace(at, 2, digits);
        from = at + digits.size();
    }
    return text;
}

SendAllResult RunSendAll(SendAllContext& c) {
    SendAllResult result;
    if (!c.link.handle)
        return result;
    if (c.store.selectedCount < 1) {
        c.prompts.ShowMessage(kWriting, kNothingSelected);
        return result;
    }
    result.selectionChecked = true;
    // The information tab has nothing to send; the colour tab sends with its own button.
    if (c.currentTab != DeviceTab::Basic && c.currentTab != DeviceTab::Scenes)
        return result;

    const QString& module = c.languageModulePath;
    const bool basic = c.currentTab == DeviceTab::Basic;
    auto send = [&](int address) {
        DeviceRecord& record = c.store.workingTable[size_t(address & 0x3F)];
        if (basic)
            SendBasicSettings(c.link, record, address, c.basic);
        else
            SendScenes(c.link, record, address, c.scenes);
    };

    const int count = c.store.selectedCount;
    if (count == 1) {
        c.waitDialog.Show({LoadText(kWriting, module), LoadText(kWaitWriting, module), 0, 0, {}, 0});
        send(c.store.selectedAddresses[0]);
        c.waitDialog.Hide();
        result.sent = true;
        return result;
    }
    if (c.prompts.AskConfirmation(kWriting, kOverwriteWarning, kOk, kCancel, 0) != kDialogOk)
        return result;
    // The selection as it was asked about: clicks while the job lets window
    // events run must not change whom it writes to.
    const std::vector<int32_t> addresses(c.store.selectedAddresses.begin(), c.store.selectedAddresses.begin() + count);
    const QString progress = basic ? LoadText(kSendingBasic, module) : kSendingScenes;
    c.waitDialog.Show({LoadText(kWriting, module), LoadText(kWaitWriting, module), 1, 0, {}, count});
    for (int i = 0; i < count; ++i) {
        c.waitDialog.SetProgressText(FormatNumbers(progress, {i, count}));
        c.waitDialog.Repaint();
        send(addresses[size_t(i)]);
        c.waitDialog.Step();
        c.processPendingEvents();
    }
    c.waitDialog.Hide();
    result.sent = true;
    return result;
}
