// The scenes tab with a tunable-white gear, typed into with real keys: each
// scene's colour temperature field shows only for such gear and goes into
// what is sent.

#include "devices/scene_view.h"
#include "tests/support/idle_tab_actions.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(SceneViewColour, SceneColourTemperaturesShowAndSendOnlyForTunableWhiteGear) {
    IdleTabActions actions;
    CSceneView view(actions);
    view.ApplyLanguage(QString());
    view.show();
    auto* kelvin = view.findChild<QSpinBox*>(QStringLiteral("scene3Kelvin"));
    auto* combo = view.findChild<QComboBox*>(QStringLiteral("scene3Combo"));
    ASSERT_TRUE(kelvin && combo);
    DeviceRecord tc;
    tc.colour.features = dali::kColourFeatureTc;
    tc.sceneLevel[3] = 199;
    tc.colour.sceneMirek[3] = 250;
    tc.readState = kReadStateScenes;
    view.ShowDevice(tc);
    EXPECT_EQ(kelvin->text(), "4000 K");
    EXPECT_EQ(view.findChild<QLabel*>(QStringLiteral("scene3Percent"))->text(), "22.275% ");

    kelvin->setFocus();
    QTest::keyClick(kelvin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(kelvin, QStringLiteral("3000"));
    QTest::keyClick(kelvin, Qt::Key_Return);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(actions.sceneEdits, 2);
    const SceneSettings settings = view.Settings();
    EXPECT_EQ(settings.sceneLevel[3], 200);
    ASSERT_TRUE(settings.sceneMirek.has_value());
    EXPECT_EQ((*settings.sceneMirek)[3], 333);
    EXPECT_EQ((*settings.sceneMirek)[4], kColourMask);  // shown as "keine"

    view.ShowDevice(DeviceRecord{});  // scenes never answered: no level of its own
    EXPECT_EQ(view.findChild<QLabel*>(QStringLiteral("scene3Percent"))->text(), "?");
    EXPECT_FALSE(kelvin->isVisible());
    EXPECT_FALSE(view.Settings().sceneMirek.has_value());
}

}  // namespace
