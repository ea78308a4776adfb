#include "devices/emergency_view.h"

#include "devices/emergency_text.h"
#include "storage/load_text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr StringId kModeCaption = 601, kStatusCaption = 602, kFailureCaption = 598, kBatteryLine = 603, kLampLine = 604,
                   kIntervalLine = 605, kDelayLine = 711, kUnknown = 592, kRead = 409;
constexpr uint8_t kChargeUnknown = 255;
constexpr int kFullCharge = 254;

struct Button {
    EmergencyAction action;
    StringId text;
    const char* objectName;
};

constexpr std::array kButtons{
    Button{EmergencyAction::FunctionTest, 561, "functionTestButton"},
    Button{EmergencyAction::DurationTest, 562, "durationTestButton"},
    Button{EmergencyAction::StopTest, 606, "stopTestButton"},
    Button{EmergencyAction::Inhibit, 607, "inhibitButton"},
    Button{EmergencyAction::ReLight, 608, "reLightButton"},
    Button{EmergencyAction::Identify, 609, "identifyButton"},
};

QLabel* namedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

CEmergencyView::CEmergencyView(EmergencyViewServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
    auto* form = new QFormLayout;
    modeCaption_ = new QLabel(this);
    statusCaption_ = new QLabel(this);
    failureCaption_ = new QLabel(this);
    mode_ = namedLabel("modeText", this);
    status_ = namedLabel("statusText", this);
    failures_ = namedLabel("failureText", this);
    battery_ = namedLabel("batteryText", this);
    lamp_ = namedLabel("lampText", this);
    intervals_ = namedLabel("intervalText", this);
    delays_ = namedLabel("delayText", this);
    form->addRow(modeCaption_, mode_);
    form->addRow(statusCaption_, status_);
    form->addRow(failureCaption_, failures_);
    form->addRow(battery_);
    form->addRow(lamp_);
    form->addRow(intervals_);
    form->addRow(delays_);

    auto* buttons = new QHBoxLayout;
    read_ = new QPushButton(this);
    read_->setObjectName(QStringLiteral("readButton"));
    connect(read_, &QPushButton::clicked, this, [this] { Read(); });
    buttons->addWidget(read_);
    for (const Button& b : kButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(b.objectName));
        connect(button, &QPushButton::clicked, this, [this, action = b.action] { Run(action); });
        buttons->addWidget(button);
        buttons_[b.action] = button;
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addStretch();
    ApplyLanguage(services_.languageModulePath);
}

void CEmergencyView::ApplyLanguage(const QString& languageModulePath) {
    services_.languageModulePath = languageModulePath;
    modeCaption_->setText(LoadText(kModeCaption, languageModulePath));
    statusCaption_->setText(LoadText(kStatusCaption, languageModulePath));
    failureCaption_->setText(LoadText(kFailureCaption, languageModulePath) + u':');
    read_->setText(LoadText(kRead, languageModulePath));
    for (const Button& b : kButtons)
        buttons_[b.action]->setText(LoadText(b.text, languageModulePath));
    ShowUnit(state_);
}

// Minutes from 2-minute steps, hours from 4-hour steps: the value times its
// step. A counter at its end (255) says "this or more", a level at MASK nothing.
QString CEmergencyView::Number(std::optional<uint8_t> value, int factor, Mask mask) const {
    if (!value || (mask == Mask::Unknown && *value == dali::kMask))
        return LoadText(kUnknown, services_.languageModulePath);
    const QString number = QString::number(*value * factor);
    return mask == Mask::AtLeast && *value == dali::kMask ? QStringLiteral("≥ ") + number : number;
}

// The unit counts down to its next automatic test in quarter hours: "6 d 23 h 45 min".
QString CEmergencyView::Delay(std::optional<uint16_t> quarterHours) const {
    if (!quarterHours || *quarterHours == dali::kMask16)
        return LoadText(kUnknown, services_.languageModulePath);
    constexpr int kPerHour = 4, kPerDay = 24 * kPerHour;
    const int q = *quarterHours;
    const QString time = QStringLiteral("%1 h %2 min").arg(q % kPerDay / kPerHour).arg(q % kPerHour * 15);
    return q >= kPerDay ? QStringLiteral("%1 d ").arg(q / kPerDay) + time : time;
}

void CEmergencyView::ShowUnit(const EmergencyState& state) {
    state_ = state;
    const QString& path = services_.languageModulePath;
    mode_->setText(EmergencyBitsText(EmergencyBits::Mode, state.mode, path));
    status_->setText(EmergencyBitsText(EmergencyBits::Status, state.status, path));
    failures_->setText(EmergencyBitsText(EmergencyBits::Failure, state.failureStatus, path));
    const QString charge = state.batteryCharge && *state.batteryCharge != kChargeUnknown
                               ? QStringLiteral("%1 %").arg(std::lround(*state.batteryCharge * 100.0 / kFullCharge))
                               : LoadText(kUnknown, path);
    battery_->setText(
        LoadText(kBatteryLine, path)
            .arg(charge, Number(state.ratedDuration, 2, Mask::AtLeast), Number(state.durationTestResult, 2)));
    lamp_->setText(LoadText(kLampLine, path)
                       .arg(Number(state.lampEmergencyTime, 1, Mask::AtLeast),
                            Number(state.lampTotalOperationTime, 4, Mask::AtLeast),
                            Number(state.emergencyLevel, 1, Mask::Unknown)));
    intervals_->setText(LoadText(kIntervalLine, path)
                            .arg(Number(state.functionTestInterval, 1), Number(state.durationTestInterval, 1)));
    // A unit without automatic testing counts down to nothing.
    constexpr StringId kNoAutomaticTest = 728;
    const bool automatic = !state.features || (*state.features & dali::dt1_features::kAutoTest);
    delays_->setText(automatic ? LoadText(kDelayLine, path).arg(Delay(state.nextFunctionTest), Delay(state.nextDurationTest))
                               : LoadText(kNoAutomaticTest, path));
}

void CEmergencyView::EnableControls(bool enabled) {
    read_->setEnabled(enabled);
    for (const auto& [action, button] : buttons_)
        button->setEnabled(enabled);
}

void CEmergencyView::Read() {
    if (!services_.read)
        return;
    EmergencyState state = state_;
    const LinkResult result = services_.read(state);
    ShowUnit(state);
    if (result != 0 && services_.failed)
        services_.failed(result);
}

void CEmergencyView::Run(EmergencyAction action) {
    if (!services_.run)
        return;
    const LinkResult result = services_.run(action);
    if (result != 0) {
        if (services_.failed)
            services_.failed(result);
        return;
    }
    Read();
}
