#include "devices/colour_view.h"

#include "devices/colour_tab_services.h"
#include "devices/colour_text.h"
#include "storage/load_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr StringId kTypeText = 521, kCurrentText = 525, kKelvinAndMirek = 526, kSetText = 527, kCoolestText = 528,
                   kWarmestText = 529, kPhysicalText = 530, kPowerOnText = 531, kFailureText = 532, kNone = 533,
                   kChannelsText = 534, kFirstChannel = 535, kSend = 541, kUnknown = 542, kNow = 712,
                   kPowerOnColour = 703, kFailureColour = 704;
// Kelvin the fields take when the gear's limits are not known.
constexpr int kLowestKelvin = 1000, kHighestKelvin = 20000;

// The sets of channel levels the fields edit, in the combo box's order. A
// stored set may be "none" (MASK): the field's value below 0.
struct ChannelSet {
    ColourItem item;
    ChannelLevels ColourSettings::*levels;
    StringId caption;
};
constexpr ChannelSet kChannelSets[] = {
    {ColourItem::Levels, &ColourSettings::levels, kNow},
    {ColourItem::PowerOnLevels, &ColourSettings::powerOnLevels, kPowerOnColour},
    {ColourItem::SystemFailureLevels, &ColourSettings::systemFailureLevels, kFailureColour},
};
constexpr int kNoLevel = -1;

int kelvinOr(uint16_t mirek, int fallback) {
    const int kelvin = KelvinFromMirek(mirek);
    return kelvin > 0 ? kelvin : fallback;
}

}  // namespace

ColourView::ColourView(ColourTabServices& services, QWidget* parent)
    : QWidget(parent), services_(services), typeLabel_(new QLabel(this)), type_(new QLabel(this)),
      currentLabel_(new QLabel(this)), current_(new QLabel(this)), setLabel_(new QLabel(this)),
      slider_(new QSlider(Qt::Horizontal, this)), kelvin_(NewKelvinField("kelvin", false)),
      coolestLabel_(new QLabel(this)), coolest_(NewKelvinField("coolest", false)), warmestLabel_(new QLabel(this)),
      warmest_(NewKelvinField("warmest", false)), physical_(new QLabel(this)), powerOnLabel_(new QLabel(this)),
      powerOn_(NewKelvinField("powerOn", true)), failureLabel_(new QLabel(this)),
      failure_(NewKelvinField("failure", true)), channelsLabel_(new QLabel(this)), channelSet_(new QComboBox(this)),
      send_(new QPushButton(this)) {
    type_->setObjectName(QStringLiteral("colourType"));
    current_->setObjectName(QStringLiteral("currentColour"));
    physical_->setObjectName(QStringLiteral("physicalLimits"));
    slider_->setObjectName(QStringLiteral("colourSlider"));
    slider_->setRange(kLowestKelvin, kHighestKelvin);
    slider_->setSingleStep(100);
    slider_->setPageStep(500);
    send_->setObjectName(QStringLiteral("sendColour"));

    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(typeLabel_, row, 0);
    grid->addWidget(type_, row++, 1, 1, 3);
    grid->addWidget(currentLabel_, row, 0);
    grid->addWidget(current_, row++, 1, 1, 3);
    grid->addWidget(setLabel_, row, 0);
    grid->addWidget(slider_, row, 1, 1, 2);
    grid->addWidget(kelvin_, row++, 3);
    grid->addWidget(coolestLabel_, row, 0);
    grid->addWidget(coolest_, row, 1);
    grid->addWidget(warmestLabel_, row, 2);
    grid->addWidget(warmest_, row++, 3);
    grid->addWidget(physical_, row++, 1, 1, 3);
    grid->addWidget(powerOnLabel_, row, 0);
    grid->addWidget(powerOn_, row, 1);
    grid->addWidget(failureLabel_, row, 2);
    grid->addWidget(failure_, row++, 3);
    channelSet_->setObjectName(QStringLiteral("channelSet"));
    for (const ChannelSet& set : kChannelSets)
        channelSet_->addItem(LoadText(set.caption, {}));
    grid->addWidget(channelsLabel_, row, 0);
    grid->addWidget(channelSet_, row++, 1);
    for (int i = 0; i < kColourChannels; ++i) {
        channelNames_[size_t(i)] = new QLabel(this);
        auto* level = new QSpinBox(this);
        level->setObjectName(QStringLiteral("level%1").arg(i));
        level->setRange(0, 254);
        levels_[size_t(i)] = level;
        grid->addWidget(channelNames_[size_t(i)], row + i / 2, (i % 2) * 2);
        grid->addWidget(level, row + i / 2, (i % 2) * 2 + 1);
        connect(level, &QSpinBox::valueChanged, this, [this] { Edited(kChannelSets[channelSet()].item); });
    }
    row += kColourChannels / 2;
    connect(channelSet_, &QComboBox::currentIndexChanged, this, [this] { FillChannels(); });
    grid->addWidget(send_, row, 3);
    grid->setRowStretch(row + 1, 1);

    // The slider sets the colour live while it moves; the field when its edit ends.
    connect(slider_, &QSlider::valueChanged, this, [this](int kelvin) {
        if (filling_)
            return;
        const QSignalBlocker block(kelvin_);
        kelvin_->setValue(kelvin);
        LiveSet(kelvin);
    });
    connect(kelvin_, &QSpinBox::editingFinished, this, [this] {
        const QSignalBlocker block(slider_);
        slider_->setValue(kelvin_->value());
        LiveSet(kelvin_->value());
    });
    const auto edits = [this](QSpinBox* field, ColourItem item, uint16_t ColourSettings::*value) {
        connect(field, &QSpinBox::valueChanged, this, [this, field, item, value](int kelvin) {
            changes_.values.*value = kelvin == field->minimum() && !field->specialValueText().isEmpty()
                                         ? kColourMask
                                         : MirekFromKelvin(kelvin);
            Edited(item);
        });
    };
    edits(coolest_, ColourItem::Coolest, &ColourSettings::coolest);
    edits(warmest_, ColourItem::Warmest, &ColourSettings::warmest);
    // Each limit bounds the other: coolest is the higher kelvin.
    connect(coolest_, &QSpinBox::valueChanged, this, [this](int kelvin) {
        const QSignalBlocker block(warmest_);
        warmest_->setMaximum(kelvin);
    });
    connect(warmest_, &QSpinBox::valueChanged, this, [this](int kelvin) {
        const QSignalBlocker block(coolest_);
        coolest_->setMinimum(kelvin);
    });
    edits(powerOn_, ColourItem::PowerOn, &ColourSettings::powerOnMirek);
    edits(failure_, ColourItem::SystemFailure, &ColourSettings::systemFailureMirek);
    connect(send_, &QPushButton::clicked, this, [this] {
        if (!changes_.Any())
            return;
        const ColourChanges sent = changes_;
        changes_ = {};
        UpdateEnabled();
        services_.SendColourChanges(sent);
    });
    ShowDevice(DeviceRecord{});
}

