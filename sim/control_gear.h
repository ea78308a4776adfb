#pragma once
// One simulated DALI control gear (IEC 62386-102), optionally an LED module
// (IEC 62386-207, device type 6) or a self-contained emergency luminaire
// (IEC 62386-202, device type 1, see sim/emergency_unit.h). The bus hands it every forward frame when
// the frame has ended; the gear answers with a backward frame or stays quiet.
// Not thread safe: the bus serialises all calls.
//
// Behaviour worth knowing when writing scenarios and tests:
// - DAPC and GO TO SCENE fade over the fade time (0.5 s × √2^n for fade
//   time n; for fade time 0 an LED module's fast fade time, 25 ms steps),
//   linearly in arc level, on the bus clock: QUERY ACTUAL LEVEL answers the
//   level reached so far and status bit 4 is set until the fade ends. A fade
//   stays within MIN..MAX, also when they change meanwhile. OFF, RECALL
//   MAX/MIN and the step commands act at once and stop a running fade; so
//   does DAPC with MASK. UP and DOWN move the level at once by the steps the
//   fade rate covers in 200 ms.
// - A gear starts at its power-on level (MASK: its last level, the level it
//   had when its mains went off) with the power-failure flag set. Bus power lost sends it to its system-failure level; its own
//   mains switched off make it dark and silent, switched on start it afresh.
// - A configuration command acts when the identical frame ends a second time
//   at most 100 ms (bus clock, frame end to frame end) after the first, with
//   no frame between. A third copy counts as a new first copy.
// - A colour gear (device type 8) takes a temporary colour (SET TEMPORARY
//   ...) that ACTIVATE makes its colour; a colour temperature stays within
//   the coolest and warmest limits. STORE DTR AS POWER ON LEVEL, SYSTEM
//   FAILURE LEVEL and SCENE keep the temporary colour with the level, and
//   power-up, bus power lost and GO TO SCENE show it; each such STORE clears
//   the temporary colour. The simulated colour changes at once. The report
//   colour is the actual colour, or the colour QUERY POWER ON LEVEL, SYSTEM
//   FAILURE LEVEL or SCENE LEVEL loaded until the next colour command.
// - A gear may be of several device types (moreDeviceTypes); QUERY NEXT
//   DEVICE TYPE lists them only right after QUERY DEVICE TYPE or itself.
// - ENABLE WRITE MEMORY allows WRITE MEMORY LOCATION (- NO REPLY) until a
//   frame other than DTR0..2, the writes or QUERY CONTENT DTR0..2 arrives.
// - ENABLE DEVICE TYPE 6 applies to the next command; a configuration command
//   keeps it for its repeat (ENABLE, command, command). The gear decodes
//   frames with dali::FrameDecoder, as the bus's log and the monitor do.
// - Broadcast unaddressed (first byte 0xFC/0xFD) reaches a DALI-2 gear
//   (version number 8 or more) without a short address.
// - The initialisation state ends 15 minutes after the INITIALISE that
//   started it: a frame that ends later finds it over.
// - A physical-selection key press counts only while the gear is in
//   physical-selection mode; a press at any other time is forgotten. Every
//   PHYSICAL SELECTION frame starts the mode afresh with nothing selected.

#include "dali/frame_decoder.h"
#include "sim/emergency_unit.h"
#include "sim/gear_colour.h"
#include "sim/luminaire_banks.h"
#include "sim/memory_bank0.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace sim {

// Faults a tester gives a gear, to see how the program copes.
struct GearFaults {
    uint32_t missFrames = 0;      // the next n forward frames pass the gear unheard
    bool lateReplies = false;     // replies start after the bridge's reply window has closed
    bool garbledReplies = false;  // replies are not valid backward frames
    bool noSelectionKey = false;  // the gear has no physical-selection key: presses do nothing

    bool operator==(const GearFaults&) const = default;
};

