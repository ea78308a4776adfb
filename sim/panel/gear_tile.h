#pragma once
// One simulated gear on the panel: a lamp whose brightness follows the arc
// level through the gear's dimming curve, its name and addresses, device
// type and groups, its addressing state (initialising, withdrawn, selected),
// the keys an installer has at the gear ("Physical select" and its mains
// switch), and the faults a tester gives it.

#include "sim/control_gear.h"

#include <QColor>
#include <QFrame>

#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

// What a tile shows, read from the gear.
struct GearTileState {
    QString name;
    std::optional<uint8_t> shortAddress;
    uint32_t randomAddress = 0xFFFFFF;
    uint8_t deviceType = 0;
    uint16_t groups = 0;
    uint8_t level = 0;
    uint8_t dimmingCurve = 0;
    bool mainsPowered = true;
    bool initialising = false;  // in the initialisation state
    bool withdrawn = false;
    bool selected = false;  // physically selected
    sim::GearFaults faults{};
    // A colour gear: the colour shown now and its RGBWAF channel count.
    std::optional<sim::GearColourPoint> colour;
    uint8_t colourChannels = 0;
    // An emergency luminaire: its injected failures.
    bool emergency = false;
    bool batteryFailure = false;
    bool emergencyLampFailure = false;
    // A luminaire with memory banks: the active energy it has counted.
    std::optional<double> activeEnergyWh;
};

// "Energy 1.235 kWh" for the tile, empty without banks.
QString energyText(const GearTileState& state);

// The tile's line for the addressing state: "Initialising · withdrawn · selected", or empty.
QString addressingStateText(const GearTileState& state);

// Light output 0..1 of an arc level: the logarithmic curve of IEC 62386-102
// (0.1 % at level 1, 100 % at 254), or linear.
double lightOutput(uint8_t level, uint8_t dimmingCurve);

// The hue a lamp of this colour shows at full output: a colour temperature
// as the black body's (warm orange to bluish white), channel levels mixed
// (white and amber added to red, green and blue); a lamp without colour is
// warm white.
QColor lampColour(const std::optional<sim::GearColourPoint>& colour, uint8_t channels);

class GearTile final : public QFrame {
    Q_OBJECT

public:
    explicit GearTile(QWidget* parent = nullptr);
    void showState(const GearTileState& state);
    // The light output the lamp shows now, 0..1 (0 while the mains are off).
    double lampOutput() const;
    // The colour the lamp shows at full output (lampColour of the state).
    QColor lampHue() const;

Q_SIGNALS:
    void physicalSelectPressed();
    void mainsToggled(bool on);
    void removePressed();
    // The tester's fault keys: the gear misses the next `count` frames; a
    // fault switched on or off (its answers late or garbled, its key gone).
    void missFramesPressed(int count);
    void faultsToggled(bool late, bool garbled, bool noKey);
    // An emergency luminaire's battery or emergency lamp failed or mended.
    void emergencyFailuresToggled(bool battery, bool lamp);

private:
    class Lamp;
    Lamp* lamp_;
    QLabel* name_;
    QLabel* details_;
    QLabel* state_;
    QLabel* energy_;
    QPushButton* mains_;
    QSpinBox* missCount_;
    QToolButton* late_;
    QToolButton* garbled_;
    QToolButton* noKey_;
    QToolButton* battery_;  // emergency luminaires only
    QToolButton* emergencyLamp_;
};