QSpinBox* ColourView::NewKelvinField(const char* name, bool noneAllowed) {
    auto* field = new QSpinBox(this);
    field->setObjectName(QLatin1String(name));
    field->setSuffix(QStringLiteral(" K"));
    field->setRange(noneAllowed ? 0 : kLowestKelvin, kHighestKelvin);
    field->setSingleStep(100);
    field->setKeyboardTracking(false);  // a typed value counts when Enter or the focus leaving ends it
    return field;
}

void ColourView::ShowDevice(const DeviceRecord& record) {
    shown_ = record.colour;
    changes_ = {};
    filling_ = true;
    const QSignalBlocker blocks[] = {QSignalBlocker(slider_), QSignalBlocker(kelvin_), QSignalBlocker(coolest_),
                                     QSignalBlocker(warmest_), QSignalBlocker(powerOn_), QSignalBlocker(failure_)};
    const ColourSettings& c = shown_;
    // The limits bound each other and the colour: coolest is the higher kelvin.
    const int physicalWarmest = kelvinOr(c.physicalWarmest, kLowestKelvin);
    const int physicalCoolest = kelvinOr(c.physicalCoolest, kHighestKelvin);
    const int warmest = kelvinOr(c.warmest, physicalWarmest), coolest = kelvinOr(c.coolest, physicalCoolest);
    coolest_->setRange(warmest, physicalCoolest);
    warmest_->setRange(physicalWarmest, coolest);
    coolest_->setValue(coolest);
    warmest_->setValue(warmest);
    slider_->setRange(warmest, coolest);
    kelvin_->setRange(warmest, coolest);
    slider_->setValue(kelvinOr(c.mirek, warmest));
    kelvin_->setValue(kelvinOr(c.mirek, warmest));
    liveKelvin_ = kelvin_->value();
    powerOn_->setValue(KelvinFromMirek(c.powerOnMirek));
    failure_->setValue(KelvinFromMirek(c.systemFailureMirek));
    filling_ = false;
    FillChannels();
    UpdateTexts();
    UpdateEnabled();
}

void ColourView::SetOnline(bool online) {
    online_ = online;
    UpdateEnabled();
}

