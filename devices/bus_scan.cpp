#include "devices/bus_scan.h"

#include "addressing/matrix_model.h"
#include "addressing/trace.h"
#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

namespace {

using dali::code;
using dali::Op;
using namespace bridge_status;

constexpr StringId kTitleBusError = 249, kTextBusError = 250, kTitleBusBusy = 251, kTextBusBusy = 252;
constexpr StringId kTitleSearching = 189, kTextSearching = 199, kCaptionCancel = 181;

const QString kStatePrefix = QStringLiteral("State: ");
const QString kErrorPrefix = QStringLiteral("DALI Error: ");

// One query and the idle wait after it; the answer as it stands. Window
// events run after every query, so the window stays responsive (a query and
// its waits take about 50 ms of bus time).
uint8_t ask(BusScanContext& c, uint8_t address, uint8_t opcode, uint8_t& status) {
    uint8_t answer = 0;
    status = 0;
    dalikit_Query(c.link, address, opcode, answer, status);
    dalikit_WaitIdle(c.link);
    c.processPendingEvents();
    return answer;
}

// Reads groups, device type(s) and (device type 6) the dimming curve of the gear
// at this address; returns the status of the last query.
uint8_t readFoundGear(BusScanContext& c, int address, DeviceRecord& record) {
    const uint8_t a = dali::commandAddress(address);
    uint8_t status = 0;
    record.present = 1;
    const uint8_t low = ask(c, a, code(Op::QueryGroups0To7), status);
    const uint8_t high = ask(c, a, code(Op::QueryGroups8To15), status);
    record.SetGroupMask(uint16_t(high << 8 | low));
    record.deviceType = ask(c, a, code(Op::QueryDeviceType), status);
    if (record.deviceType == dali::kMask && isCleanAnswer(status))
        record.deviceTypes = ListDeviceTypes([&]() -> std::optional<uint8_t> {
            const uint8_t next = ask(c, a, code(Op::QueryNextDeviceType), status);
            return isCleanAnswer(status) ? std::optional<uint8_t>(next) : std::nullopt;
        });
    if (HasDeviceType(record, dali::kDeviceTypeLedModule)) {
        dalikit_Send(c.link, code(dali::SpecialOp::EnableDeviceType), dali::kDeviceTypeLedModule);
        dalikit_WaitIdle(c.link);
        record.dimmingCurve = ask(c, a, code(dali::Dt6Op::QueryDimmingCurve), status);
    }
    return status;
}

}  // namespace

BusScanResult RunBusScan(BusScanContext& c) {
    BusScanResult result;
    const BusLink& link = c.link;

    uint8_t status = 0;
    dalikit_ReadRegister(link, bridge_register::kStatus, status);
    if (status & kBusError) {
        c.prompts.ShowMessage(kTitleBusError, kTextBusError);
        result.presentCount = c.store.PresentCount();
        return result;
    }
    if (status & kBusy) {
        c.prompts.ShowMessage(kTitleBusBusy, kTextBusBusy);
        result.presentCount = c.store.PresentCount();
        return result;
    }
    result.ran = true;

    const QString& module = c.languageModulePath;
    c.waitDialog.Show({LoadText(kTitleSearching, module), LoadText(kTextSearching, module), 1, 1,
                       LoadText(kCaptionCancel, module), 64});
    c.matrix.ResetFlags();
    c.processPendingEvents();
    c.repaintMatrix();
    c.store.ClearWorkingTableKeepingNames();

    uint8_t stale = 0;
    dalikit_ReadRegister(link, bridge_register::kFrame, stale);  // drops an answer left over from before
    dalikit_Send(link, code(dali::SpecialOp::Terminate), 0x00);
    dalikit_WaitIdle(link);

    int address = 0;
    LinkResult busFault = 0;
    int overruns = 0;
    int asks = 0;  // of the current address
    while (true) {
        uint8_t s = 0;
        ask(c, dali::commandAddress(address), code(Op::QueryStatus), s);
        ++asks;
        const bool garbled = (s & (kValid | kOverrun)) == 0 && (s & kFrameError);
        if (s & kValid) {
            if ((s & kLengthMask) == 1) {
                s = readFoundGear(c, address, c.store.workingTable[size_t(address)]);
                c.matrix.cells[size_t(address)].present = 1;
                c.repaintMatrix();
                c.processPendingEvents();
                c.repaintMatrix();
                ++address;
                overruns = 0;
                asks = 0;
            }
            if ((s & kLengthMask) == 2)
                TraceText(kStatePrefix, QStringLiteral("DALIKIT_STATE_2BYTE"));
            else if ((s & kLengthMask) == 3)
                TraceText(kStatePrefix, QStringLiteral("DALIKIT_STATE_3BYTE"));
        } else if (s & kOverrun) {
            TraceText(kStatePrefix, QStringLiteral("DALIKIT_STATE_OVERRUN"));
            ++overruns;
        } else if (s == 0) {
            ++address;
            asks = 0;
        } else if (s & kFrameError) {
            // Several gear answered differently: two gear share this address.
            TraceText(kStatePrefix, QStringLiteral("DALIKIT_STATE_FRAMEERROR"));
        }
        if (asks >= kMaxAsksPerAddress) {
            TraceText(kErrorPrefix, QStringLiteral("No clear answer from address %1").arg(address));
            result.unclearAddresses.push_back(address);
            c.store.unclearAddresses.set(size_t(address));
            if (garbled)
                result.sharedAddresses.push_back(address);
            ++address;
            asks = 0;
        }
        if (overruns >= kMaxOverruns) {
            TraceText(kErrorPrefix, QStringLiteral("Too much trafic"));
            break;
        }
        if (c.waitDialog.CancelRequested())
            break;
        c.waitDialog.Step();
        c.processPendingEvents();
        // A bus that lost its power or is held busy answers no address: the
        // scan stops rather than ask each one ten times over.
        busFault = dalikit_WaitIdle(link) & (link_result::kBusError | link_result::kWaitTimedOut);
        if (busFault || address >= 64)
            break;
    }

    dalikit_Send(link, code(dali::SpecialOp::Terminate), 0x00);
    dalikit_WaitIdle(link);
    result.presentCount = c.store.PresentCount();
    result.busFault = busFault;
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& record = c.store.workingTable[size_t(a)];
        if (record.present != 1 && !record.name.isEmpty())
            result.silentNamedAddresses.push_back(a);
    }
    c.waitDialog.Hide();
    if (busFault & link_result::kBusError)
        c.prompts.ShowMessage(kTitleBusError, kTextBusError);
    else if (busFault)
        c.prompts.ShowMessage(kTitleBusBusy, kTextBusBusy);
    return result;
}
