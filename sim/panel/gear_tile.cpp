#include "sim/panel/gear_tile.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

double LightOutput(uint8_t level, uint8_t dimmingCurve) {
    if (level == 0 || level == 255)
        return 0.0;
    if (dimmingCurve != 0)
        return level / 254.0;
    return std::pow(10.0, (level - 1) * 3.0 / 253.0 - 3.0);
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
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    details_->setFont(small);
    name_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addWidget(lamp_, 0, Qt::AlignHCenter);
    layout->addWidget(name_);
    layout->addWidget(details_);
    layout->addWidget(select);
    auto* keys = new QHBoxLayout;
    keys->addWidget(mains_);
    keys->addWidget(remove);
    layout->addLayout(keys);
    connect(select, &QPushButton::clicked, this, &GearTile::physicalSelectPressed);
    connect(mains_, &QPushButton::toggled, this, &GearTile::mainsToggled);
    connect(remove, &QPushButton::clicked, this, &GearTile::removePressed);
    setFixedWidth(160);
    setMinimumHeight(sizeHint().height());
}

double GearTile::lampOutput() const { return lamp_->output(); }

void GearTile::Show(const GearTileState& state) {
    lamp_->SetOutput(LightOutput(state.level, state.dimmingCurve), state.mainsPowered);
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
    if (mains_->isChecked() != state.mainsPowered) {
        const QSignalBlocker quiet(mains_);
        mains_->setChecked(state.mainsPowered);
    }
}
