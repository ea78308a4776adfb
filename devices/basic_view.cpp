#include "devices/basic_view.h"

#include "devices/tab_actions.h"
#include "devices/fade_text.h"
#include "devices/level_controls.h"
#include "devices/level_text.h"
#include "storage/load_text.h"
#include "dali/dali_commands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using dali::code;
using dali::Op;

namespace {

constexpr StringId kSetActualText = 109, kReadText = 271, kGroupsText = 127, kFactoryResetText = 118,
                   kRemoveAddressText = 117, kIdentifyText = 119, kSendText = 285, kLogarithmicText = 122,
                   kLinearText = 147;

struct LevelRowInfo {
    const char* name;
    const char* caption;
    BasicItem item;  // the row's check box; ACTUAL has none
};

constexpr LevelRowInfo kLevelRows[] = {
    {"min", "MIN Level", BasicItem::MinLevel},       {"max", "MAX Level", BasicItem::MaxLevel},
    {"power", "POWER Level", BasicItem::PowerOnLevel}, {"fail", "FAIL Level", BasicItem::FailureLevel},
    {"actual", "ACTUAL level", BasicItem::Groups},
};

QString name(const char* row, const char* part) { return QLatin1String(row) + QLatin1String(part); }

QPushButton* newButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

// A button as narrow as its caption allows, where a row holds many.
void makeCompact(QPushButton* button) {
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QCheckBox* newBox(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setChecked(true);
    return box;
}

}  // namespace

CBasicView::CBasicView(TabActions& actions, QWidget* parent)
    : QWidget(parent), actions_(actions), grid_(new QGridLayout(this)) {
    BuildLevelRows();
    BuildValueCombos();
    BuildGroupsAndButtons();
}

void CBasicView::BuildLevelRows() {
    for (int r = 0; r < kLevelRowCount; ++r) {
        const LevelRowInfo& info = kLevelRows[r];
        Row& row = rows_[size_t(r)];
        const QString caption = QLatin1String(info.caption);
        if (r == kActualRow) {
            grid_->addWidget(new QLabel(caption, this), r, 0);
        } else {
            row.box = newBox(name(info.name, "Box"), caption, this);
            boxes_[size_t(info.item)] = row.box;
            grid_->addWidget(row.box, r, 0);
        }
        row.slider = NewLevelSlider(name(info.name, "Slider"), this);
        row.combo = NewLevelCombo(name(info.name, "Combo"), this);
        row.percent = new QLabel(QStringLiteral("0.00%"), this);
        row.percent->setObjectName(name(info.name, "Percent"));
        row.percent->setMinimumWidth(row.percent->fontMetrics().horizontalAdvance(QStringLiteral("100.000% ")));
        grid_->addWidget(row.slider, r, 1, 1, 3);
        grid_->addWidget(row.combo, r, 4);
        grid_->addWidget(row.percent, r, 5);

        const auto level = LevelRow(r);
        connect(row.combo, &QComboBox::activated, this, [this, level](int index) {
            SetLevel(level, index);
            if (level != kActualRow)
                Edited();
        });
        if (level == kActualRow)
            ConnectActualSlider(row.slider, row.combo, actions_,
                                [this](int position) { rows_[kActualRow].percent->setText(LevelText(uint8_t(position), uint8_t(Curve()))); });
        else
            OnUserMove(row.slider, [this, level](int position) { SliderMoved(level, position); });
    }

    auto* setActual = new QHBoxLayout;
    setActualLabel_ = new QLabel(QStringLiteral("Set ACTUAL as:"), this);
    setActual->addWidget(setActualLabel_);
    for (int r = kMinRow; r <= kFailRow; ++r) {
        const QString caption = QString::fromLatin1(kLevelRows[r].caption).section(u' ', 0, 0);
        QPushButton* button = newButton(name("setActualAs", kLevelRows[r].name), caption, this);
        makeCompact(button);
        connect(button, &QPushButton::clicked, this, [this, r] { SetActualAs(LevelRow(r)); });
        setActual->addWidget(button);
    }
    read_ = newButton(QStringLiteral("readButton"), QStringLiteral("Read"), this);
    connect(read_, &QPushButton::clicked, this, [this] {
        if (const auto level = actions_.ReadActualLevel())
                SetLevel(kActualRow, *level);
        Edited();
    });
    setActual->addSpacing(12);
    setActual->addWidget(read_);
    grid_->addLayout(setActual, kLevelRowCount, 0, 1, 6);
}

void CBasicView::BuildValueCombos() {
    struct ValueInfo {
        const char* name;
        const char* caption;
        BasicItem item;
        QComboBox* CBasicView::*combo;
        QStringList entries;
    };
    const ValueInfo values[] = {
        {"fadeTime", "Fade time", BasicItem::FadeTime, &CBasicView::fadeTime_, FadeTimeEntries()},
        {"fadeRate", "Fade rate", BasicItem::FadeRate, &CBasicView::fadeRate_, FadeRateEntries()},
        {"curve", "Dimmcurve", BasicItem::DimmingCurve, &CBasicView::curve_, {"logarithmic", "Linear"}},
        {"fastFade", "Fast fade time", BasicItem::FastFadeTime, &CBasicView::fastFade_, FastFadeTimeEntries()},
    };
    int gridRow = kLevelRowCount + 1;
    for (const ValueInfo& value : values) {
        QCheckBox* box = newBox(name(value.name, "Box"), QLatin1String(value.caption), this);
        boxes_[size_t(value.item)] = box;
        auto* combo = new QComboBox(this);
        combo->setObjectName(name(value.name, "Combo"));
        combo->addItems(value.entries);
        this->*value.combo = combo;
        grid_->addWidget(box, gridRow, 0);
        grid_->addWidget(combo, gridRow, 1, 1, 2);
        ++gridRow;
        connect(combo, &QComboBox::activated, this, [this] { Edited(); });
    }
    // The labels follow the curve chosen here.
    connect(curve_, &QComboBox::activated, this, [this] {
        for (int r = 0; r < kLevelRowCount; ++r)
            UpdatePercent(LevelRow(r));
    });
}

void CBasicView::BuildGroupsAndButtons() {
    int gridRow = grid_->rowCount();
    QCheckBox* groupsBox = newBox(QStringLiteral("groupsBox"), QStringLiteral("Groups"), this);
    boxes_[size_t(BasicItem::Groups)] = groupsBox;
    grid_->addWidget(groupsBox, gridRow++, 0, 1, 6);
    auto* groupGrid = new QGridLayout;
    groupGrid->setSpacing(2);
    for (int g = 0; g < 16; ++g) {
        QPushButton* button = newButton(QStringLiteral("group%1").arg(g), QString::number(g), this);
        button->setCheckable(true);
        button->setMinimumWidth(28);
        // Narrow number buttons: the style's wide push-button hint does not apply.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        groups_[size_t(g)] = button;
        groupGrid->addWidget(button, g / 8, g % 8);
        connect(button, &QPushButton::clicked, this, [this] { Edited(); });
    }
    grid_->addLayout(groupGrid, gridRow++, 0, 1, 6);
    for (QCheckBox* box : boxes_)
        connect(box, &QCheckBox::clicked, this, [this] { Edited(); });

    factoryReset_ = newButton(QStringLiteral("factoryResetButton"), QStringLiteral("Factory reset"), this);
    removeAddress_ = newButton(QStringLiteral("removeAddressButton"), QStringLiteral("Remove Address"), this);
    identify_ = newButton(QStringLiteral("identifyButton"), QStringLiteral("Identify"), this);
    recallMax_ = newButton(QStringLiteral("recallMaxButton"), QStringLiteral("MAX"), this);
    recallMin_ = newButton(QStringLiteral("recallMinButton"), QStringLiteral("MIN"), this);
    off_ = newButton(QStringLiteral("offButton"), QStringLiteral("OFF"), this);
    send_ = newButton(QStringLiteral("sendButton"), QStringLiteral("Send"), this);
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {factoryReset_, removeAddress_, identify_})
        commands->addWidget(button);
    commands->addStretch();
    auto* lamp = new QHBoxLayout;
    for (QPushButton* button : {recallMax_, recallMin_, off_})
        lamp->addWidget(button);
    lamp->addStretch();
    lamp->addWidget(send_);
    grid_->setRowStretch(gridRow, 1);
    grid_->addLayout(commands, gridRow + 1, 0, 1, 6);
    grid_->addLayout(lamp, gridRow + 2, 0, 1, 6);