// A gear's start state, as a scenario describes it. Defaults are the
// standard's reset values, a physical minimum of 1 and no short address.
struct GearConfig {
    std::string name;
    std::optional<uint8_t> shortAddress;          // 0..63, none = unaddressed
    std::optional<uint32_t> randomAddress;        // 24 bit; none = 0xFFFFFF until RANDOMISE
    std::vector<uint32_t> randomDraws;            // what the next RANDOMISEs draw, then the seeded generator
    std::optional<uint32_t> replyDelayUs;         // 5500..10500; none: drawn from the gear's seed
    uint8_t deviceType = 6;
    // A gear of several device types: the others. QUERY DEVICE TYPE then
    // answers MASK and QUERY NEXT DEVICE TYPE lists them all, lowest first.
    std::vector<uint8_t> moreDeviceTypes;
    uint8_t physicalMinLevel = 1;
    uint8_t maxLevel = 254;
    uint8_t minLevel = 1;                         // raised to physicalMinLevel
    uint8_t powerOnLevel = 254;
    uint8_t systemFailureLevel = 254;
    std::optional<uint8_t> actualLevel;           // none: the power-on level
    uint8_t fadeTime = 0;
    uint8_t fadeRate = 7;
    uint16_t groups = 0;                          // bit g = member of group g
    std::array<uint8_t, 16> scenes{255, 255, 255, 255, 255, 255, 255, 255,
                                   255, 255, 255, 255, 255, 255, 255, 255};
    uint8_t dimmingCurve = 0;                     // device type 6: 0 logarithmic, 1 linear
    uint8_t fastFadeTime = 0;
    uint8_t minFastFadeTime = 4;
    uint8_t operatingMode = 0;
    uint8_t extendedVersion = 1;
    uint64_t gtin = 0;                            // 48 bit, memory bank 0 locations 3..8
    std::array<uint8_t, 2> firmwareVersion{1, 0}; // bank 0 locations 9..10
    uint64_t identificationNumber = 0;            // bank 0 locations 11..18
    uint8_t versionNumber = 8;                    // QUERY VERSION NUMBER, bank 0: 8 (2.0) DALI-2, 1 edition 1
    bool lampFailure = false;
    bool gearFailure = false;
    EmergencyConfig emergency{};                  // device type 1 only
    GearFaults faults{};
    GearColourConfig colour{};  // device type 8
    GearBanksConfig banks{};    // memory banks 1 and 202..207

    bool operator==(const GearConfig&) const = default;
};

class ControlGear {
public:
    // `seed` drives RANDOMISE, so a scenario gives the same random addresses every run.
    // Out-of-range start values are brought into range the way the gear's own
    // commands would (levels clamped, an address above 63 means none).
    ControlGear(GearConfig config, uint64_t seed);

    // A forward frame (first, second) ended at `endUs` on the bus clock.
    // Returns the backward frame, or nothing when the gear stays quiet.
    std::optional<uint8_t> receive(uint64_t endUs, uint8_t first, uint8_t second);

    // The installer presses the gear's physical-selection key.
    void pressPhysicalSelectionKey();

    // How long after a forward frame ends this gear starts its backward frame
    // (past the reply window while it answers late).
    uint32_t replyDelayUs() const;
    // Its backward frames are garbled.
    bool garblesReplies() const { return faults_.garbledReplies; }
    const GearFaults& faults() const { return faults_; }
    void setFaults(const GearFaults& faults) { faults_ = faults; }

    // The gear as a scenario would start it now: its stored variables, its
    // addresses and its level (a running fade at its end).
    GearConfig snapshot() const;

    // Identity and addressing.
    const std::string& name() const { return name_; }
    // The answer to QUERY DEVICE TYPE: the gear's type, MASK for several.
    uint8_t deviceType() const;
    const std::vector<uint8_t>& deviceTypes() const { return deviceTypes_; }  // sorted
    bool hasDeviceType(uint8_t type) const;
    std::optional<uint8_t> shortAddress() const { return shortAddress_; }
    uint32_t randomAddress() const { return vars_.randomAddress; }
    uint32_t searchAddress() const { return vars_.searchAddress; }
    // Presets the random address (24 bit), as if RANDOMISE had drawn it.
    void setRandomAddress(uint32_t address) { vars_.randomAddress = address & 0xFFFFFF; }
    // In the initialisation state at bus time `nowUs` (the 15-minute window counts).
    bool isInitialising(uint64_t nowUs) const;
    // The withdrawn flag and physical selection as the last frame left them.
    bool isWithdrawn() const { return withdrawn_; }
    bool isInPhysicalSelectionMode() const { return physicalSelectionMode_; }
    bool isPhysicallySelected() const { return physicallySelected_; }

