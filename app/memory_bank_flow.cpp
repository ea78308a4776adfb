#include "app/memory_bank_flow.h"

#include "app/memory_bank_actions.h"
#include "app/view_surface.h"
#include "devices/bank_layouts.h"
#include "devices/memory_bank.h"
#include "devices/memory_bank_write.h"
#include "devices/prompts.h"
#include "storage/load_text.h"

namespace {

constexpr StringId kTitle = 871, kConfirm = 880, kAbsent = 881, kWritten = 882, kReadOnly = 883, kOutside = 884,
                   kLocked = 885, kNotTaken = 886, kDiffers = 887, kNoReadBack = 888, kWriteFailed = 889,
                   kReadFailed = 898, kReadingTitle = 177, kReadingText = 188, kOk = 179, kCancel = 181;
constexpr uint8_t kLastPossibleLocation = 0xFF;

QString hex(uint8_t byte) { return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper(); }
QString hexOrDash(std::optional<uint8_t> byte) { return byte ? QStringLiteral("0x") + hex(*byte) : QStringLiteral("—"); }

StringId outcomeText(BankWriteOutcome outcome) {
    switch (outcome) {
    case BankWriteOutcome::Written:
        return kWritten;
    case BankWriteOutcome::ReadOnly:
        return kReadOnly;
    case BankWriteOutcome::NoBank:
        return kAbsent;
    case BankWriteOutcome::OutsideBank:
        return kOutside;
    case BankWriteOutcome::Locked:
        return kLocked;
    case BankWriteOutcome::NotTaken:
        return kNotTaken;
    case BankWriteOutcome::Differs:
        return kDiffers;
    case BankWriteOutcome::NoReadBack:
        return kNoReadBack;
    case BankWriteOutcome::LinkFailed:
        break;
    }
    return kWriteFailed;
}

class BankWindow final : public MemoryBankActions {
public:
    BankWindow(ViewCore& core, int address) : core_(core), address_(address) {}

    const QString& languageModulePath() const override { return core_.languageModulePath(); }
    int address() const override { return address_; }

    std::vector<BankLocationRow> Read(uint8_t bank) override {
        const QString& module = languageModulePath();
        const BankLayout* layout = FindBankLayout(bank);
        LinkResult results = 0;
        core_.waitDialog.Show({LoadText(kReadingTitle, module), LoadText(kReadingText, module), 0, 0, {}, 0});
        // From location 1: reading location 0 moved DTR0 there.
        const std::optional<MemoryBankBytes> bytes =
            ReadMemoryBank(core_.busLink(), address_, bank, 1, kLastPossibleLocation, results,
                           layout && layout->latched ? BankLatch::Snapshot : BankLatch::None);
        core_.waitDialog.Hide();
        if (!bytes) {
            if (results == link_result::kOk)
                say(kAbsent, LoadText(kAbsent, module).arg(bank));
            else
                say(kReadFailed, LoadText(kReadFailed, module));
            return {};
        }
        std::vector<BankLocationRow> rows;
        for (int location = 0; location <= bytes->lastLocation; ++location) {
            const std::optional<uint8_t> byte = location == 0 ? bytes->lastLocation : bytes->at(location);
            rows.push_back({QStringLiteral("0x") + hex(uint8_t(location)), hexOrDash(byte),
                            LocationMeaning(bank, location, module)});
        }
        return rows;
    }

    std::optional<uint8_t> Write(uint8_t bank, uint8_t location, uint8_t value) override {
        const QString& module = languageModulePath();
        if (!BankLocationWritable(bank, location)) {
            say(kReadOnly, LoadText(kReadOnly, module));
            return std::nullopt;
        }
        const QString question =
            LoadText(kConfirm, module).arg(address_).arg(bank).arg(hex(location)).arg(hex(value));
        if (core_.services.prompts.AskFilledConfirmation(kTitle, kConfirm, question, kOk, kCancel) != kDialogOk)
            return std::nullopt;
        const BankWriteResult result = WriteBankLocation({core_.busLink(), address_, bank, location, value});
        const StringId text = outcomeText(result.outcome);
        QString said = LoadText(text, module);
        if (text == kWritten)
            said = said.arg(hex(location)).arg(hex(value));
        else if (text == kDiffers)
            said = said.arg(hex(value)).arg(hexOrDash(result.answer)).arg(hexOrDash(result.readBack));
        else if (text == kAbsent)
            said = said.arg(bank);
        say(text, said);
        return result.readBack;
    }

private:
    void say(StringId id, const QString& text) { core_.services.prompts.ShowFilledMessage(kTitle, id, text); }

    ViewCore& core_;
    int address_;
};

}  // namespace

void MemoryBankFlow::ShowMemoryBanks() {
    const DeviceStore& store = core_.store;
    const int address = store.selectedAddresses[0];
    if (!core_.busLink().handle || store.selectedCount != 1 || !MatrixModel::IsCell(address) ||
        store.workingTable[size_t(address)].present != 1)
        return;
    BankWindow window(core_, address);
    core_.services.surface.RunMemoryBankDialog(window);
}