void ColourView::Edited(ColourItem item) {
    if (filling_)
        return;
    changes_.Set(item);
    const ChannelSet& set = kChannelSets[channelSet()];
    if (item == set.item) {  // the gear's channels as the fields show them
        for (int i = 0; i < kColourChannels; ++i) {
            const int value = levels_[size_t(i)]->value();
            (changes_.values.*set.levels)[size_t(i)] =
                shown_.hasColour(i) && value != kNoLevel ? uint8_t(value) : kLevelMask;
        }
    }
    UpdateEnabled();
}

int ColourView::channelSet() const { return std::max(0, channelSet_->currentIndex()); }

// An edited set shows as edited; the colour now has no "none".
void ColourView::FillChannels() {
    const ChannelSet& set = kChannelSets[channelSet()];
    const bool stored = set.item != ColourItem::Levels;
    const ChannelLevels& levels =
        changes_.edited[size_t(set.item)] ? changes_.values.*set.levels : shown_.*set.levels;
    filling_ = true;
    for (int i = 0; i < kColourChannels; ++i) {
        QSpinBox* field = levels_[size_t(i)];
        const QSignalBlocker block(field);
        field->setRange(stored ? kNoLevel : 0, 254);
        field->setSpecialValueText(stored ? LoadText(kNone, module_) : QString());
        const uint8_t level = levels[size_t(i)];
        field->setValue(level != kLevelMask ? level : stored ? kNoLevel : 0);
    }
    filling_ = false;
}

void ColourView::LiveSet(int kelvin) {
    // A field left without a new value sends nothing.
    if (!online_ || !shown_.tunableWhite() || kelvin == liveKelvin_)
        return;
    liveKelvin_ = kelvin;
    services_.SetLiveColourTemperature(MirekFromKelvin(kelvin));
    current_->setText(LoadText(kKelvinAndMirek, module_).arg(kelvin).arg(MirekFromKelvin(kelvin)));
}

void ColourView::UpdateEnabled() {
    const bool tc = shown_.tunableWhite();
    const int channels = shown_.channels();
    for (QWidget* live : {static_cast<QWidget*>(slider_), static_cast<QWidget*>(kelvin_)})
        live->setEnabled(tc && online_);
    for (QSpinBox* stored : {coolest_, warmest_, powerOn_, failure_})
        stored->setEnabled(tc);
    channelSet_->setEnabled(channels > 0);
    for (int i = 0; i < kColourChannels; ++i) {  // by the colour a channel carries
        levels_[size_t(i)]->setEnabled(shown_.hasColour(i));
        channelNames_[size_t(i)]->setEnabled(shown_.hasColour(i));
    }
    send_->setEnabled(online_ && changes_.Any());
}

void ColourView::ApplyLanguage(const QString& languageModulePath) {
    module_ = languageModulePath;
    typeLabel_->setText(LoadText(kTypeText, module_));
    currentLabel_->setText(LoadText(kCurrentText, module_));
    setLabel_->setText(LoadText(kSetText, module_));
    coolestLabel_->setText(LoadText(kCoolestText, module_));
    warmestLabel_->setText(LoadText(kWarmestText, module_));
    powerOnLabel_->setText(LoadText(kPowerOnText, module_));
    failureLabel_->setText(LoadText(kFailureText, module_));
    channelsLabel_->setText(LoadText(kChannelsText, module_));
    powerOn_->setSpecialValueText(LoadText(kNone, module_));
    failure_->setSpecialValueText(LoadText(kNone, module_));
    for (int i = 0; i < kColourChannels; ++i)
        channelNames_[size_t(i)]->setText(LoadText(StringId(kFirstChannel + i), module_));
    for (int set = 0; set < channelSet_->count(); ++set)
        channelSet_->setItemText(set, LoadText(kChannelSets[set].caption, module_));
    FillChannels();  // the "none" text in the language
    send_->setText(LoadText(kSend, module_));
    UpdateTexts();
}

void ColourView::UpdateTexts() {
    const ColourSettings& c = shown_;
    type_->setText(ColourTypeText(c, module_));
    const int kelvin = KelvinFromMirek(c.mirek);
    current_->setText(kelvin > 0 ? LoadText(kKelvinAndMirek, module_).arg(kelvin).arg(c.mirek)
                                 : LoadText(kUnknown, module_));
    const int physicalWarmest = KelvinFromMirek(c.physicalWarmest), physicalCoolest = KelvinFromMirek(c.physicalCoolest);
    physical_->setText(physicalWarmest > 0 && physicalCoolest > 0
                           ? LoadText(kPhysicalText, module_).arg(physicalWarmest).arg(physicalCoolest)
                           : QString());
}
