// "Neu adressieren" through the addressing assistant's own code: the bus
// preparation and the random-address worker, on the calling thread.

#include "addressing/addressing_workers.h"
#include "addressing/search_steps.h"
#include "addressing/trace.h"
#include "bench/bench_jobs.h"

namespace bench {

int addressAllByRandomSearch(const BusLink& link) {
    // The search's trace would fill standard error; the bench keeps it quiet.
    const TraceSink previous = SetTraceSink([](const QString&) {});
    DeviceTable table{};
    addressing::AddressingRun run(link, table, QString());
    addressing::HandOutAllAddresses(run);
    run.initialiseData = addressing::kInitialiseAll;
    run.running = true;
    addressing::PrepareAddressing(link, run.initialiseData);
    addressing::RandomAddressingWorker(run);
    SetTraceSink(previous);
    int programmed = 0;
    for (const DeviceRecord& record : table)
        programmed += record.present == 1;
    return programmed;
}

}  // namespace bench
