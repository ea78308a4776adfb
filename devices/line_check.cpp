#include "devices/line_check.h"

#include "dali/dali_commands.h"
#include "devices/colour_reading.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <optional>

namespace {

using dali::code;
using dali::Op;

using namespace bridge_status;
// QUERY STATUS bits.
constexpr uint8_t kGearFailureBit = 0x01, kLampFailureBit = 0x02;
constexpr LinkResult kFault = link_result::kBusError | link_result::kWaitTimedOut;

// A garbled answer may be a disturbance, so a query without a clear outcome
// is asked again; only frame errors every time mean several gear.
constexpr int kMaxAsks = 3;

constexpr StringId kTitleBusError = 249, kTextBusError = 250, kTitleBusBusy = 251, kTextBusBusy = 252;
constexpr StringId kTitle = 460, kWaitText = 461, kCancel = 181;

enum class Reply { Answer, Silent, Collision, Unclear, BusFault };

struct Asked {
    Reply reply = Reply::Unclear;
    uint8_t byte = 0;
};

// One query (after ENABLE DEVICE TYPE 6 for a device-type-6 one) and the
// idle wait after it, asked again while the outcome is not clear.
Asked ask(LineCheckContext& c, uint8_t first, uint8_t second, LinkResult& busFault, bool deviceType6 = false,
          int attempts = kMaxAsks) {
    Asked asked;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (deviceType6) {
            dalikit_Send(c.link, code(dali::SpecialOp::EnableDeviceType), dali::kDeviceTypeLedModule);
            busFault |= dalikit_WaitIdle(c.link) & kFault;
        }
        uint8_t answer = 0, status = 0;
        const LinkResult result = dalikit_Query(c.link, first, second, answer, status);
        busFault |= (result | dalikit_WaitIdle(c.link)) & kFault;
        if (busFault)
            return {Reply::BusFault, 0};
        if (result != link_result::kOk)
            continue;
        if (isCleanAnswer(status))
            return {Reply::Answer, answer};
        if (status == 0)
            return {Reply::Silent, 0};
        const bool collided = (status & kFrameError) && !(status & (kValid | kOverrun));
        asked.reply = collided ? Reply::Collision : Reply::Unclear;
    }
    return asked;
}

struct ByteField {
    LineCheckField field;
    Op query;
    uint8_t DeviceRecord::*value;
};

constexpr ByteField kLevels[] = {
    {LineCheckField::MaxLevel, Op::QueryMaxLevel, &DeviceRecord::maxLevel},
    {LineCheckField::MinLevel, Op::QueryMinLevel, &DeviceRecord::minLevel},
    {LineCheckField::PowerOnLevel, Op::QueryPowerOnLevel, &DeviceRecord::powerOnLevel},
    {LineCheckField::SystemFailureLevel, Op::QuerySystemFailureLevel, &DeviceRecord::systemFailureLevel},
};

struct Dt6Field {
    LineCheckField field;
    dali::Dt6Op query;
    uint8_t DeviceRecord::*value;
};

constexpr Dt6Field kDeviceType6Values[] = {
    {LineCheckField::FastFadeTime, dali::Dt6Op::QueryFastFadeTime, &DeviceRecord::fastFadeTime},
    {LineCheckField::DimmingCurve, dali::Dt6Op::QueryDimmingCurve, &DeviceRecord::dimmingCurve},
};

// Reads one gear the project has and lists what differs from its record.
class GearComparison {
public:
    GearComparison(LineCheckContext& c, int address, std::vector<LineCheckRow>& rows, LinkResult& busFault)
        : c_(c), address_(address), first_(dali::commandAddress(address)), project_(c.project[size_t(address)]),
          rows_(rows), busFault_(busFault) {}

