#pragma once
// The main view's store of gear: the working table every tab shows and edits,
// the table a project file is loaded into, the record a device file is loaded
// into, the selection of short addresses and the link used to reach the gear.

#include "devices/device_record.h"
#include "devices/floor_plans.h"
#include "devices/project_header.h"
#include "link/dalikit.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

class DeviceStore {
public:
    DeviceStore();

    // Resets every record of both tables, the project header and the plans and clears
    // the selection (count 0, every entry 0). The device file record and the
    // link stay as they are.
    void Clear();

    // Resets every record of the working table and forgets the unclear
    // addresses; the selection stays.
    void ClearWorkingTable();
    // The same before the bus is looked at again: the names and placing
    // dates stay with their addresses, since they are the project's and the
    // gear will answer there again.
    void ClearWorkingTableKeepingNames();

    // Number of working-table records whose present flag is exactly 1.
    int32_t PresentCount() const;

    // Read the gear at this short address into its working-table record:
    // everything the basic tab shows (read bit 2), or the 16 scene levels
    // (read bit 4). The bit is set when every query of the part was answered
    // and cleared when one was not. The OR of the transactions' results; 0 at
    // once, without bus traffic, while the link has no interface.
    LinkResult ReadParameters(int address);
    LinkResult ReadScenes(int address);
    // Only QUERY DEVICE TYPE (and the list of a gear of several types) into
    // the record: what a record from a file cannot know.
    LinkResult ReadDeviceTypes(int address);
    // Bank 0's GTIN, firmware and identification number into the record;
    // the record keeps what it had when the gear gives none.
    LinkResult ReadIdentity(int address);
    // Banks 1 and 202..207 into the record's banks (ReadLuminaireBanks).
    LinkResult ReadBanks(int address);
    // The gear at this address got it now (assistant, move, replacement):
    // the logbook's results for the address from before are another unit's.
    void MarkPlaced(int address);
    // Writes the whole record into the gear: fades, curve, levels (MIN first
    // when the new MAX lies below the gear's MIN, which it is asked for),
    // groups, the 16 scenes and, for a colour gear, the record's colours. A
    // part the record holds unread (its read bit clear) is not written: its
    // bytes are no values. Always 0.
    LinkResult WriteAll(int address);

    DeviceTable workingTable;       // the gear on the bus as last read, scanned or loaded
    DeviceTable projectTable;       // a loaded project file, before it is compared and copied
    DeviceRecord deviceFileRecord;  // a loaded device file; all zero (scenes too) until one is read
    ProjectHeader projectHeader;    // of the project opened or saved last
    FloorPlans floorPlans;          // of the project opened or saved last
    // Short addresses that answered the last scan, but never with one clean
    // byte (several gear answering at once, among others): taken, though no
    // record can show a gear there.
    std::bitset<kDeviceCount> unclearAddresses;

    // The first selectedCount entries are the selected short addresses in
    // ascending order; entries past the count carry no meaning (0 or -1).
    int32_t selectedCount = 0;
    std::array<int32_t, kDeviceCount> selectedAddresses{};

    BusLink link;  // copy of the view's link; a null handle means offline
    // Seconds since 1970 UTC, for MarkPlaced; tests give their own.
    std::function<int64_t()> clock;
};
