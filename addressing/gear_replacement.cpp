#include "addressing/gear_replacement.h"

#include "addressing/address_move.h"
#include "addressing/addressing_workers.h"
#include "addressing/replacement_bus.h"
#include "addressing/search_steps.h"
#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <algorithm>
#include <map>

namespace addressing {
namespace {

using dali::code;
using dali::SpecialOp;

constexpr StringId kTitle = 480, kNoProjectText = 481, kNothingMissingText = 482, kNoNewGearText = 483,
                   kOneQuestion = 484, kSearchText = 485, kModeText = 486, kByKeyEntry = 487, kByFlashingEntry = 488,
                   kPressKeyText = 489, kPickSelectedText = 490, kPickFlashingText = 491, kSkip = 492,
                   kResultText = 493, kReplacedLine = 494, kDiffersLine = 495, kGearAnswersLine = 496,
                   kNotConfirmedLine = 497, kNotReplacedLine = 498, kNotReadBackLine = 713;
constexpr StringId kYes = 239, kNo = 240, kOk = 179, kCancel = 181, kWaitTitle = 423, kWaitText = 424,
                   kWriteTitle = 182, kWriteText = 206;

// "5", or "5 (Empfang Downlight 1)" when the project names the gear.
QString addressLabel(const DeviceStore& store, int address) {
    if (address < 0 || address >= kDeviceCount)
        return QString::number(address);
    const QString& name = store.projectTable[size_t(address)].name;
    return name.isEmpty() ? QString::number(address) : QStringLiteral("%1 (%2)").arg(address).arg(name);
}

void endInitialisation(const BusLink& link) { SendAndWait(link, code(SpecialOp::Terminate), 0x00); }

bool projectHasGear(const DeviceStore& store) {
    return std::any_of(store.projectTable.begin(), store.projectTable.end(),
                       [](const DeviceRecord& r) { return r.present == 1; });
}

// One replacement run: the missing addresses still open, those given to a
// new gear, and what became of each.
class Replacement {
public:
    Replacement(ReplacementContext& c, const std::vector<int>& missing, std::vector<uint32_t> candidates)
        : c_(c), open_(missing), candidates_(std::move(candidates)) {
        for (int a : missing)
            outcome_[a] = {a, ReplacementOutcome::NotReplaced, {}};
    }

    // The one question; false when the user declined.
    bool OneForOne() {
        const int address = open_.front();
        const QString text = LoadText(kOneQuestion, module()).arg(addressLabel(c_.store, address));
        if (c_.prompts.AskFilledConfirmation(kTitle, kOneQuestion, text, kYes, kNo) != kDialogOk)
            return false;
        busy(kWaitText, false);
        if (stillSilent(address))
            programCandidate(candidates_.front(), address);
        c_.waitDialog.Hide();
        return true;
    }

    // Physical selection: the installer presses a new gear's key, then picks
    // the address it takes, until every address or every new gear is
    // handled or the wait is cancelled.
    void ByKey() {
        AddressingRun run(c_.link, c_.store.workingTable, module());
        run.initialiseData = kInitialiseUnaddressed;
        run.appendLine = [this](const QString& line) { c_.waitDialog.SetProgressText(line); };
        run.onPoll = [this, &run] {
            c_.waitDialog.ProcessPendingEvents();
            if (c_.waitDialog.CancelRequested())
                run.running = false;
        };
        InitialiseNewGear(c_.link);
        uint64_t initialisedUs = kit_clock_us(c_.link.handle);
        for (size_t handled = 0; !open_.empty() && handled < candidates_.size(); ++handled) {
            busy(kPressKeyText, true);
            run.running = true;
            const bool selected =
                EnterPhysicalSelection(c_.link) == link_result::kOk && WaitForSelectedNewGear(run, initialisedUs);
            c_.waitDialog.Hide();
            if (!selected)
                return;
            const int address = pickAddress(kPickSelectedText);
            if (address < 0 || !stillSilent(address))
                continue;
            if (ProgramSelected(c_.link, dali::commandAddress(address))) {
                take(address);
            } else {
                // Whatever the selected gear took, it gives back.
                SendUntilThrough(c_.link, code(SpecialOp::ProgramShortAddress), kNoShortAddress);
                outcome_[address].outcome = ReplacementOutcome::NotConfirmed;
            }
        }
    }

