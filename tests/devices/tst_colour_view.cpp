// The colour tab: which controls a gear's colour type and the link allow,
// the limits' ranges, and (with real keys and clicks) the live colour and
// "Senden" sending only what was edited.

#define QTEST_QPA_MOUSE_HANDLING

#include "devices/colour_tab_services.h"
#include "devices/colour_view.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordingServices final : public ColourTabServices {
public:
    void SetLiveColourTemperature(uint16_t mirek) override { live.push_back(mirek); }
    void SendColourChanges(const ColourChanges& changes) override { sent.push_back(changes); }
    std::vector<uint16_t> live;
    std::vector<ColourChanges> sent;
};

DeviceRecord colourGear(uint8_t features) {
    DeviceRecord r;
    r.present = 1;
    r.colour.features = features;
    if (features & dali::kColourFeatureTc) {
        r.colour.mirek = 250;
        r.colour.coolest = 160;
        r.colour.warmest = 350;
        r.colour.physicalCoolest = 153;
        r.colour.physicalWarmest = 370;
    }
    r.colour.levels = {10, 20, 30, 40, 255, 255};
    return r;
}

class ColourViewTest : public ::testing::Test {
protected:
    template <typename T>
    T* Find(const char* name) {
        T* control = view.findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Type(QSpinBox* field, const char* text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QLatin1String(text));
        QTest::keyClick(field, Qt::Key_Return);
    }

    RecordingServices services;
    ColourView view{services};
};

TEST_F(ColourViewTest, ControlsFollowTheColourTypeAndTheLink) {
    struct Case {
        const char* name;
        uint8_t features;
        bool online;
        const char* type;
        // '+' enabled: slider, kelvin field, coolest, warmest, power on, failure, level 0, level 2, level 3
        const char* enabled;
    };
    const Case cases[] = {
        {"no colour", 0x00, true, "Keine Farbsteuerung", "---------"},
        {"tunable white", 0x02, true, "Farbtemperatur (Tc)", "++++++---"},
        {"tunable white offline", 0x02, false, "Farbtemperatur (Tc)", "--++++---"},
        {"RGB", 0x60, true, "RGBWAF, 3 Kanäle", "------++-"},
        {"RGBW and tunable white", 0x82, true, "Farbtemperatur (Tc), RGBWAF, 4 Kanäle", "+++++++++"},
    };
    view.ApplyLanguage(QString());
    for (const Case& c : cases) {
        view.SetOnline(c.online);
        view.ShowDevice(colourGear(c.features));
        EXPECT_EQ(Find<QLabel>("colourType")->text(), QString::fromUtf8(c.type)) << c.name;
        const QWidget* controls[] = {Find<QSlider>("colourSlider"), Find<QSpinBox>("kelvin"),
                                     Find<QSpinBox>("coolest"),     Find<QSpinBox>("warmest"),
                                     Find<QSpinBox>("powerOn"),     Find<QSpinBox>("failure"),
                                     Find<QSpinBox>("level0"),      Find<QSpinBox>("level2"),
                                     Find<QSpinBox>("level3")};
        for (size_t i = 0; i < std::size(controls); ++i)
            EXPECT_EQ(controls[i]->isEnabled(), c.enabled[i] == '+')
                << c.name << " " << controls[i]->objectName().toStdString();
        EXPECT_FALSE(Find<QPushButton>("sendColour")->isEnabled()) << c.name;  // nothing edited yet
    }
}

TEST_F(ColourViewTest, TheLimitsStayWithinThePhysicalOnesAndEachOther) {
    view.ApplyLanguage(QString());
    view.ShowDevice(colourGear(0x02));
    // Coolest is the higher kelvin: from the warmest (350 mirek, 2857 K) to the physical coolest (153, 6536 K).
    EXPECT_EQ(Find<QSpinBox>("coolest")->minimum(), 2857);
    EXPECT_EQ(Find<QSpinBox>("coolest")->maximum(), 6536);
    EXPECT_EQ(Find<QSpinBox>("warmest")->minimum(), 2703);
    EXPECT_EQ(Find<QSpinBox>("warmest")->maximum(), 6250);
    EXPECT_EQ(Find<QSlider>("colourSlider")->value(), 4000);
    EXPECT_EQ(Find<QLabel>("currentColour")->text(), "4000 K (250 mirek)");
    EXPECT_EQ(Find<QLabel>("physicalLimits")->text(), "Physikalisch: 2703 K bis 6536 K");
    EXPECT_EQ(Find<QSpinBox>("powerOn")->text(), "keine");
}

