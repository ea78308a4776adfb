#pragma once
// One run of the addressing assistant: the bus preparation and the free
// addresses on the UI thread, then one of the two workers on a thread of its
// own (random-address search, or physical selection by the gear's key). The
// workers report every address they give through appendLine and mark it
// present in the table; nothing here opens a window.

#include "devices/device_record.h"
#include "link/dalikit.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

namespace addressing {

struct AddressingRun {
    AddressingRun(const BusLink& runLink, DeviceTable& runTable, QString languagePath)
        : link(runLink), table(runTable), languageModulePath(std::move(languagePath)) {}

    BusLink link;
    DeviceTable& table;  // the working table: present marks of the addresses given
    QString languageModulePath;
    std::array<uint8_t, kDeviceCount> freeAddresses{};  // handed out in this order
    int32_t freeCount = 0;
    uint8_t initialiseData = 0;        // 0x00 all gear, 0xFF gear without an address
    uint8_t visualConfirmation = 0;    // 1: each gear lights up at full level once addressed
    int64_t placedAt = 0;              // the addressed records' placing date (DeviceRecord::placedAt)
    std::atomic<bool> running{false};  // cleared by Cancel and by the worker
    // Appends a line to the progress list and selects it; returns once shown.
    std::function<void(const QString&)> appendLine;
    // Runs before each poll while waiting for a key: a run on the UI thread
    // lets its wait dialog's cancel button clear `running` here.
    std::function<void()> onPoll;
};

// Every short address free, in ascending order ("Neu adressieren").
void HandOutAllAddresses(AddressingRun& run);

// TERMINATE; with INITIALISE data 0x00 every gear loses its short address;
// all gear at their minimum level; INITIALISE and RANDOMISE.
void PrepareAddressing(const BusLink& link, uint8_t initialiseData);

// Asks every short address for its status: an address that answers in any
// way is in use (and marked present when it answered one clean byte), one
// that stays silent goes into the free list. Returns the free count.
int CollectFreeAddresses(AddressingRun& run);

// RECALL MAX LEVEL to the gear just addressed.
LinkResult ConfirmVisually(const BusLink& link, uint8_t addressByte);

// "Adresse: 5" in the progress list.
void AppendAddressLine(AddressingRun& run, int address);

// Addresses every gear the search finds, lowest random address first, until
// none is left, the free addresses run out or the run is cancelled.
void RandomAddressingWorker(AddressingRun& run);

// PHYSICAL SELECTION twice: the gear in the initialisation state wait for
// their key, and none is selected. The idle wait's result.
LinkResult EnterPhysicalSelection(const BusLink& link);

// Polls QUERY SHORT ADDRESS until a gear without an address is selected
// (true) or the run is cancelled (false). A gear with an address that was
// pressed is left unselected; keys of several gear select none. Renews the
// initialisation state every kRenewInitialisationUs.
bool WaitForSelectedNewGear(AddressingRun& run, uint64_t& initialisedUs);

// PROGRAM SHORT ADDRESS to the selected gear, counted only once the gear
// answers QUERY SHORT ADDRESS with it.
bool ProgramSelected(const BusLink& link, uint8_t addressByte);

// Waits for the key of one gear at a time and programs the selected gear
// when it has no short address yet, until the run is cancelled. Gear leave
// the initialisation state 15 minutes after INITIALISE; a run that waits
// that long renews it, so keys pressed later still count.
void PhysicalSelectionWorker(AddressingRun& run);

inline constexpr uint64_t kRenewInitialisationUs = 10ull * 60 * 1000 * 1000;

}  // namespace addressing
