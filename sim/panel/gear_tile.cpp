#include "sim/panel/gear_tile.h"

#include <QLabel>
#include <QPainter>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

double lightOutput(uint8_t level, uint8_t dimmingCurve) {
    if (level == 0 || level == 255)
        return 0.0;
    if (dimmingCurve != 0)
        return level / 254.0;
    return std::pow(10.0, (level - 1) * 3.0 / 253.0 - 3.0);
}

QString addressingStateText(const GearTileState& state) {
    QStringList parts;
    if (state.initialising)
        parts << QStringLiteral("Initialising");
    if (state.withdrawn)
        parts << QStringLiteral("withdrawn");
    if (state.selected)
        parts << QStringLiteral("selected");
    if (!parts.isEmpty())
        parts[0][0] = parts[0][0].toUpper();
    return parts.join(QStringLiteral(" · "));
}

QString energyText(const GearTileState& state) {
    return state.activeEnergyWh ? QStringLiteral("Energy %1 kWh").arg(*state.activeEnergyWh / 1000, 0, 'f', 3)
                                : QString();
}

QColor lampColour(const std::optional<sim::GearColourPoint>& colour, uint8_t channels) {
    const QColor warmWhite = QColor::fromHsvF(0.14, 0.6, 1.0);
    if (!colour)
        return warmWhite;
    if (colour->type == dali::kColourTypeTc && colour->mirek != 0 && colour->mirek != dali::kMask16) {
        // The black body's colour, fitted in a few pieces (1000 K .. 40000 K).
        const double t = 10'000.0 / colour->mirek;  // kelvin / 100
        const double r = t <= 66 ? 255 : 329.7 * std::pow(t - 60, -0.1332);
        const double g = t <= 66 ? 99.47 * std::log(t) - 161.1 : 288.1 * std::pow(t - 60, -0.0755);
        const double b = t >= 66 ? 255 : t <= 19 ? 0 : 138.5 * std::log(t - 10) - 305.0;
        const auto byte = [](double v) { return int(std::clamp(v, 0.0, 255.0)); };
        return QColor(byte(r), byte(g), byte(b));
    }
    if (colour->type == dali::kColourTypeRgbwaf) {
        double mix[3] = {0, 0, 0};
        constexpr double kShare[6][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1}, {1, 0.75, 0}, {0, 0, 0}};
        for (size_t i = 0; i < std::min<size_t>(channels, 6); ++i) {
            const uint8_t level = colour->levels[i];
            for (int c = 0; c < 3 && level != dali::kMask; ++c)
                mix[c] += kShare[i][c] * level;
        }
        const double top = std::max({mix[0], mix[1], mix[2]});
        if (top <= 0)
            return QColor(0, 0, 0);
        return QColor(int(255 * mix[0] / top), int(255 * mix[1] / top), int(255 * mix[2] / top));
    }
    return warmWhite;
}

class GearTile::Lamp final : public QWidget {
public:
    explicit Lamp(QWidget* parent) : QWidget(parent) { setFixedSize(44, 44); }
    void SetOutput(double output, bool powered, QColor hue) {
        output_ = output;
        powered_ = powered;
        hue_ = hue;
        update();
    }
    QColor hue() const { return hue_; }
    double output() const { return powered_ ? output_ : 0.0; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // The eye sees brightness roughly as the cube root of the light output.
        const double shown = powered_ ? std::cbrt(output_) : 0.0;
        const float hue = hue_.hsvHueF() < 0 ? 0.14f : hue_.hsvHueF();
        const QColor glow = QColor::fromHsvF(hue, hue_.hsvSaturationF() * float(0.9 * shown + 0.1),
                                             float(0.25 + 0.75 * shown));
        painter.setPen(QPen(QColor(90, 90, 90), 2));
        painter.setBrush(glow);
        painter.drawEllipse(rect().adjusted(4, 4, -4, -4));
    }

private:
    double output_ = 0.0;
    bool powered_ = true;
    QColor hue_ = lampColour(std::nullopt, 0);
};