    void Run() {
        DeviceRecord bus;  // the gear's device types, as it tells them
        const std::optional<uint8_t> type = Read(LineCheckField::None, -1, code(Op::QueryDeviceType));
        if (busFault_)
            return;
        if (type)
            bus.deviceType = *type;
        // Each QUERY NEXT DEVICE TYPE moves the gear's list on: asked once each.
        if (type == dali::kMask)
            bus.deviceTypes = ListDeviceTypes([&]() -> std::optional<uint8_t> {
                const Asked next = ask(c_, first_, code(Op::QueryNextDeviceType), busFault_, false, 1);
                return next.reply == Reply::Answer ? std::optional<uint8_t>(next.byte) : std::nullopt;
            });
        colour_ = (project_.readState & kReadStateColour) && project_.colour.features != 0 && type &&
                  HasDeviceType(bus, dali::kDeviceTypeColour);
        // A part the project holds unread (its gear did not answer when it was saved) has nothing to compare.
        if (project_.readState & kReadStateParameters)
            CompareParameters(type, bus);
        const ColourSettings& colour = project_.colour;
        for (int n = 0; n < kSceneCount && (project_.readState & kReadStateScenes); ++n) {
            const uint8_t level = project_.sceneLevel[size_t(n)];
            const auto read = Read(LineCheckField::Scene, level, code(Op::QuerySceneLevel, n), false, n);
            Compare(LineCheckField::Scene, n, level, read);
            if (read && colour_)
                CompareStoredColour(LineCheckField::SceneColour, n, colour.sceneMirek[size_t(n)],
                                    &colour.sceneLevels[size_t(n)]);
        }
    }

private:
    void CompareParameters(std::optional<uint8_t> type, const DeviceRecord& bus) {
        const ColourSettings& colour = project_.colour;
        for (const ByteField& level : kLevels) {
            const auto read = Read(level.field, project_.*level.value, code(level.query));
            Compare(level.field, -1, project_.*level.value, read);
            if (!read || !colour_)
                continue;
            if (level.field == LineCheckField::PowerOnLevel)
                CompareStoredColour(LineCheckField::PowerOnColour, -1, colour.powerOnMirek, &colour.powerOnLevels);
            if (level.field == LineCheckField::SystemFailureLevel)
                CompareStoredColour(LineCheckField::SystemFailureColour, -1, colour.systemFailureMirek,
                                    &colour.systemFailureLevels);
        }
        if (colour_ && colour.tunableWhite()) {
            CompareColourValue(LineCheckField::ColourCoolest, -1, -1, colour.coolest,
                               code(dali::ColourValue::ColourTemperatureCoolest), true);
            CompareColourValue(LineCheckField::ColourWarmest, -1, -1, colour.warmest,
                               code(dali::ColourValue::ColourTemperatureWarmest), true);
        }
        if (const auto fade = Read(LineCheckField::FadeTime, project_.fadeTime, code(Op::QueryFadeTimeRate))) {
            Compare(LineCheckField::FadeTime, -1, project_.fadeTime, *fade >> 4);
            Compare(LineCheckField::FadeRate, -1, project_.fadeRate, *fade & 0x0F);
        }
        // The project file cannot tell the device type: the gear's own decides.
        if (type && HasDeviceType(bus, dali::kDeviceTypeLedModule))
            for (const Dt6Field& value : kDeviceType6Values)
                Compare(value.field, -1, project_.*value.value,
                        Read(value.field, project_.*value.value, code(value.query), true));
        const auto low = Read(LineCheckField::Groups, project_.groupMask, code(Op::QueryGroups0To7));
        const auto high = low ? Read(LineCheckField::Groups, project_.groupMask, code(Op::QueryGroups8To15))
                              : std::nullopt;
        if (low && high)
            Compare(LineCheckField::Groups, -1, project_.groupMask, *high << 8 | *low);
    }

    // The answer; a query without one is listed as such. Nothing more is
    // asked once the bus failed.
    std::optional<uint8_t> Read(LineCheckField field, int projectValue, uint8_t opcode, bool deviceType6 = false,
                                int scene = -1) {
        if (busFault_)
            return std::nullopt;
        const Asked asked = ask(c_, first_, opcode, busFault_, deviceType6);
        if (asked.reply == Reply::Answer)
            return asked.byte;
        if (asked.reply != Reply::BusFault)
            rows_.push_back({LineCheckKind::NoClearAnswer, address_, field, scene, projectValue, kLineCheckNoValue,
                             project_.name});
        return std::nullopt;
    }

    // Right after its level's query the gear reports the colour it keeps with
    // that level: its colour temperature, or the level of each colour it carries.
    void CompareStoredColour(LineCheckField field, int scene, uint16_t projectMirek, const ChannelLevels* projectLevels) {
        const ColourSettings& colour = project_.colour;
        if (colour.tunableWhite())
            CompareColourValue(field, scene, -1, projectMirek, code(dali::ColourValue::ReportColourTemperature), true);
        for (int c = 0; projectLevels && c < kColourChannels; ++c)
            if (colour.hasColour(c))
                CompareColourValue(field, scene, c, (*projectLevels)[size_t(c)],
                                   code(dali::ColourValue::ReportRedDimLevel, c), false);
    }

    void CompareColourValue(LineCheckField field, int scene, int colourIndex, int projectValue, uint8_t selector,
                            bool wide) {
        if (busFault_)
            return;
        LinkResult results = 0;
        const std::optional<uint16_t> value = QueryColourValue(c_.link, first_, selector, wide, results);
        busFault_ |= results & kFault;
        if (busFault_)
            return;
        if (!value)
            rows_.push_back({LineCheckKind::NoClearAnswer, address_, field, scene, projectValue, kLineCheckNoValue,
                             project_.name, colourIndex});
        else if (*value != projectValue)
            rows_.push_back({LineCheckKind::ValueDiffers, address_, field, scene, projectValue, *value, project_.name,
                             colourIndex});
    }

