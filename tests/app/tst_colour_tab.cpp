// The colour tab in the main window on the colour bus, driven by clicks and
// keys: offered for colour gear only, read when it comes to the front, its
// field and slider setting the colour temperature on the bus.

#define QTEST_QPA_MOUSE_HANDLING

#include "addressing/matrix_widget.h"
#include "app/tab_views.h"
#include "devices/basic_view.h"
#include "devices/colour_view.h"
#include "tests/app/main_window_fixture.h"

#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include <algorithm>

namespace {

using Frames = std::vector<std::string>;

class ColourTabTest : public MainWindowTest {
protected:
    void SetUp() override {
        QFile file(QStringLiteral(KELVANE_SCENARIO_DIR "/colour.json"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        UseScenario(file.readAll().replace("\"timeScale\": 1", "\"timeScale\": 0").toStdString());  // virtual time
        Start(1, kDialogOk, 0);
    }
    CTabViews& tabs() { return frame->view().tabViews(); }
    int colourIndex() { return tabs().indexOf(&tabs().colourView()); }
    void ClickCell(int index) {
        const CellBox& box = view().matrix().cells[size_t(index)].box;
        QTest::mouseClick(&frame->view().matrixWidget(), Qt::LeftButton, {}, {box.x + 4, box.y + 4});
    }
    void ClickTab(int index) {
        QTest::mouseClick(tabs().tabBar(), Qt::LeftButton, {}, tabs().tabBar()->tabRect(index).center());
    }
    template <typename T>
    T* Find(const char* name) {
        T* control = tabs().colourView().findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
};

// Gear 1 lists device types 6 and 8 and shows 370 mirek (2703 K).
TEST_F(ColourTabTest, TcGearGetsTheTabAndItsFieldAndSliderSetTheColourTemperature) {
    EXPECT_FALSE(tabs().isTabVisible(colourIndex()));
    ClickCell(1);
    ASSERT_TRUE(tabs().isTabVisible(colourIndex()));
    EXPECT_EQ(tabs().tabText(colourIndex()), "Farbe");
    TakeForwardFrames();
    ClickTab(colourIndex());
    ASSERT_EQ(tabs().currentWidget(), &tabs().colourView());
    const Frames read = TakeForwardFrames();  // ENABLE DEVICE TYPE 8, QUERY COLOUR TYPE FEATURES, ...
    EXPECT_EQ(Frames(read.begin(), read.begin() + std::min<size_t>(2, read.size())), (Frames{"C108", "03F9"}));
    EXPECT_EQ(Find<QLabel>("currentColour")->text(), "2703 K (370 mirek)");
    ClickTab(0);
    ClickTab(colourIndex());
    EXPECT_EQ(TakeForwardFrames(), Frames{}) << "read once";

    auto* kelvin = Find<QSpinBox>("kelvin");
    kelvin->setFocus();
    QTest::keyClick(kelvin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(kelvin, QStringLiteral("4000"));
    QTest::keyClick(kelvin, Qt::Key_Return);
    // DTR0, DTR1 = 250 mirek; ENABLE DEVICE TYPE 8, SET TEMPORARY COLOUR TEMPERATURE; ENABLE, ACTIVATE.
    EXPECT_EQ(TakeForwardFrames(), (Frames{"A3FA", "C300", "C108", "03E7", "C108", "03E2"}));
    auto* slider = Find<QSlider>("colourSlider");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);  // 4500 K: 222 mirek
    EXPECT_EQ(TakeForwardFrames(), (Frames{"A3DE", "C300", "C108", "03E7", "C108", "03E2"}));
    EXPECT_EQ(view().projectDirty, 0) << "the colour shown now is not kept in the project";

    // An edit not sent is asked about before another gear is selected.
    Find<QSpinBox>("warmest")->setFocus();
    QTest::keyClick(Find<QSpinBox>("warmest"), Qt::Key_Down);
    const size_t asked = prompts->confirmations.size();
    prompts->Answer(kDialogCancel);
    ClickCell(4);
    EXPECT_EQ(prompts->confirmations.size(), asked + 1);
    EXPECT_EQ(view().store().selectedAddresses[0], 1);

    // The downlight at 4 is no colour gear: the tab goes, the basic tab comes to the front.
    prompts->Answer(kDialogOk);
    ClickCell(4);
    EXPECT_FALSE(tabs().isTabVisible(colourIndex()));
    EXPECT_EQ(tabs().currentWidget(), &tabs().basicView());
    const Frames basicRead = TakeForwardFrames();
    EXPECT_EQ(std::count(basicRead.begin(), basicRead.end(), "C108"), 0) << "no colour frame";
}

}  // namespace
