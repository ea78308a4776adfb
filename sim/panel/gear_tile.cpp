#include "sim/panel/gear_tile.h"

#include <QLabel>
#include <QPainter>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

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

class GearTile::Lamp final : public QWidget {
public:
    explicit Lamp(QWidget* parent) : QWidget(parent) { setFixedSize(44, 44); }
    void SetOutput(double output, bool powered) {
        output_ = output;
        powered_ = powered;
        update();
    }
    double output() const { return powered_ ? output_ : 0.0; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // The eye sees brightness roughly as the cube root of the light output.
        const double shown = powered_ ? std::cbrt(output_) : 0.0;
        const QColor glow = QColor::fromHsvF(0.14, 0.55 * shown + 0.05, 0.25 + 0.75 * shown);
        painter.setPen(QPen(QColor(90, 90, 90), 2));
        painter.setBrush(glow);
        painter.drawEllipse(rect().adjusted(4, 4, -4, -4));
    }

private:
    double output_ = 0.0;
    bool powered_ = true;
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
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    details_->setFont(small);
    state_->setFont(small);

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
    name_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addWidget(lamp_, 0, Qt::AlignHCenter);
    layout->addWidget(name_);
    layout->addWidget(details_);
    layout->addWidget(state_);
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

void GearTile::showState(const GearTileState& state) {
    lamp_->SetOutput(lightOutput(state.level, state.dimmingCurve), state.mainsPowered);
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
}
