#include "cli/cli_commands.h"

#include "app/interface_list.h"
#include "cli/address_command.h"
#include "cli/cli_json.h"
#include "cli/cli_session.h"
#include "cli/emergency_command.h"
#include "cli/report_command.h"
#include "cli/send_items.h"
#include "dali/dali_commands.h"
#include "devices/emergency_reading.h"
#include "devices/gear_commands.h"
#include "devices/line_check.h"
#include "devices/line_check_text.h"
#include "devices/read_all.h"
#include "devices/send_all.h"
#include "storage/device_lines.h"
#include "storage/file_flow_context.h"
#include "storage/project_flows.h"

#include <QFileInfo>
#include <QJsonArray>

#include <map>

namespace {

constexpr StringId kUnknownCommand = 771, kNoInterface = 776, kValueOutOfRange = 774, kProjectUnreadable = 775,
                   kCancelled = 780, kNoGear = 781, kQuestionRefused = 782, kUnknownItem = 787, kNotWritten = 784,
                   kUnknownCommandWord = 789;

constexpr unsigned kReadTimeoutMs = 2000;

using Command = ExitStatus (*)(CliSession&);

// Ctrl-C ended the job: what it did so far stands.
ExitStatus cancelledOr(CliSession& s, ExitStatus status) {
    if (!InterruptRequested())
        return status;
    s.fail(kCancelled);
    return ExitStatus::Cancelled;
}

ExitStatus connectAndScan(CliSession& s) {
    const ExitStatus connected = s.Connect();
    return connected == ExitStatus::Done ? s.Scan() : connected;
}

// The project file into the store's project table, header and plans, so a
// project saved again keeps them.
ExitStatus readProject(CliSession& s, const QString& path) {
    if (!QFileInfo(path).isReadable() ||
        ReadProjectFile(path, s.store.projectTable, &s.store.projectHeader, &s.store.floorPlans) == 0) {
        s.fail(kProjectUnreadable, path);
        return ExitStatus::FileError;
    }
    return ExitStatus::Done;
}

FileFlowContext fileContext(CliSession& s) {
    return {s.store, s.prompts, s.waitDialog, s.languageModulePath(), [] {}};
}

ExitStatus interfaces(CliSession& s) {
    QJsonArray list;
    if (kit_open()) {
        for (int i = 1; i <= kit_device_count(); ++i) {
            const KitHandle handle = kit_device_at(i);
            QString revision;
            if (kit_product_id(handle) == kQuorrelProductId) {
                kit_set_timeout(handle, kReadTimeoutMs);
                dalikit_EnableI2C(handle);
                const BusLink link{handle, dalikit_ProbeBridgeAddress(handle)};
                if (link.bridgeAddress != 0)
                    revision = QString::fromStdString(dalikit_ReadRevision(link));
            }
            list.append(
                QJsonObject{{"serial", InterfaceSerial(handle)},
                            {"productId", QStringLiteral("0x%1").arg(kit_product_id(handle), 4, 16, QLatin1Char('0'))},
                            {"revision", revision}});
        }
    }
    PrintOut(Render({{"interfaces", list}}, s.arguments.json));
    if (list.isEmpty()) {
        s.fail(kNoInterface);
        return ExitStatus::Interface;
    }
    return ExitStatus::Done;
}

ExitStatus scan(CliSession& s) {
    const ExitStatus status = connectAndScan(s);
    if (status != ExitStatus::Done)
        return status;
    PrintOut(Render(ScanJson(s.store.workingTable, s.store.unclearAddresses), s.arguments.json));
    return ExitStatus::Done;
}

ExitStatus read(CliSession& s) {
    ExitStatus status = connectAndScan(s);
    if (status != ExitStatus::Done)
        return status;
    DeviceTable& table = s.store.workingTable;
    if (!s.arguments.arguments.isEmpty()) {
        std::bitset<kDeviceCount> wanted;
        for (const QString& word : s.arguments.arguments)
            wanted.set(size_t(*ParseShortAddress(word)));
        for (int a = 0; a < kDeviceCount; ++a) {
            if (wanted.test(size_t(a)) && table[size_t(a)].present != 1) {
                s.fail(kNoGear, QString::number(a));
                return ExitStatus::BusError;
            }
            if (!wanted.test(size_t(a)))
                table[size_t(a)].present = 0;
        }
    }
    ReadAllContext context{s.store, s.prompts, s.waitDialog, s.languageModulePath(), [] {}, false};
    RunReadAll(context);
    QJsonArray gear;
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& record = table[size_t(a)];
        if (record.present != 1 || record.readState == 0)
            continue;
        // An emergency unit's state, as its tab reads it; after Ctrl-C nothing more is asked.
        EmergencyState state;
        const bool unit = IsEmergencyUnit(record) && !InterruptRequested();
        if (unit) {
            EmergencyReadContext reading{s.store.link, a, state};
            ReadEmergencyState(reading);
        }
        gear.append(RecordJson(a, record, unit ? &state : nullptr));
    }
    PrintOut(Render({{"gear", gear}}, s.arguments.json));
    return cancelledOr(s, ExitStatus::Done);
}

// One gear selected, as a click on its cell.
void select(DeviceStore& store, int address) {
    store.selectedCount = 1;
    store.selectedAddresses[0] = address;
}

