#pragma once
// The bus jobs of kelvane-bench, one row each in benchJobs(), and the link
// routines they are made of. Each job runs on the first interface of the
// installed kit backend, the way Kelvane drives it.

#include "link/dalikit.h"
#include "sim/bus_frame.h"
#include "sim/scenario.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

struct JobOutcome {
    bool ok = false;
    std::string summary;  // what the job found, e.g. "11 gear answered"
};

// Called by a job once its preparation (connecting, scanning, reading) is
// done: bus time, CPU time and the frames of the wire limit count from there.
// A job that does not call it is measured from its start.
using MeasureFromHere = std::function<void()>;

struct BenchJob {
    std::string_view name;
    sim::Scenario (*ownScenario)();  // used unless PELLIXKIT_SIMULATION names one
    JobOutcome (*run)(const MeasureFromHere& measureFromHere);
    int gearCount = 0;  // not 0: the row also prints its forward frames per gear
};

std::span<const BenchJob> benchJobs();

// CPU time of this process, in seconds.
double cpuSeconds();

// Connects to the first interface as Kelvane does: kit_open, kit_set_timeout
// 2000, dalikit_EnableI2C, bridge probe, revision read. Nothing when there is
// no interface or no bridge answers.
std::optional<BusLink> connectFirstInterface();

// TERMINATE, QUERY STATUS with an idle wait to short addresses 0..63,
// TERMINATE. Returns the number of addresses that answered.
int sweepShortAddresses(const BusLink& link);

// The main view's bus scan of all 64 short addresses; the number of gear found,
// or -1 when the bus was busy or in error.
int scanBus(const BusLink& link);

// "Neu adressieren" with the addressing assistant's own code (preparation
// and random-address worker, without the dialog and its thread): every gear
// loses its short address and gets 0, 1, 2, ... in the order of its random
// address. Returns how many gear were addressed.
int addressAllByRandomSearch(const BusLink& link);

// The long jobs of the main view, each through its own job code on the
// scanned bus of the first interface (flow_jobs.cpp, manager_jobs.cpp,
// report_job.cpp): read all, send the basic tab to every gear, transfer a
// loaded project, save a project (its re-read and the file), the group and
// the scene manager's apply, and the installation report (CPU only).
JobOutcome readAllJob(const MeasureFromHere& measureFromHere);
JobOutcome sendBasicToAllJob(const MeasureFromHere& measureFromHere);
JobOutcome transferProjectJob(const MeasureFromHere& measureFromHere);
JobOutcome saveProjectJob(const MeasureFromHere& measureFromHere);
JobOutcome groupManagerApplyJob(const MeasureFromHere& measureFromHere);
JobOutcome sceneManagerApplyJob(const MeasureFromHere& measureFromHere);
JobOutcome installationReportJob(const MeasureFromHere& measureFromHere);
// banks-64 (banks_job.cpp): bank 0 and the luminaire banks of 64 D4i gear.
sim::Scenario luminaireAtEveryAddress();
JobOutcome readBanksJob(const MeasureFromHere& measureFromHere);

// The shortest bus time the same frames need: frame times, each reply as the
// bus carried it (its gear's own delay of 5.5..10.5 ms, taken from the log)
// and the minimum settling after every frame. Frames queued back to back on
// the simulated bus take exactly this long. A garbled reply counts as one
// backward frame from the first reply's start; the later replies of several
// gear may hold the bus a little longer.
uint64_t wireTimeLimitUs(const std::vector<sim::BusFrame>& frames);

}  // namespace bench
