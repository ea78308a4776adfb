#pragma once
// The bus scan: asks each of the 64 short addresses for its status and reads
// group membership, device type and (LED modules) dimming curve of every gear
// that answers into the working table, marking the matrix as it goes. The
// names of the table stay with their addresses.

#include "link/dalikit.h"

#include <QString>

#include <functional>
#include <vector>

class DeviceStore;
class MatrixModel;
class Prompts;
class WaitDialog;

struct BusScanContext {
    BusLink link;
    DeviceStore& store;
    MatrixModel& matrix;
    WaitDialog& waitDialog;
    Prompts& prompts;
    QString languageModulePath;
    std::function<void()> repaintMatrix;
    std::function<void()> processPendingEvents;
};

struct BusScanResult {
    int presentCount = 0;
    // False when the bus was in error or busy before the scan: a message was
    // shown and nothing was cleared or sent.
    bool ran = false;
    // link_result::kBusError or kWaitTimedOut when the bus failed during the
    // scan (a message was shown); the table then holds only what was found.
    LinkResult busFault = 0;
    // Addresses given up after kMaxAsksPerAddress asks without a clear answer
    // (other masters' 16- or 24-bit frames, a bridge busy through the answer
    // wait, two gear on one short address answering differently).
    std::vector<int> unclearAddresses;
    // Those of them whose last ask ended in a frame error: several gear
    // answering differently, so probably sharing the short address.
    std::vector<int> sharedAddresses;
    // Addresses with a name where no gear answered.
    std::vector<int> silentNamedAddresses;
};

// How often one address is asked before the scan gives up on it and goes on.
inline constexpr int kMaxAsksPerAddress = 10;
// Overruns since the last gear found that stop the scan.
inline constexpr int kMaxOverruns = 5;

BusScanResult RunBusScan(BusScanContext& context);