ExitStatus command(CliSession& s) {
    const int address = *ParseShortAddress(s.arguments.arguments[0]);
    const QString& word = s.arguments.arguments[1];
    static const std::map<QString, dali::Op> kDirect{
        {QStringLiteral("off"), dali::Op::Off},
        {QStringLiteral("max"), dali::Op::RecallMaxLevel},
        {QStringLiteral("min"), dali::Op::RecallMinLevel},
    };
    const bool direct = kDirect.contains(word);
    if (!direct && word != QLatin1String("identify") && word != QLatin1String("reset")) {
        s.fail(kUnknownCommandWord, word);
        return ExitStatus::Usage;
    }
    const ExitStatus status = s.Connect();
    if (status != ExitStatus::Done)
        return status;
    select(s.store, address);
    GearCommandContext context{s.store.link, s.store, s.prompts, s.waitDialog, s.languageModulePath()};
    if (direct)
        SendToSelected(context, dali::code(kDirect.at(word)));
    else if (word == QLatin1String("identify"))
        IdentifySelected(context);
    else if (!FactoryResetSelected(context)) {
        s.fail(kQuestionRefused);
        return ExitStatus::Usage;
    }
    return ExitStatus::Done;
}

ExitStatus send(CliSession& s) {
    const int address = *ParseShortAddress(s.arguments.arguments[0]);
    const SendItems items = ParseSendItems(s.arguments.arguments.mid(1));
    if (!items.badWord.isEmpty()) {
        s.fail(items.unknownItem ? kUnknownItem : kValueOutOfRange, items.badWord);
        return ExitStatus::Usage;
    }
    const ExitStatus status = s.Connect();
    if (status != ExitStatus::Done)
        return status;
    DeviceStore& store = s.store;
    DeviceRecord& record = store.workingTable[size_t(address)];
    // The tab shows the gear's values before anything is sent.
    store.ReadParameters(address);
    if (items.anyScene)
        store.ReadScenes(address);
    const uint32_t needed = kReadStateParameters | (items.anyScene ? kReadStateScenes : 0);
    if ((record.readState & needed) != needed) {
        s.fail(kNoGear, QString::number(address));
        return ExitStatus::BusError;
    }
    record.present = 1;
    select(store, address);
    SendAllContext context{store.link,
                           store,
                           s.prompts,
                           s.waitDialog,
                           s.languageModulePath(),
                           DeviceTab::Basic,
                           items.BasicFor(record),
                           items.ScenesFor(record),
                           [] {}};
    if (items.anyBasic)
        RunSendAll(context);
    if (items.anyScene) {
        context.currentTab = DeviceTab::Scenes;
        RunSendAll(context);
    }
    return ExitStatus::Done;
}

ExitStatus apply(CliSession& s) {
    ExitStatus status = readProject(s, s.arguments.arguments[0]);
    if (status == ExitStatus::Done)
        status = connectAndScan(s);
    if (status != ExitStatus::Done)
        return status;
    FileFlowContext context = fileContext(s);
    switch (TransferProject(context)) {
        case TransferOutcome::AddressesDiffer:
            return ExitStatus::Differences;
        case TransferOutcome::NotConfirmed:
            return ExitStatus::Usage;
        case TransferOutcome::Sent:
            break;
    }
    return ExitStatus::Done;
}

ExitStatus save(CliSession& s) {
    const QString& path = s.arguments.arguments[0];
    // A project saved again keeps its names and its header.
    if (QFileInfo::exists(path)) {
        const ExitStatus read = readProject(s, path);
        if (read != ExitStatus::Done)
            return read;
        for (int a = 0; a < kDeviceCount; ++a)
            s.store.workingTable[size_t(a)].name = s.store.projectTable[size_t(a)].name;
    }
    const ExitStatus status = connectAndScan(s);
    if (status != ExitStatus::Done)
        return status;
    if (s.store.PresentCount() == 0) {
        s.fail(kNoGear, QStringLiteral("0-63"));
        return ExitStatus::BusError;
    }
    FileFlowContext context = fileContext(s);
    if (!SaveProject(context).isEmpty())
        return ExitStatus::Done;
    if (InterruptRequested())
        return cancelledOr(s, ExitStatus::Done);
    s.fail(kNotWritten, path);
    return ExitStatus::FileError;
}

ExitStatus check(CliSession& s) {
    ExitStatus status = readProject(s, s.arguments.arguments[0]);
    if (status == ExitStatus::Done)
        status = s.Connect();
    if (status != ExitStatus::Done)
        return status;
    LineCheckContext context{s.store.link, s.store.projectTable,   s.waitDialog,
                             s.prompts,    s.languageModulePath(), [] {}};
    const LineCheckResult result = RunLineCheck(context);
    if (!result.ran)
        return ExitStatus::BusError;
    if (s.arguments.csv)
        PrintOut(LineCheckCsv(result, s.languageModulePath()));
    else
        PrintOut(Render(LineCheckJson(result), s.arguments.json));
    if (!result.complete)
        return cancelledOr(s, ExitStatus::BusError);
    return result.rows.empty() ? ExitStatus::Done : ExitStatus::Differences;
}

}  // namespace

ExitStatus RunCommand(CliSession& session) {
    static const std::map<QString, Command> kCommands{
        {QStringLiteral("interfaces"), interfaces},
        {QStringLiteral("scan"), scan},
        {QStringLiteral("read"), read},
        {QStringLiteral("command"), command},
        {QStringLiteral("send"), send},
        {QStringLiteral("apply"), apply},
        {QStringLiteral("save"), save},
        {QStringLiteral("check"), check},
        {QStringLiteral("address"), RunAddressCommand},
        {QStringLiteral("emergency-test"), RunEmergencyCommand},
        {QStringLiteral("report"), RunReportCommand},
    };
    const auto it = kCommands.find(session.arguments.command);
    if (it == kCommands.end()) {
        session.fail(kUnknownCommand, session.arguments.command);
        return ExitStatus::Usage;
    }
    return it->second(session);
}