GearTile::GearTile(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    lamp_ = new Lamp(this);
    name_ = new QLabel(this);
    name_->setAlignment(Qt::AlignCenter);
    details_ = new QLabel(this);
    details_->setAlignment(Qt::AlignCenter);
    auto* select = new QPushButton(QStringLiteral("Physical select"), this);
    mains_ = new QPushButton(QStringLiteral("Mains"), this);
    mains_->setCheckable(true);
    mains_->setChecked(true);
    auto* remove = new QPushButton(QStringLiteral("Remove"), this);
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("state"));
    state_->setAlignment(Qt::AlignCenter);
    energy_ = new QLabel(this);
    energy_->setObjectName(QStringLiteral("energy"));
    energy_->setAlignment(Qt::AlignCenter);
    energy_->hide();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    details_->setFont(small);
    state_->setFont(small);
    energy_->setFont(small);

    // Fault keys: a tester's, not an installer's.
    missCount_ = new QSpinBox(this);
    missCount_->setObjectName(QStringLiteral("missCount"));
    missCount_->setRange(1, 999);
    missCount_->setToolTip(QStringLiteral("How many of the next frames the gear misses"));
    auto* miss = new QPushButton(QStringLiteral("Miss"), this);
    miss->setObjectName(QStringLiteral("miss"));
    const auto faultKey = [this](const char* name, const char* text, const char* tip) {
        auto* key = new QToolButton(this);
        key->setObjectName(QLatin1String(name));
        key->setText(QLatin1String(text));
        key->setToolTip(QLatin1String(tip));
        key->setCheckable(true);
        return key;
    };
    late_ = faultKey("late", "Late", "Answers after the reply window has closed");
    garbled_ = faultKey("garbled", "Garbled", "Answers with garbled frames");
    noKey_ = faultKey("noKey", "No key", "Has no physical-selection key");
    battery_ = faultKey("batteryFailure", "Battery", "Emergency battery failed: it holds no charge");
    emergencyLamp_ = faultKey("lampFailure", "EM lamp", "Emergency lamp failed");
    name_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addWidget(lamp_, 0, Qt::AlignHCenter);
    layout->addWidget(name_);
    layout->addWidget(details_);
    layout->addWidget(state_);
    layout->addWidget(energy_);
    layout->addWidget(select);
    auto* keys = new QHBoxLayout;
    keys->addWidget(mains_);
    keys->addWidget(remove);
    layout->addLayout(keys);
    auto* missing = new QHBoxLayout;
    missing->addWidget(missCount_);
    missing->addWidget(miss);
    layout->addLayout(missing);
    auto* faults = new QHBoxLayout;
    for (QToolButton* key : {late_, garbled_, noKey_})
        faults->addWidget(key);
    layout->addLayout(faults);
    auto* emergency = new QHBoxLayout;
    for (QToolButton* key : {battery_, emergencyLamp_}) {
        emergency->addWidget(key);
        key->hide();
        connect(key, &QToolButton::toggled, this, [this] {
            Q_EMIT emergencyFailuresToggled(battery_->isChecked(), emergencyLamp_->isChecked());
        });
    }
    layout->addLayout(emergency);
    connect(miss, &QPushButton::clicked, this, [this] { Q_EMIT missFramesPressed(missCount_->value()); });
    for (QToolButton* key : {late_, garbled_, noKey_})
        connect(key, &QToolButton::toggled, this,
                [this] { Q_EMIT faultsToggled(late_->isChecked(), garbled_->isChecked(), noKey_->isChecked()); });
    connect(select, &QPushButton::clicked, this, &GearTile::physicalSelectPressed);
    connect(mains_, &QPushButton::toggled, this, &GearTile::mainsToggled);
    connect(remove, &QPushButton::clicked, this, &GearTile::removePressed);
    setFixedWidth(160);
    setMinimumHeight(sizeHint().height());
}

double GearTile::lampOutput() const { return lamp_->output(); }

QColor GearTile::lampHue() const { return lamp_->hue(); }

void GearTile::showState(const GearTileState& state) {
    lamp_->SetOutput(lightOutput(state.level, state.dimmingCurve), state.mainsPowered,
                     lampColour(state.colour, state.colourChannels));
    name_->setText(state.name.isEmpty() ? QStringLiteral("Gear") : state.name);
    QStringList groups;
    for (int g = 0; g < 16; ++g)
        if (state.groups >> g & 1)
            groups << QString::number(g);
    details_->setText(QStringLiteral("Address %1 · type %3\nRandom %2\nGroups %4")
                          .arg(state.shortAddress ? QString::number(*state.shortAddress) : QStringLiteral("—"))
                          .arg(QString::asprintf("0x%06X", state.randomAddress))
                          .arg(state.deviceType)
                          .arg(groups.isEmpty() ? QStringLiteral("—") : groups.join(QLatin1Char(','))));
    state_->setText(addressingStateText(state));
    energy_->setText(energyText(state));
    if (energy_->isHidden() == state.activeEnergyWh.has_value()) {
        energy_->setVisible(state.activeEnergyWh.has_value());
        setMinimumHeight(sizeHint().height());
    }
    const auto showChecked = [](QAbstractButton* key, bool on) {
        if (key->isChecked() != on) {
            const QSignalBlocker quiet(key);
            key->setChecked(on);
        }
    };
    showChecked(mains_, state.mainsPowered);
    showChecked(late_, state.faults.lateReplies);
    showChecked(garbled_, state.faults.garbledReplies);
    showChecked(noKey_, state.faults.noSelectionKey);
    battery_->setVisible(state.emergency);
    emergencyLamp_->setVisible(state.emergency);
    showChecked(battery_, state.batteryFailure);
    showChecked(emergencyLamp_, state.emergencyLampFailure);
}