    // Gear without a key: each new gear in turn takes the first open address
    // for the moment and flashes there; the installer picks its address or
    // skips it, and a skipped gear gives the address back.
    void ByFlashing() {
        for (uint32_t candidate : candidates_) {
            busy(kWaitText, false);
            const int shown = firstSilentOpen();
            if (shown < 0)
                break;
            if (!ProgramAtRandomAddress(c_.link, candidate, dali::commandAddress(shown))) {
                ProgramAtRandomAddress(c_.link, candidate, kNoShortAddress);
                continue;
            }
            FlashGear(c_.link, shown);
            c_.waitDialog.Hide();
            const int address = pickAddress(kPickFlashingText);
            if (address == shown) {
                take(address);
                continue;
            }
            const bool moved = address >= 0 && stillSilent(address) &&
                               ProgramAtRandomAddress(c_.link, candidate, dali::commandAddress(address));
            if (moved) {
                take(address);
                continue;
            }
            if (address >= 0 && outcome_[address].outcome == ReplacementOutcome::NotReplaced)
                outcome_[address].outcome = ReplacementOutcome::NotConfirmed;
            SendAndWait(c_.link, dali::commandAddress(shown), code(dali::Op::Off));
            ProgramAtRandomAddress(c_.link, candidate, kNoShortAddress);
        }
        c_.waitDialog.Hide();
    }

    // Each address given gets the project's record, is read back into the
    // working table and compared.
    void WriteRecords() {
        if (given_.empty())
            return;
        std::sort(given_.begin(), given_.end());
        c_.waitDialog.Show({LoadText(kWriteTitle, module()), LoadText(kWriteText, module()), 1, 0, QString(),
                            int32_t(given_.size())});
        DeviceStore& store = c_.store;
        for (int address : given_) {
            const DeviceRecord& wanted = store.projectTable[size_t(address)];
            DeviceRecord& record = store.workingTable[size_t(address)];
            // A project file holds no device types: the new gear's own decide
            // what it gets (a colour gear its colours).
            record = DeviceRecord{};
            store.ReadDeviceTypes(address);
            record = OntoGear(wanted, record);
            record.name = wanted.name;
            record.present = 1;
            store.WriteAll(address);
            // Whatever the gear does not answer stays the complement, so it cannot pass as the project's.
            record = Complement(wanted);
            record.readState &= ~(kReadStateParameters | kReadStateScenes);
            store.ReadParameters(address);
            store.ReadScenes(address);
            constexpr uint32_t kBothParts = kReadStateParameters | kReadStateScenes;
            if ((record.readState & kBothParts) != kBothParts) {
                // Nothing the gear holds is known: the record says so, and the project's stays as it is.
                record = DeviceRecord{};
                record.name = wanted.name;
                record.present = 1;
                store.MarkPlaced(address);
                outcome_[address] = {address, ReplacementOutcome::NotReadBack, {}};
                c_.waitDialog.Step();
                continue;
            }
            const QStringList differences = RecordDifferences(record, wanted, module());
            record.name = wanted.name;
            record.present = 1;
            store.MarkPlaced(address);
            outcome_[address] = {address,
                                 differences.isEmpty() ? ReplacementOutcome::Replaced
                                                       : ReplacementOutcome::ReadBackDiffers,
                                 differences.join(QStringLiteral(", "))};
            c_.waitDialog.Step();
        }
        c_.waitDialog.Hide();
    }

    std::vector<ReplacementRow> Rows() const {
        std::vector<ReplacementRow> rows;
        rows.reserve(outcome_.size());
        for (const auto& [address, row] : outcome_)
            rows.push_back(row);
        return rows;
    }

private:
    const QString& module() const { return c_.languageModulePath; }

    void busy(StringId textId, bool cancel) {
        c_.waitDialog.Show({LoadText(kWaitTitle, module()), LoadText(textId, module()), 0, uint8_t(cancel ? 1 : 0),
                            LoadText(kCancel, module()), 0});
    }

    // Nothing is written where a gear answers: such an address is out, and
    // so is one whose question never got through.
    bool stillSilent(int address) {
        const std::optional<bool> answers = AnswersAt(c_.link, address);
        if (answers == false)
            return true;
        if (answers == true)
            outcome_[address].outcome = ReplacementOutcome::GearAnswers;
        open_.erase(std::remove(open_.begin(), open_.end(), address), open_.end());
        return false;
    }

    // The first open address where still no gear answers; -1 when none is left.
    int firstSilentOpen() {
        while (!open_.empty()) {
            if (stillSilent(open_.front()))
                return open_.front();
        }
        return -1;
    }

    void programCandidate(uint32_t candidate, int address) {
        if (ProgramAtRandomAddress(c_.link, candidate, dali::commandAddress(address))) {
            take(address);
            return;
        }
        ProgramAtRandomAddress(c_.link, candidate, kNoShortAddress);
        outcome_[address].outcome = ReplacementOutcome::NotConfirmed;
    }