    // Power: the bus losing power, and the gear's own mains.
    void busPowerLost();
    void setMainsPowered(bool powered);
    bool mainsPowered() const { return mainsPowered_; }

    // Levels and settings. actualLevel() is the level the last frame left;
    // at a later time a fade may have moved on.
    uint8_t actualLevel() const { return actualLevel_; }
    uint8_t actualLevel(uint64_t nowUs) const;
    bool fadeRunning(uint64_t nowUs) const;
    uint8_t physicalMinLevel() const { return physicalMinLevel_; }
    uint8_t maxLevel() const { return vars_.maxLevel; }
    uint8_t minLevel() const { return vars_.minLevel; }
    uint8_t powerOnLevel() const { return vars_.powerOnLevel; }
    uint8_t systemFailureLevel() const { return vars_.systemFailureLevel; }
    uint8_t fadeTime() const { return vars_.fadeTime; }
    uint8_t fadeRate() const { return vars_.fadeRate; }
    uint16_t groups() const { return vars_.groups; }
    const std::array<uint8_t, 16>& scenes() const { return vars_.scenes; }
    uint8_t dimmingCurve() const { return vars_.dimmingCurve; }
    uint8_t fastFadeTime() const { return vars_.fastFadeTime; }
    uint8_t minFastFadeTime() const { return minFastFadeTime_; }

    // Data transfer registers.
    uint8_t dtr0() const { return dtr0_; }
    uint8_t dtr1() const { return dtr1_; }
    uint8_t dtr2() const { return dtr2_; }

    // Status: the answer QUERY STATUS gives, and its parts.
    uint8_t status() const;
    bool lampFailure() const { return lampFailure_; }
    bool gearFailure() const { return gearFailure_; }
    // Set from power-up until the first arc power command or RESET.
    bool powerFailure() const { return powerFailure_; }
    bool limitError() const { return limitError_; }
    // Every variable that RESET sets holds its reset value (the actual level aside).
    bool resetState() const;
    void setLampFailure(bool failed) { lampFailure_ = failed; }
    void setGearFailure(bool failed) { gearFailure_ = failed; }

    const MemoryBank0& memoryBank0() const { return bank0_; }
    const LuminaireBanks& luminaireBanks() const { return banks_; }

    // The emergency part of a device type 1 gear, else nullptr.
    EmergencyUnit* emergencyUnit() { return emergency_ ? &*emergency_ : nullptr; }
    // Colour (device type 8): the settings with the colour shown now, and the
    // temporary colour waiting for ACTIVATE.
    const GearColourConfig& colour() const { return colour_; }
    const GearColourPoint& temporaryColour() const { return temporaryColour_; }

private:
    // The variables RESET sets, at their reset values (minLevel becomes the
    // physical minimum). The reset state flag compares against these.
    struct ResetVariables {
        uint8_t maxLevel = 254;
        uint8_t minLevel = 1;
        uint8_t powerOnLevel = 254;
        uint8_t systemFailureLevel = 254;
        uint8_t fadeTime = 0;
        uint8_t fadeRate = 7;
        uint32_t searchAddress = 0xFFFFFF;
        uint32_t randomAddress = 0xFFFFFF;
        uint16_t groups = 0;
        std::array<uint8_t, 16> scenes{255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
        uint8_t dimmingCurve = 0;
        uint8_t fastFadeTime = 0;
        bool operator==(const ResetVariables&) const = default;
    };

    ResetVariables resetValues() const;
    bool addressedBy(uint8_t first) const;
    bool initialiseSelects(uint8_t data) const;
    uint8_t addressByte() const;
    // The gear that PROGRAM/QUERY SHORT ADDRESS and WITHDRAW act on.
    bool chosenForAddressing() const;

