#pragma once
// "Anlage prüfen": compares the bus with the project as it was opened. Every
// short address is asked for its status; a gear the project also has is read
// and each value compared. Only queries reach the bus (and ENABLE DEVICE
// TYPE 6 or 8 before a query of that type, DTR0 with the colour value a
// colour gear is asked for): checking never changes a gear.

#include "devices/device_record.h"
#include "link/dalikit.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

class Prompts;
class WaitDialog;

enum class LineCheckKind {
    NoShortAddress,         // at least one gear without a short address answered
    SeveralNoShortAddress,  // several did: their answers collided
    Missing,                // in the project, silent on the bus
    Unexpected,             // answers, not in the project
    SharedAddress,          // several gear answer on the address (frame errors)
    GearFailure,            // QUERY STATUS bit 0
    LampFailure,            // QUERY STATUS bit 1
    NoClearAnswer,          // a query got no clear answer, even when asked again
    ValueDiffers,           // a value read differs from the project's
};

// The values compared, in the order they are listed; scenes are Scene + n.
enum class LineCheckField {
    None,
    MaxLevel,
    MinLevel,
    PowerOnLevel,
    SystemFailureLevel,
    FadeTime,
    FadeRate,
    FastFadeTime,  // device type 6 only
    DimmingCurve,  // device type 6 only
    Groups,        // the 16 membership bits
    Scene,
    // Colour gear (device type 8) whose project holds their colours: the
    // colour temperature limits and the colours kept with the power-on,
    // system-failure and scene levels (colour temperatures in mirek, or a
    // colour's level of RGBWAF gear).
    ColourCoolest,
    ColourWarmest,
    PowerOnColour,
    SystemFailureColour,
    SceneColour,
};

inline constexpr int kLineCheckNoValue = -1;

struct LineCheckRow {
    LineCheckKind kind = LineCheckKind::ValueDiffers;
    int address = -1;  // -1: the row is about gear without a short address
    LineCheckField field = LineCheckField::None;
    int scene = -1;  // 0..15 for LineCheckField::Scene and SceneColour
    int projectValue = kLineCheckNoValue;
    int busValue = kLineCheckNoValue;
    QString name;  // the project's name for the gear at the address
    int colour = -1;  // a colour field of RGBWAF gear: the colour, 0 red .. 5 freecolour; -1 a colour temperature

    bool operator==(const LineCheckRow&) const = default;
};

struct LineCheckResult {
    // False when the bus was in error or busy before the check: a message was
    // shown and nothing was sent.
    bool ran = false;
    // False when the check was cancelled or the bus failed on the way: the
    // rows cover only the addresses reached.
    bool complete = false;
    std::vector<LineCheckRow> rows;  // by address, the gear without a short address first
    QDateTime checkedAt;             // when the check ran; the report dates its part with it
};

struct LineCheckContext {
    BusLink link;
    const DeviceTable& project;  // the project as opened (the store's projectTable)
    WaitDialog& waitDialog;
    Prompts& prompts;
    QString languageModulePath;
    std::function<void()> processPendingEvents;
};

// The whole check under the wait dialog (65 steps, cancel between addresses).
LineCheckResult RunLineCheck(LineCheckContext& context);

// The rows of one short address, asked afresh (after the project's values
// were sent to it). `busFault` gets link_result::kBusError or kWaitTimedOut
// when the bus failed meanwhile; the rows are then incomplete.
std::vector<LineCheckRow> CheckAddress(LineCheckContext& context, int address, LinkResult& busFault);