    void Compare(LineCheckField field, int scene, int projectValue, std::optional<int> busValue) {
        if (busValue && *busValue != projectValue)
            rows_.push_back(
                {LineCheckKind::ValueDiffers, address_, field, scene, projectValue, *busValue, project_.name});
    }

    LineCheckContext& c_;
    int address_;
    uint8_t first_;
    const DeviceRecord& project_;
    std::vector<LineCheckRow>& rows_;
    LinkResult& busFault_;
    bool colour_ = false;  // a colour gear whose project holds its colours
};

void showBusFault(Prompts& prompts, LinkResult fault) {
    if (fault & link_result::kBusError)
        prompts.ShowMessage(kTitleBusError, kTextBusError);
    else
        prompts.ShowMessage(kTitleBusBusy, kTextBusBusy);
}

}  // namespace

std::vector<LineCheckRow> CheckAddress(LineCheckContext& c, int address, LinkResult& busFault) {
    std::vector<LineCheckRow> rows;
    const DeviceRecord& project = c.project[size_t(address)];
    const bool inProject = project.present == 1;
    const auto row = [&](LineCheckKind kind) {
        rows.push_back({kind, address, LineCheckField::None, -1, kLineCheckNoValue, kLineCheckNoValue, project.name});
    };
    Asked status = ask(c, dali::commandAddress(address), code(Op::QueryStatus), busFault);
    // One missed answer does not make a gear of the project missing: it is asked once more.
    if (status.reply == Reply::Silent && inProject)
        status = ask(c, dali::commandAddress(address), code(Op::QueryStatus), busFault);
    switch (status.reply) {
    case Reply::BusFault:
        break;
    case Reply::Silent:
        if (inProject)
            row(LineCheckKind::Missing);
        break;
    case Reply::Collision:
        row(LineCheckKind::SharedAddress);
        break;
    case Reply::Unclear:
        row(LineCheckKind::NoClearAnswer);
        break;
    case Reply::Answer:
        if (!inProject)
            row(LineCheckKind::Unexpected);
        if (status.byte & kGearFailureBit)
            row(LineCheckKind::GearFailure);
        if (status.byte & kLampFailureBit)
            row(LineCheckKind::LampFailure);
        if (inProject)
            GearComparison(c, address, rows, busFault).Run();
        break;
    }
    return rows;
}

LineCheckResult RunLineCheck(LineCheckContext& c) {
    LineCheckResult result;
    uint8_t bridgeStatus = 0;
    dalikit_ReadRegister(c.link, bridge_register::kStatus, bridgeStatus);
    if (bridgeStatus & (kBusError | kBusy)) {
        showBusFault(c.prompts, (bridgeStatus & kBusError) ? link_result::kBusError : link_result::kOk);
        return result;
    }
    result.ran = true;
    const QString& module = c.languageModulePath;
    c.waitDialog.Show({LoadText(kTitle, module), LoadText(kWaitText, module), 1, 1, LoadText(kCancel, module),
                       kDeviceCount + 1});
    uint8_t stale = 0;
    dalikit_ReadRegister(c.link, bridge_register::kFrame, stale);  // drops an answer left over from before

    // Only gear without a short address answer yes; every gear hears a
    // broadcast, edition-1 gear too, which the unaddressed broadcast misses.
    LinkResult busFault = 0;
    const Asked unaddressed = ask(c, dali::kBroadcast, code(Op::QueryMissingShortAddress), busFault);
    const auto unaddressedRow = [&](LineCheckKind kind) {
        result.rows.push_back({kind, -1, LineCheckField::None, -1, kLineCheckNoValue, kLineCheckNoValue, {}});
    };
    if (unaddressed.reply == Reply::Answer)
        unaddressedRow(LineCheckKind::NoShortAddress);
    else if (unaddressed.reply == Reply::Collision)
        unaddressedRow(LineCheckKind::SeveralNoShortAddress);
    else if (unaddressed.reply == Reply::Unclear)
        unaddressedRow(LineCheckKind::NoClearAnswer);
    c.waitDialog.Step();
    c.processPendingEvents();

    int address = 0;
    for (; address < kDeviceCount && !busFault && !c.waitDialog.CancelRequested(); ++address) {
        const std::vector<LineCheckRow> rows = CheckAddress(c, address, busFault);
        result.rows.insert(result.rows.end(), rows.begin(), rows.end());
        c.waitDialog.Step();
        c.processPendingEvents();
    }
    result.complete = !busFault && address == kDeviceCount;
    c.waitDialog.Hide();
    if (busFault)
        showBusFault(c.prompts, busFault);
    return result;
}
