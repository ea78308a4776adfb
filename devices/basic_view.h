#pragma once
// The basic parameters tab: MIN, MAX, POWER ON, SYSTEM FAILURE and ACTUAL
// level, fade time and rate, dimming curve, fast fade time and groups of the
// selected gear, what of it is sent, and commands to the selected gear.
// Bus work and decisions go through TabActions.

#include "devices/device_record.h"
#include "devices/tab_settings.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class TabActions;

class CBasicView final : public QWidget {
    Q_OBJECT

public:
    enum LevelRow { kMinRow, kMaxRow, kPowerRow, kFailRow, kActualRow, kLevelRowCount };

    CBasicView(TabActions& actions, QWidget* parent = nullptr);


    // Fills every control from the record.
    void ShowDevice(const DeviceRecord& record);
    // What the tab shows now: ticked boxes, combo indices, group buttons.
    BasicSettings Settings() const;

    // Every control on or off; either way the 16 group buttons are released.
    void EnableControls(bool enabled);
    // Offline: the buttons that talk to the bus are off.
    void DisableBusButtons();
    void ApplyLanguage(const QString& languageModulePath);

    QPushButton* sendButton() const { return send_; }

private:
    struct Row {
        QCheckBox* box = nullptr;  // none for ACTUAL
        QSlider* slider = nullptr;
        QComboBox* combo = nullptr;
        QLabel* percent = nullptr;
    };

    void BuildLevelRows();
    void BuildValueCombos();
    void BuildGroupsAndButtons();
    void SetLevel(LevelRow row, int level);  // slider, combo and percent label
    void UpdatePercent(LevelRow row);
    int Curve() const;
    void Edited();
    void SliderMoved(LevelRow row, int position);
    void SetActualAs(LevelRow row);

    TabActions& actions_;
    std::array<Row, kLevelRowCount> rows_;
    std::array<QCheckBox*, kBasicItemCount> boxes_{};  // by BasicItem
    QComboBox* fadeTime_ = nullptr;
    QComboBox* fadeRate_ = nullptr;
    QComboBox* curve_ = nullptr;
    QComboBox* fastFade_ = nullptr;
    std::array<QPushButton*, 16> groups_{};
    QLabel* setActualLabel_ = nullptr;
    QPushButton* read_ = nullptr;
    QPushButton* factoryReset_ = nullptr;
    QPushButton* removeAddress_ = nullptr;
    QPushButton* identify_ = nullptr;
    QPushButton* recallMax_ = nullptr;
    QPushButton* recallMin_ = nullptr;
    QPushButton* off_ = nullptr;
    QPushButton* send_ = nullptr;
    class QGridLayout* grid_ = nullptr;
};