    auto act = [this](void (TabActions::*action)()) {
        return [this, action] {
            (actions_.*action)();
        };
    };
    auto lampCommand = [this](uint8_t opcode) {
        return [this, opcode] {
            actions_.SendToSelectedGear(opcode);
        };
    };
    connect(factoryReset_, &QPushButton::clicked, this, act(&TabActions::FactoryReset));
    connect(removeAddress_, &QPushButton::clicked, this, act(&TabActions::RemoveAddress));
    connect(identify_, &QPushButton::clicked, this, act(&TabActions::IdentifySelectedGear));
    connect(send_, &QPushButton::clicked, this, act(&TabActions::SendRequested));
    connect(recallMax_, &QPushButton::clicked, this, lampCommand(code(Op::RecallMaxLevel)));
    connect(recallMin_, &QPushButton::clicked, this, lampCommand(code(Op::RecallMinLevel)));
    connect(off_, &QPushButton::clicked, this, lampCommand(code(Op::Off)));
}

int CBasicView::Curve() const { return curve_->currentIndex(); }

void CBasicView::Edited() {
    actions_.BasicEdited();
}

void CBasicView::UpdatePercent(LevelRow row) {
    rows_[size_t(row)].percent->setText(LevelText(uint8_t(rows_[size_t(row)].slider->value()), uint8_t(Curve())));
}

