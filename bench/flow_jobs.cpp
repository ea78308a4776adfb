// The main view's long jobs on every gear of a scanned bus, each through its
// own job function: read all, send the basic tab, transfer a project, save a
// project.

#include "bench/bench_jobs.h"
#include "bench/bench_session.h"
#include "devices/read_all.h"
#include "devices/send_all.h"
#include "storage/device_lines.h"
#include "storage/file_flow_context.h"
#include "storage/project_flows.h"

#include <QTemporaryDir>

namespace bench {
namespace {

JobOutcome notScanned(const ScannedBus& bus) {
    return {false, bus.found < 0 ? "bus busy or in error" : "no interface, or no gear found"};
}

// Records of present gear with both their parameters and their scenes read.
int readRecords(const DeviceStore& store) {
    constexpr uint32_t kBoth = kReadStateParameters | kReadStateScenes;
    int read = 0;
    for (const DeviceRecord& record : store.workingTable)
        read += record.present == 1 && (record.readState & kBoth) == kBoth;
    return read;
}

JobOutcome counted(const ScannedBus& bus, int done, const char* what) {
    std::string summary = std::to_string(done) + " of " + std::to_string(bus.found) + " gear " + what;
    if (bus.prompts.messages)
        summary += ", " + std::to_string(bus.prompts.messages) + " messages";
    return {done == bus.found && bus.prompts.messages == 0, summary};
}

void readAll(ScannedBus& bus) {
    ReadAllContext context{bus.store, bus.prompts, bus.waitDialog, {}, bus.noEvents};
    RunReadAll(context);
}

}  // namespace

JobOutcome readAllJob(const MeasureFromHere& measureFromHere) {
    ScannedBus bus;
    if (!bus.ready())
        return notScanned(bus);
    measureFromHere();
    readAll(bus);
    return counted(bus, readRecords(bus.store), "read");
}

// Every item of the basic tab ticked, as it opens, with values a gear takes.
JobOutcome sendBasicToAllJob(const MeasureFromHere& measureFromHere) {
    ScannedBus bus;
    if (!bus.ready())
        return notScanned(bus);
    DeviceStore& store = bus.store;
    store.selectedCount = 0;
    for (int a = 0; a < kDeviceCount; ++a)
        if (store.workingTable[size_t(a)].present == 1)
            store.selectedAddresses[size_t(store.selectedCount++)] = a;
    SendAllContext context{store.link, store, bus.prompts, bus.waitDialog, {}, DeviceTab::Basic, {}, {}, bus.noEvents};
    BasicSettings& basic = context.basic;
    basic.minLevel = 85;
    basic.maxLevel = 254;
    basic.powerOnLevel = 200;
    basic.systemFailureLevel = 254;
    basic.fadeTime = 4;
    basic.fadeRate = 7;
    basic.groupMask = 0x0003;
    measureFromHere();
    const SendAllResult result = RunSendAll(context);
    int written = 0;
    for (int i = 0; i < store.selectedCount; ++i) {
        const DeviceRecord& record = store.workingTable[size_t(store.selectedAddresses[size_t(i)])];
        written += result.sent && record.minLevel == basic.minLevel && record.groupMask == basic.groupMask;
    }
    return counted(bus, written, "written");
}

// The project is the bus as read, saved and loaded again.
JobOutcome transferProjectJob(const MeasureFromHere& measureFromHere) {
    ScannedBus bus;
    QTemporaryDir folder;
    if (!bus.ready())
        return notScanned(bus);
    readAll(bus);
    const QString path = folder.filePath(QStringLiteral("bench.prj"));
    DeviceStore& store = bus.store;
    if (!WriteProjectFile(path, store.workingTable) || ReadProjectFile(path, store.projectTable) != bus.found)
        return {false, "project file not written or read"};
    const QString module;
    FileFlowContext context{store, bus.prompts, bus.waitDialog, module, bus.noEvents};
    measureFromHere();
    TransferProject(context);
    return counted(bus, bus.prompts.messages ? 0 : store.PresentCount(), "written");
}

JobOutcome saveProjectJob(const MeasureFromHere& measureFromHere) {
    ScannedBus bus;
    QTemporaryDir folder;
    if (!bus.ready())
        return notScanned(bus);
    bus.prompts.chosenFile = folder.filePath(QStringLiteral("bench.prj"));
    const QString module;
    FileFlowContext context{bus.store, bus.prompts, bus.waitDialog, module, bus.noEvents};
    measureFromHere();
    SaveProject(context);
    DeviceTable saved;
    const int lines = ReadProjectFile(bus.prompts.chosenFile, saved);
    return counted(bus, readRecords(bus.store) == bus.found ? lines : 0, "read and saved");
}

}  // namespace bench