    void take(int address) {
        open_.erase(std::remove(open_.begin(), open_.end(), address), open_.end());
        given_.push_back(address);
    }

    // The open address the installer picks; -1 for skip.
    int pickAddress(StringId textId) {
        QStringList entries;
        for (int a : open_)
            entries << addressLabel(c_.store, a);
        const int index =
            c_.prompts.PickFromList(kTitle, textId, LoadText(textId, module()), entries, kOk, kSkip);
        return index < 0 ? -1 : open_[size_t(index)];
    }

    ReplacementContext& c_;
    std::vector<int> open_;
    std::vector<uint32_t> candidates_;
    std::vector<int> given_;
    std::map<int, ReplacementRow> outcome_;
};

void showResult(ReplacementContext& c, const std::vector<ReplacementRow>& rows) {
    c.prompts.ShowList(kTitle, kResultText, ReplacementLines(rows, c.store, c.languageModulePath));
}

}  // namespace

std::vector<ReplacementRow> RunGearReplacement(ReplacementContext& c, int preferredAddress) {
    if (!c.link.handle)
        return {};
    if (!projectHasGear(c.store)) {
        c.prompts.ShowMessage(kTitle, kNoProjectText);
        return {};
    }
    const QString& module = c.languageModulePath;
    c.waitDialog.Show({LoadText(kWaitTitle, module), LoadText(kSearchText, module), 0, 0, QString(), 0});
    std::vector<int> answering;
    const std::vector<int> missing = FindMissingAddresses(c.link, c.store.projectTable, preferredAddress, answering);
    if (missing.empty()) {
        c.waitDialog.Hide();
        // The address asked for has a gear again: refused, and the user reads why.
        if (preferredAddress >= 0 && !answering.empty()) {
            std::vector<ReplacementRow> rows{{preferredAddress, ReplacementOutcome::GearAnswers, {}}};
            showResult(c, rows);
            return rows;
        }
        c.prompts.ShowMessage(kTitle, kNothingMissingText);
        return {};
    }
    std::vector<uint32_t> candidates = ListNewGear(c.link);
    c.waitDialog.Hide();
    if (candidates.empty()) {
        endInitialisation(c.link);
        c.prompts.ShowMessage(kTitle, kNoNewGearText);
        return {};
    }
    const size_t newGear = candidates.size();
    Replacement replacement(c, missing, std::move(candidates));
    if (missing.size() == 1 && newGear == 1) {
        if (!replacement.OneForOne()) {
            endInitialisation(c.link);
            return {};
        }
    } else {
        const QString text = LoadText(kModeText, module).arg(missing.size()).arg(newGear);
        const QStringList ways{LoadText(kByKeyEntry, module), LoadText(kByFlashingEntry, module)};
        const int way = c.prompts.PickFromList(kTitle, kModeText, text, ways, kOk, kCancel);
        if (way < 0) {
            endInitialisation(c.link);
            return {};
        }
        if (way == 0)
            replacement.ByKey();
        else
            replacement.ByFlashing();
    }
    endInitialisation(c.link);
    replacement.WriteRecords();
    std::vector<ReplacementRow> rows = replacement.Rows();
    showResult(c, rows);
    return rows;
}

QStringList ReplacementLines(const std::vector<ReplacementRow>& rows, const DeviceStore& store,
                             const QString& languageModulePath) {
    QStringList lines;
    for (const ReplacementRow& row : rows) {
        const QString label = addressLabel(store, row.address);
        switch (row.outcome) {
            case ReplacementOutcome::Replaced:
                lines << LoadText(kReplacedLine, languageModulePath).arg(label);
                break;
            case ReplacementOutcome::ReadBackDiffers:
                lines << LoadText(kDiffersLine, languageModulePath).arg(label, row.detail);
                break;
            case ReplacementOutcome::GearAnswers:
                lines << LoadText(kGearAnswersLine, languageModulePath).arg(label);
                break;
            case ReplacementOutcome::NotConfirmed:
                lines << LoadText(kNotConfirmedLine, languageModulePath).arg(label);
                break;
            case ReplacementOutcome::NotReplaced:
                lines << LoadText(kNotReplacedLine, languageModulePath).arg(label);
                break;
            case ReplacementOutcome::NotReadBack:
                lines << LoadText(kNotReadBackLine, languageModulePath).arg(label);
                break;
        }
    }
    return lines;
}

}  // namespace addressing