TEST_F(ColourViewTest, KeysSetTheColourLiveAndSendSendsOnlyWhatWasEdited) {
    view.ApplyLanguage(QString());
    view.SetOnline(true);
    view.ShowDevice(colourGear(0x02));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    QSlider* slider = Find<QSlider>("colourSlider");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);  // one step of 100 K: 4100 K
    Type(Find<QSpinBox>("kelvin"), "3000");
    Find<QSpinBox>("coolest")->setFocus();  // leaving the field without a new value sends nothing
    EXPECT_EQ(services.live, (std::vector<uint16_t>{244, 333}));
    EXPECT_EQ(slider->value(), 3000);
    EXPECT_TRUE(services.sent.empty());
    EXPECT_FALSE(view.Changes().Any());  // live, not an edit to send

    Type(Find<QSpinBox>("coolest"), "6000");
    EXPECT_EQ(Find<QSpinBox>("warmest")->maximum(), 6000);
    Type(Find<QSpinBox>("powerOn"), "2900");
    QPushButton* send = Find<QPushButton>("sendColour");
    ASSERT_TRUE(send->isEnabled());
    QTest::mouseClick(send, Qt::LeftButton);
    ASSERT_EQ(services.sent.size(), 1u);
    const ColourChanges& sent = services.sent[0];
    EXPECT_EQ(sent.edited.to_ulong(),
              (1ul << size_t(ColourItem::Coolest)) | (1ul << size_t(ColourItem::PowerOn)));
    EXPECT_EQ(sent.values.coolest, 167);
    EXPECT_EQ(sent.values.powerOnMirek, 345);
    EXPECT_FALSE(send->isEnabled());
    EXPECT_FALSE(view.Changes().Any());
}

TEST_F(ColourViewTest, OfflineNothingGoesToTheBus) {
    view.ApplyLanguage(QString());
    view.SetOnline(false);
    view.ShowDevice(colourGear(0x02));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    Type(Find<QSpinBox>("warmest"), "3000");
    EXPECT_TRUE(view.Changes().Any());
    EXPECT_FALSE(Find<QPushButton>("sendColour")->isEnabled());
    QTest::mouseClick(Find<QPushButton>("sendColour"), Qt::LeftButton);
    EXPECT_TRUE(services.sent.empty());
    EXPECT_TRUE(services.live.empty());
}

// An RGB gear's power-on colour: picked in the combo box with keys, its
// channels typed ("keine" = none), sent alone; the colour now stays as it was.
TEST_F(ColourViewTest, TheChannelFieldsEditTheStoredColourPickedInTheComboBox) {
    view.ApplyLanguage(QString());
    view.SetOnline(true);
    view.ShowDevice(colourGear(0x60));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    QComboBox* set = Find<QComboBox>("channelSet");
    EXPECT_EQ(set->currentText(), "jetzt");
    set->setFocus();
    QTest::keyClick(set, Qt::Key_Down);
    ASSERT_EQ(set->currentText(), "Einschaltfarbe");
    EXPECT_EQ(Find<QSpinBox>("level0")->text(), "keine");
    Type(Find<QSpinBox>("level0"), "200");
    Type(Find<QSpinBox>("level1"), "100");
    Type(Find<QSpinBox>("level2"), "0");
    QTest::keyClick(set, Qt::Key_Up);  // back to the colour now, untouched
    EXPECT_EQ(Find<QSpinBox>("level0")->value(), 10);
    QTest::keyClick(set, Qt::Key_Down);  // the edit is still there
    EXPECT_EQ(Find<QSpinBox>("level1")->value(), 100);

    QTest::mouseClick(Find<QPushButton>("sendColour"), Qt::LeftButton);
    ASSERT_EQ(services.sent.size(), 1u);
    EXPECT_EQ(services.sent[0].edited.to_ulong(), 1ul << size_t(ColourItem::PowerOnLevels));
    EXPECT_EQ(services.sent[0].values.powerOnLevels, (ChannelLevels{200, 100, 0, 255, 255, 255}));
}

}  // namespace
