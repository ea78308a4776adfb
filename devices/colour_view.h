#pragma once
// The colour tab ("Farbe") of colour gear (device type 8): the colour type;
// for tunable white the colour temperature shown now with a slider and a
// field that set it live, the coolest and warmest limits within the physical
// ones, the power-on and system-failure colour temperature; for RGBWAF gear
// the channel levels. "Senden" sends only what was edited. Bus work goes
// through ColourTabServices.

#include "devices/colour_changes.h"
#include "devices/device_record.h"

#include <QWidget>

#include <array>

class ColourTabServices;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

class ColourView final : public QWidget {
    Q_OBJECT

public:
    explicit ColourView(ColourTabServices& services, QWidget* parent = nullptr);

    // Fills every control from the record (the first selected gear's) and
    // forgets the edits.
    void ShowDevice(const DeviceRecord& record);
    // Offline the live controls and "Senden" are off; the rest still shows.
    void SetOnline(bool online);
    void ApplyLanguage(const QString& languageModulePath);

    // The items edited since the record was shown, with their values.
    const ColourChanges& Changes() const { return changes_; }

private:
    QSpinBox* NewKelvinField(const char* name, bool noneAllowed);
    void Edited(ColourItem item);
    // The channel fields show and edit one set of levels: the colour now, the
    // power-on or the system-failure colour (the combo box's pick).
    void FillChannels();
    int channelSet() const;
    void LiveSet(int kelvin);
    void UpdateEnabled();
    void UpdateTexts();

    ColourTabServices& services_;
    ColourSettings shown_;
    ColourChanges changes_;
    QString module_;
    bool online_ = false;
    bool filling_ = false;  // controls set from the record, not by the user
    int liveKelvin_ = 0;    // the colour temperature the live controls set last

    QLabel* typeLabel_;
    QLabel* type_;
    QLabel* currentLabel_;
    QLabel* current_;
    QLabel* setLabel_;
    QSlider* slider_;
    QSpinBox* kelvin_;
    QLabel* coolestLabel_;
    QSpinBox* coolest_;
    QLabel* warmestLabel_;
    QSpinBox* warmest_;
    QLabel* physical_;
    QLabel* powerOnLabel_;
    QSpinBox* powerOn_;
    QLabel* failureLabel_;
    QSpinBox* failure_;
    QLabel* channelsLabel_;
    QComboBox* channelSet_;
    std::array<QLabel*, kColourChannels> channelNames_{};
    std::array<QSpinBox*, kColourChannels> levels_{};
    QPushButton* send_;
};
