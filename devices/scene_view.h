#pragma once
// The scenes tab: the 16 scene levels of the selected gear (for tunable-white
// gear each with its colour temperature), an ACTUAL slider that sets the
// selected gear live, and buttons that copy the ACTUAL level into a scene. Bus work and decisions go through TabActions.

#include "devices/device_record.h"
#include "devices/tab_settings.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class TabActions;

class CSceneView final : public QWidget {
    Q_OBJECT

public:
    CSceneView(TabActions& actions, QWidget* parent = nullptr);


    // The scene combos and labels from the record; the ACTUAL row stays.
    void ShowDevice(const DeviceRecord& record);
    SceneSettings Settings() const;

    void EnableControls(bool enabled);
    void ApplyLanguage(const QString& languageModulePath);

    QPushButton* sendButton() const { return send_; }

private:
    void ShowScene(int scene, int level);  // combo and label, labelled with the first selected gear's curve
    void Edited();

    TabActions& actions_;
    std::array<QLabel*, kSceneCount> sceneLabels_{};
    std::array<QComboBox*, kSceneCount> sceneCombos_{};
    std::array<QLabel*, kSceneCount> percents_{};
    std::array<QSpinBox*, kSceneCount> sceneKelvin_{};  // shown for tunable-white gear; 0 K: no colour
    bool showsColour_ = false;
    QLabel* maskHint_ = nullptr;
    QLabel* setSceneHeading_ = nullptr;
    QLabel* setToScene_ = nullptr;
    QSlider* actualSlider_ = nullptr;
    QComboBox* actualCombo_ = nullptr;
    QPushButton* send_ = nullptr;
};
