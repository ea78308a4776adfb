#include "devices/scene_view.h"

#include "devices/tab_actions.h"
#include "devices/level_controls.h"
#include "devices/level_text.h"
#include "storage/load_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr StringId kFirstSceneText = 129, kMaskHintText = 145, kSetSceneHeadingText = 146, kSetToSceneText = 272,
                   kSendText = 285, kNoColour = 533;
constexpr int kHighestKelvin = 20000;
constexpr int kSceneColumns = 2;  // two columns of eight scenes
}  // namespace

CSceneView::CSceneView(TabActions& actions, QWidget* parent) : QWidget(parent), actions_(actions) {
    auto* scenes = new QGridLayout;
    for (int n = 0; n < kSceneCount; ++n) {
        const int row = n % (kSceneCount / kSceneColumns), column = n / (kSceneCount / kSceneColumns) * 4;
        sceneLabels_[size_t(n)] = new QLabel(QStringLiteral("Scene %1").arg(n), this);
        QComboBox* combo = NewLevelCombo(QStringLiteral("scene%1Combo").arg(n), this);
        combo->setCurrentIndex(kLevelMask);
        sceneCombos_[size_t(n)] = combo;
        percents_[size_t(n)] = new QLabel(QStringLiteral("0.00%"), this);
        percents_[size_t(n)]->setObjectName(QStringLiteral("scene%1Percent").arg(n));
        percents_[size_t(n)]->setMinimumWidth(
            percents_[size_t(n)]->fontMetrics().horizontalAdvance(QStringLiteral("100.000% ")));
        scenes->addWidget(sceneLabels_[size_t(n)], row, column);
        scenes->addWidget(combo, row, column + 1);
        scenes->addWidget(percents_[size_t(n)], row, column + 2);
        auto* kelvin = new QSpinBox(this);
        kelvin->setObjectName(QStringLiteral("scene%1Kelvin").arg(n));
        kelvin->setRange(0, kHighestKelvin);
        kelvin->setSingleStep(100);
        kelvin->setSuffix(QStringLiteral(" K"));
        kelvin->setKeyboardTracking(false);
        kelvin->setVisible(false);
        sceneKelvin_[size_t(n)] = kelvin;
        scenes->addWidget(kelvin, row, column + 3);
        connect(kelvin, &QSpinBox::valueChanged, this, [this] { Edited(); });
        connect(combo, &QComboBox::activated, this, [this, n](int level) {
            ShowScene(n, level);
            Edited();
        });
    }
    maskHint_ = new QLabel(QStringLiteral("Select MASK to remove"), this);

    setSceneHeading_ = new QLabel(QStringLiteral("Set ACTUAL level as scene"), this);
    auto* actualRow = new QHBoxLayout;
    actualRow->addWidget(new QLabel(QStringLiteral("ACTUAL level"), this));
    actualSlider_ = NewLevelSlider(QStringLiteral("actualSlider"), this);
    actualCombo_ = NewLevelCombo(QStringLiteral("actualCombo"), this);
    actualCombo_->setCurrentIndex(kLevelMask);
    actualRow->addWidget(actualSlider_, 1);
    actualRow->addWidget(actualCombo_);
    // The combo alone neither moves the slider nor sends anything.
    ConnectActualSlider(actualSlider_, actualCombo_, actions_);

    setToScene_ = new QLabel(QStringLiteral("Set to scene"), this);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    for (int n = 0; n < kSceneCount; ++n) {
        auto* button = new QPushButton(QString::number(n), this);
        button->setObjectName(QStringLiteral("setScene%1Button").arg(n));
        button->setMinimumWidth(28);
        // Narrow number buttons: the style's wide push-button hint does not apply.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        buttons->addWidget(button, n / 8, n % 8);
        connect(button, &QPushButton::clicked, this, [this, n] {
            const int level = actualCombo_->currentIndex();
            sceneCombos_[size_t(n)]->setCurrentIndex(level);
            ShowScene(n, level);
            Edited();
        });
    }

    send_ = new QPushButton(QStringLiteral("Send"), this);
    send_->setObjectName(QStringLiteral("sendButton"));
    connect(send_, &QPushButton::clicked, this, [this] {
        actions_.SendRequested();
    });

    auto* column = new QVBoxLayout(this);
    column->addLayout(scenes);
    column->addWidget(maskHint_);
    column->addSpacing(8);
    column->addWidget(setSceneHeading_);
    column->addLayout(actualRow);
    column->addWidget(setToScene_);
    column->addLayout(buttons);
    column->addStretch();
    column->addWidget(send_, 0, Qt::AlignRight);
}

void CSceneView::Edited() {
    actions_.ScenesEdited();
}

void CSceneView::ShowScene(int scene, int level) {
    const uint8_t curve = actions_.FirstSelectedDimmingCurve();
    percents_[size_t(scene)]->setText(LevelText(uint8_t(level), curve));
}

void CSceneView::ShowDevice(const DeviceRecord& record) {
    showsColour_ = record.colour.tunableWhite();
    const bool scenesRead = record.readState & kReadStateScenes;  // else the gear did not answer
    for (int n = 0; n < kSceneCount; ++n) {
        const uint8_t level = record.sceneLevel[size_t(n)];
        sceneCombos_[size_t(n)]->setCurrentIndex(level);
        percents_[size_t(n)]->setText(scenesRead ? LevelText(level, record.dimmingCurve) : QStringLiteral("?"));
        QSpinBox* kelvin = sceneKelvin_[size_t(n)];
        const QSignalBlocker block(kelvin);
        kelvin->setValue(KelvinFromMirek(record.colour.sceneMirek[size_t(n)]));
        kelvin->setVisible(showsColour_);
    }
}

SceneSettings CSceneView::Settings() const {
    SceneSettings settings;
    for (int n = 0; n < kSceneCount; ++n)
        settings.sceneLevel[size_t(n)] = uint8_t(sceneCombos_[size_t(n)]->currentIndex());
    if (showsColour_) {
        auto& mirek = settings.sceneMirek.emplace();
        for (int n = 0; n < kSceneCount; ++n)
            mirek[size_t(n)] = MirekFromKelvin(sceneKelvin_[size_t(n)]->value());  // 0 K: MASK
    }
    return settings;
}

void CSceneView::EnableControls(bool enabled) {
    // The tab's wait dialog is a window of its own, not a control.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isWindow())
            control->setEnabled(enabled);
}

void CSceneView::ApplyLanguage(const QString& module) {
    for (int n = 0; n < kSceneCount; ++n)
        sceneLabels_[size_t(n)]->setText(LoadText(StringId(kFirstSceneText + n), module));
    maskHint_->setText(LoadText(kMaskHintText, module));
    setSceneHeading_->setText(LoadText(kSetSceneHeadingText, module));
    setToScene_->setText(LoadText(kSetToSceneText, module));
    send_->setText(LoadText(kSendText, module));
    for (QSpinBox* kelvin : sceneKelvin_)
        kelvin->setSpecialValueText(LoadText(kNoColour, module));
}
