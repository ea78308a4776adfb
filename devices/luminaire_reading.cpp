#include "devices/luminaire_reading.h"

#include "devices/bank_layouts.h"
#include "devices/memory_bank.h"

namespace {

constexpr uint8_t kFirstValueLocation = 3;

}  // namespace

BankReadings ReadLuminaireBanks(const BusLink& link, int address, LinkResult& results) {
    BankReadings readings;
    for (const BankLayout& layout : LuminaireBankLayouts()) {
        LinkResult bankResults = 0;
        std::optional<MemoryBankBytes> bytes =
            ReadMemoryBank(link, address, layout.bank, kFirstValueLocation, layout.lastFieldLocation(), bankResults,
                           layout.latched ? BankLatch::Snapshot : BankLatch::None);
        results |= bankResults;
        if (bankResults != link_result::kOk)
            break;
        readings[layout.bank] = std::move(bytes);
    }
    return readings;
}