    std::optional<uint8_t> special(uint64_t endUs, dali::SpecialOp op, uint8_t data);
    std::optional<uint8_t> addressingSpecial(dali::SpecialOp op, uint8_t data);
    void arcPower(dali::Op op, int scene, uint64_t endUs);
    void directArcPower(uint8_t level, uint64_t endUs);
    void configure(dali::Op op, int number);
    std::optional<uint8_t> query(dali::Op op, int number);
    std::optional<uint8_t> readMemoryLocation();
    std::optional<uint8_t> writeMemoryLocation(uint8_t value);
    // Handles the frame; receive() counts the banks around it.
    std::optional<uint8_t> handle(uint64_t endUs, uint8_t first, uint8_t second);
    void deviceType6Configure(dali::Dt6Op op);
    std::optional<uint8_t> deviceType6Query(dali::Dt6Op op) const;
    uint8_t deviceType6FailureStatus() const;
    std::optional<uint8_t> deviceType1(uint64_t endUs, const dali::Command& command);
    std::optional<uint8_t> deviceType8(const dali::Command& command);
    void deviceType8Command(dali::Dt8Op op);
    void storeColourTemperatureLimit();
    std::optional<uint8_t> deviceType8Query(dali::Dt8Op op);
    std::optional<uint8_t> colourValue();
    // STORE DTR AS POWER ON LEVEL, SYSTEM FAILURE LEVEL, SCENE keep the
    // temporary colour with the level; REMOVE FROM SCENE drops the scene's.
    void storeColour(dali::Op op, int scene);
    // The colour kept with the level a STORE or QUERY ... LEVEL names, else nullptr.
    GearColourPoint* storedColour(dali::Op op, int scene);
    // QUERY ... LEVEL loads the colour kept with that level into the report colour.
    void reportStoredColour(dali::Op op, int scene);
    const GearColourPoint& reportColour() const;
    // A stored colour taking effect (MASK: the colour stays).
    void recallColour(const GearColourPoint& stored);
    void clampColourTemperature();

    // Arc power to `level` (0 = off), fading over the fade time when asked to.
    void setArcLevel(uint8_t level, uint64_t endUs, bool fade);
    uint64_t fadeDurationUs() const;
    void clampFadeTarget();
    // Brings a finished fade to its end and a running one to where it is at `nowUs`.
    void settleFade(uint64_t nowUs);
    void powerUp();

    void initialise(uint64_t endUs);
    void leaveInitialisation();
    void reset();
    void clampActualLevel();

    // QUERY NEXT DEVICE TYPE right after QUERY DEVICE TYPE or itself: the
    // index of the type it lists (the size: the end mark).
    std::optional<uint8_t> nextDeviceType();

    std::string name_;
    std::vector<uint8_t> deviceTypes_;
    std::optional<size_t> listedDeviceTypes_;  // set by the frame before; any frame clears it
    std::mt19937_64 random_;
    std::vector<uint32_t> randomDraws_;  // preset draws, consumed from the front
    uint32_t replyDelayUs_;
    MemoryBank0 bank0_;
    LuminaireBanks banks_;
    bool writeEnabled_ = false;  // ENABLE WRITE MEMORY, until a frame other than DTRs and writes
    uint64_t gtin_, identificationNumber_;
    std::array<uint8_t, 2> firmwareVersion_;
    uint8_t physicalMinLevel_;
    uint8_t minFastFadeTime_;
    uint8_t operatingMode_;
    uint8_t extendedVersion_;

    ResetVariables vars_;
    std::optional<uint8_t> shortAddress_;
    uint8_t actualLevel_ = 0;
    uint8_t lastLevel_ = 0;  // the level when the mains went off, for power-on level MASK
    std::optional<uint64_t> initialisationEndsUs_;  // set while initialising
    bool withdrawn_ = false;
    bool physicalSelectionMode_ = false;
    bool physicallySelected_ = false;

    uint8_t dtr0_ = 0, dtr1_ = 0, dtr2_ = 0;
    bool lampFailure_;
    bool gearFailure_;
    bool powerFailure_ = true;
    bool limitError_ = false;

    struct Fade {
        uint64_t startUs = 0, durationUs = 0;
        uint8_t from = 0, to = 0;
    };
    std::optional<Fade> fade_;
    bool mainsPowered_ = true;

    std::optional<EmergencyUnit> emergency_;
    EmergencyConfig emergencyConfig_;  // kept for the snapshot of a gear of another type
    GearColourConfig colour_;
    GearColourPoint temporaryColour_;
    std::optional<GearColourPoint> reportedStored_;  // loaded by QUERY ... LEVEL
    bool tcOutOfRange_ = false;

    GearFaults faults_;
    dali::FrameDecoder decoder_;  // this gear's own: a frame it missed is not in it
};

}  // namespace sim