void CBasicView::SetLevel(LevelRow row, int level) {
    Row& r = rows_[size_t(row)];
    r.slider->setValue(level);
    r.combo->setCurrentIndex(level);
    UpdatePercent(row);
}

// MIN may not stand above MAX: moving one past the other drags it along.
void CBasicView::SliderMoved(LevelRow row, int position) {
    if (row == kMinRow && rows_[kMaxRow].slider->value() < position)
        SetLevel(kMaxRow, position);
    if (row == kMaxRow && rows_[kMinRow].slider->value() > position)
        SetLevel(kMinRow, position);
    rows_[size_t(row)].combo->setCurrentIndex(position);
    rows_[size_t(row)].percent->setText(LevelText(uint8_t(position), uint8_t(Curve())));
    Edited();
}

void CBasicView::SetActualAs(LevelRow row) {
    const int level = rows_[kActualRow].slider->value();
    SetLevel(row, level);
    const bool crossed = rows_[kMaxRow].combo->currentIndex() < rows_[kMinRow].combo->currentIndex();
    if (crossed && row == kMinRow)
        SetLevel(kMaxRow, level);
    if (crossed && row == kMaxRow)
        SetLevel(kMinRow, level);
    Edited();
}

void CBasicView::ShowDevice(const DeviceRecord& record) {
    fadeTime_->setCurrentIndex(record.fadeTime);
    fadeRate_->setCurrentIndex(record.fadeRate);
    curve_->setCurrentIndex(record.dimmingCurve);
    fastFade_->setCurrentIndex(record.fastFadeTime);
    const uint8_t levels[kLevelRowCount] = {record.minLevel, record.maxLevel, record.powerOnLevel,
                                            record.systemFailureLevel, record.actualLevel};
    for (int r = 0; r < kLevelRowCount; ++r)
        SetLevel(LevelRow(r), levels[r]);
    // A gear that did not answer shows no level as its own.
    if (!(record.readState & kReadStateParameters))
        for (Row& row : rows_)
            row.percent->setText(QStringLiteral("?"));
    const uint16_t mask = uint16_t(record.groupsHigh << 8 | record.groupsLow);
    for (int g = 0; g < 16; ++g)
        groups_[size_t(g)]->setChecked(mask >> g & 1);
}

BasicSettings CBasicView::Settings() const {
    BasicSettings settings;
    for (size_t i = 0; i < boxes_.size(); ++i)
        settings.ticked[i] = boxes_[i]->isChecked();
    settings.minLevel = uint8_t(rows_[kMinRow].combo->currentIndex());
    settings.maxLevel = uint8_t(rows_[kMaxRow].combo->currentIndex());
    settings.powerOnLevel = uint8_t(rows_[kPowerRow].combo->currentIndex());
    settings.systemFailureLevel = uint8_t(rows_[kFailRow].combo->currentIndex());
    settings.actualLevel = uint8_t(rows_[kActualRow].combo->currentIndex());
    settings.fadeTime = uint8_t(fadeTime_->currentIndex());
    settings.fadeRate = uint8_t(fadeRate_->currentIndex());
    settings.dimmingCurve = uint8_t(curve_->currentIndex());
    settings.fastFadeTime = uint8_t(fastFade_->currentIndex());
    for (int g = 0; g < 16; ++g)
        if (groups_[size_t(g)]->isChecked())
            settings.groupMask |= uint16_t(1u << g);
    return settings;
}

void CBasicView::EnableControls(bool enabled) {
    // The tab's wait dialog is a window of its own, not a control.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isWindow())
            control->setEnabled(enabled);
    for (QPushButton* group : groups_)
        group->setChecked(false);
}

void CBasicView::DisableBusButtons() {
    for (QPushButton* button : {recallMax_, recallMin_, off_, send_, removeAddress_, identify_, read_, factoryReset_})
        button->setEnabled(false);
}

void CBasicView::ApplyLanguage(const QString& module) {
    setActualLabel_->setText(LoadText(kSetActualText, module));
    read_->setText(LoadText(kReadText, module));
    boxes_[size_t(BasicItem::Groups)]->setText(LoadText(kGroupsText, module));
    factoryReset_->setText(LoadText(kFactoryResetText, module));
    removeAddress_->setText(LoadText(kRemoveAddressText, module));
    identify_->setText(LoadText(kIdentifyText, module));
    send_->setText(LoadText(kSendText, module));
    curve_->setItemText(0, LoadText(kLogarithmicText, module));
    curve_->setItemText(1, LoadText(kLinearText, module));
}
