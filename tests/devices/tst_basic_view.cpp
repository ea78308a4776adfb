// The basic tab's own coupling of its controls: combo, slider and percent
// label of a level row, the dimming curve's labels, MIN and MAX dragging
// each other, and what it reports for sending.
#include "devices/basic_view.h"

#include "tests/support/idle_tab_actions.h"
#include "tests/support/qt_printers.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

class BasicViewTest : public ::testing::Test {
protected:
    template <typename T>
    T* Find(const char* name) {
        T* control = view.findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Choose(const char* comboName, int index) {
        QComboBox* combo = Find<QComboBox>(comboName);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    // A drag of the thumb to this position.
    void Drag(const char* sliderName, int position) {
        QSlider* slider = Find<QSlider>(sliderName);
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }

    IdleTabActions actions;
    CBasicView view{actions};
};

TEST_F(BasicViewTest, MaskInTheFailComboMovesTheSliderToTheEnd) {
    Choose("failCombo", 255);
    EXPECT_EQ(Find<QSlider>("failSlider")->value(), 255);
    EXPECT_EQ(Find<QLabel>("failPercent")->text(), "MASK");
    EXPECT_EQ(view.Settings().systemFailureLevel, 255);
}

// A gear that did not answer shows "?" for its levels, not the record's zeros.
TEST_F(BasicViewTest, TheDimmingCurveRelabelsEveryLevelOfAGearThatAnswered) {
    DeviceRecord record;
    record.actualLevel = 127;
    record.maxLevel = 254;
    view.ShowDevice(record);
    for (const char* row : {"minPercent", "maxPercent", "powerPercent", "failPercent", "actualPercent"})
        EXPECT_EQ(Find<QLabel>(row)->text(), "?") << row;
    record.readState = kReadStateParameters;
    view.ShowDevice(record);
    EXPECT_EQ(Find<QLabel>("actualPercent")->text(), "3.119% ");
    Choose("curveCombo", 1);
    EXPECT_EQ(Find<QLabel>("actualPercent")->text(), "50.000%");
    EXPECT_EQ(Find<QLabel>("maxPercent")->text(), "100.000%");
}

TEST_F(BasicViewTest, MinAboveMaxDragsMaxAndMaxBelowMinDragsMin) {
    DeviceRecord record;
    record.minLevel = 10;
    record.maxLevel = 100;
    record.SetGroupMask(0x8001);
    view.ShowDevice(record);
    Drag("minSlider", 150);
    BasicSettings settings = view.Settings();
    EXPECT_EQ(settings.minLevel, 150);
    EXPECT_EQ(settings.maxLevel, 150);
    EXPECT_EQ(settings.groupMask, 0x8001);
    Drag("maxSlider", 20);
    settings = view.Settings();
    EXPECT_EQ(settings.minLevel, 20);
    EXPECT_EQ(settings.maxLevel, 20);
    EXPECT_EQ(Find<QLabel>("minPercent")->text(), Find<QLabel>("maxPercent")->text());
    view.EnableControls(true);
    EXPECT_EQ(view.Settings().groupMask, 0);
}

}  // namespace
