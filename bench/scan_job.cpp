// The main view's bus scan, as it runs after a connection: every address asked,
// every gear found read (groups, device type, dimming curve).

#include "addressing/matrix_model.h"
#include "bench/bench_jobs.h"
#include "bench/bench_session.h"
#include "devices/bus_scan.h"

namespace bench {

int scanBusInto(const BusLink& link, DeviceStore& store, Prompts& prompts) {
    NoWaitDialog waitDialog;
    MatrixModel matrix;
    BusScanContext context{link, store, matrix, waitDialog, prompts, {}, [] {}, [] {}};
    const BusScanResult result = RunBusScan(context);
    return result.ran ? result.presentCount : -1;
}

int scanBus(const BusLink& link) {
    Settings settings;
    YesPrompts prompts(settings);
    DeviceStore store;
    return scanBusInto(link, store, prompts);
}

ScannedBus::ScannedBus() {
    const std::optional<BusLink> link = connectFirstInterface();
    if (!link)
        return;
    store.link = *link;
    found = scanBusInto(*link, store, prompts);
}

}  // namespace bench
