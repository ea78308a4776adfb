#include "addressing/replacement_bus.h"

#include "addressing/address_move.h"
#include "addressing/addressing_workers.h"
#include "addressing/random_search.h"
#include "addressing/search_steps.h"
#include "dali/dali_commands.h"
#include "storage/load_text.h"

namespace addressing {
namespace {

using dali::code;
using dali::Op;
using dali::SpecialOp;

constexpr StringId kDifferenceText = 499;
constexpr uint8_t kLedModule = 6;
// Rounds of the listing: every gear a find and a withdraw, twins their redraws, a few misses.
constexpr int kListRounds = 2 * kDeviceCount + kTwinRedraws + kSingleSearchAttempts;

struct ComparedField {
    const char* name;
    uint8_t DeviceRecord::*field;
    bool ledModuleOnly;
};

// In the order the record is written.
constexpr ComparedField kComparedFields[] = {
    {"FADE RATE", &DeviceRecord::fadeRate, false},
    {"FADE TIME", &DeviceRecord::fadeTime, false},
    {"FAST FADE TIME", &DeviceRecord::fastFadeTime, true},
    {"DIMMING CURVE", &DeviceRecord::dimmingCurve, true},
    {"MAX LEVEL", &DeviceRecord::maxLevel, false},
    {"MIN LEVEL", &DeviceRecord::minLevel, false},
    {"POWER ON LEVEL", &DeviceRecord::powerOnLevel, false},
    {"SYSTEM FAILURE LEVEL", &DeviceRecord::systemFailureLevel, false},
};

}  // namespace

void InitialiseNewGear(const BusLink& link) {
    dalikit_SendTwice(link, code(SpecialOp::Initialise), kInitialiseUnaddressed);
    dalikit_WaitIdle(link);
}

std::vector<int> FindMissingAddresses(const BusLink& link, const DeviceTable& project, int only,
                                      std::vector<int>& answering) {
    std::vector<int> missing;
    for (int a = 0; a < kDeviceCount; ++a) {
        if (project[size_t(a)].present != 1 || (only >= 0 && only < kDeviceCount && a != only))
            continue;
        const std::optional<bool> answers = AnswersAt(link, a);
        if (answers == false)
            missing.push_back(a);
        else if (answers == true)
            answering.push_back(a);
    }
    return missing;
}

std::vector<uint32_t> ListNewGear(const BusLink& link) {
    SendAndWait(link, code(SpecialOp::Terminate), 0x00);
    InitialiseAndRandomise(link, kInitialiseUnaddressed);
    std::vector<uint32_t> found;
    int redraws = 0, misses = 0;
    for (int round = 0; round < kListRounds && SearchHasCandidates(link); ++round) {
        const Lowest lowest = FindLowest(link);
        if (lowest.found.byte == 0) {
            // A search the link disturbed: tried again, a few times.
            if (++misses >= kSingleSearchAttempts)
                break;
            continue;
        }
        if (lowest.found.garbled) {
            // Twins given up on are withdrawn and stay unlisted; a redraw moves
            // every listed gear too, so the list starts again.
            if (!SeparateTwins(link, redraws)) {
                found.clear();
                InitialiseNewGear(link);
            }
            continue;
        }
        redraws = 0;
        if (!SendUntilThrough(link, code(SpecialOp::Withdraw), 0x00))
            break;
        found.push_back(lowest.randomAddress);
    }
    return found;
}

bool ProgramAtRandomAddress(const BusLink& link, uint32_t randomAddress, uint8_t addressByte) {
    InitialiseNewGear(link);
    SetSearchAddress(link, randomAddress);
    if (!SendUntilThrough(link, code(SpecialOp::ProgramShortAddress), addressByte))
        return false;
    const Answer answer = AskTwice(link, code(SpecialOp::QueryShortAddress), 0x00);
    return !answer.garbled && answer.byte == addressByte;
}

void FlashGear(const BusLink& link, int address) {
    const uint8_t a = dali::commandAddress(address);
    for (int i = 0; i < kFlashes; ++i) {
        SendAndWait(link, a, code(Op::RecallMaxLevel));
        kit_sleep(link.handle, kFlashPauseMs);
        SendAndWait(link, a, code(Op::Off));
        kit_sleep(link.handle, kFlashPauseMs);
    }
    ConfirmVisually(link, a);
}

QStringList RecordDifferences(const DeviceRecord& read, const DeviceRecord& project,
                              const QString& languageModulePath) {
    const QString pattern = LoadText(kDifferenceText, languageModulePath);
    QStringList differences;
    const auto differ = [&](const QString& name, const QString& gear, const QString& wanted) {
        differences << pattern.arg(name, gear, wanted);
    };
    for (const ComparedField& f : kComparedFields) {
        if (f.ledModuleOnly && !HasDeviceType(read, kLedModule))
            continue;
        if (read.*f.field != project.*f.field)
            differ(QLatin1String(f.name), QString::number(read.*f.field), QString::number(project.*f.field));
    }
    if (read.groupMask != project.groupMask)
        differ(QStringLiteral("GROUPS"), QStringLiteral("0x%1").arg(read.groupMask, 4, 16, QLatin1Char('0')),
               QStringLiteral("0x%1").arg(project.groupMask, 4, 16, QLatin1Char('0')));
    for (int n = 0; n < kSceneCount; ++n) {
        const uint8_t gear = read.sceneLevel[size_t(n)], wanted = project.sceneLevel[size_t(n)];
        if (gear != wanted)
            differ(QStringLiteral("SCENE %1").arg(n), QString::number(gear), QString::number(wanted));
    }
    return differences;
}

DeviceRecord Complement(const DeviceRecord& record) {
    DeviceRecord complement = record;
    for (const ComparedField& f : kComparedFields)
        complement.*f.field = uint8_t(~(record.*f.field));
    complement.SetGroupMask(uint16_t(~record.groupMask));
    for (uint8_t& level : complement.sceneLevel)
        level = uint8_t(~level);
    return complement;
}

}  // namespace addressing
