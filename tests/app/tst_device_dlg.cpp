// The interface chooser as the user sees it: captions, the list of accepted
// interfaces, and what each way of closing it returns.
#include "app/device_dlg.h"

#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "sim/scenario.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Two accepted interfaces with another controller between them.
constexpr const char* kScenario = R"({ "timeScale": 0, "interfaces": [
    { "productId": "0x1501", "serial": "0000ABCD", "bus": { "gear": [] } },
    { "productId": "0x1500", "serial": "00009999", "bus": { "gear": [] } },
    { "productId": "0x1501", "serial": "00001234", "bus": { "gear": [] } } ] })";

class DeviceDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        const auto scenario = sim::parseScenario(kScenario, "chooser", error);
        ASSERT_TRUE(scenario) << error;
        kit::installBackend(kit::buildSimulatedBackend(*scenario));
        ASSERT_NE(kit_open(), nullptr);
    }
    void TearDown() override { kit::installBackend(nullptr); }

    // Runs the dialog; `action` works it once it is shown.
    Prompts::ChooserResult Run(KitHandle current, std::function<void(CDeviceDlg&)> action) {
        CDeviceDlg dialog(current, QString());
        QTimer::singleShot(0, [&] { action(dialog); });
        return dialog.Run();
    }

    static QPushButton* Button(CDeviceDlg& dialog, const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }

    KitHandle current_ = reinterpret_cast<KitHandle>(0x1234);
};

TEST_F(DeviceDlgTest, ListsTheAcceptedInterfacesWithItsCaptionsAndSelectsTheFirst) {
    CDeviceDlg dialog(current_, QString());
    EXPECT_EQ(dialog.windowTitle(), "Geräteübersicht");
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Gerät");
    EXPECT_NE(Button(dialog, "OK"), nullptr);
    EXPECT_NE(Button(dialog, "Abbrechen"), nullptr);
    ASSERT_EQ(dialog.list()->count(), 2);
    EXPECT_EQ(dialog.list()->itemText(0), "Serial (Pellix): 0000ABCD");
    EXPECT_EQ(dialog.list()->itemText(1), "Serial (Pellix): 00001234");
    EXPECT_EQ(dialog.list()->currentIndex(), 0);
}

TEST_F(DeviceDlgTest, EachWayOfClosingReturnsItsResultAndHandle) {
    const KitHandle first = kit_device_at(1), second = kit_device_at(3);
    struct Case {
        const char* name;
        std::function<void(CDeviceDlg&)> action;
        int result;
        KitHandle handle;
    };
    const Case cases[] = {
        {"OK", [](CDeviceDlg& d) { Button(d, "OK")->click(); }, kDialogOk, first},
        {"OK on the second",
         [](CDeviceDlg& d) {
             d.list()->setCurrentIndex(1);
             Button(d, "OK")->click();
         },
         kDialogOk, second},
        {"Cancel", [](CDeviceDlg& d) { Button(d, "Abbrechen")->click(); }, kDialogCancel, nullptr},
        {"Escape",
         [](CDeviceDlg& d) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&d, &escape);
         },
         kDialogCancel, current_},
        {"close box", [](CDeviceDlg& d) { d.close(); }, kDialogCancel, current_},
    };
    for (const Case& c : cases) {
        const Prompts::ChooserResult chosen = Run(current_, c.action);
        EXPECT_EQ(chosen.result, c.result) << c.name;
        EXPECT_EQ(chosen.handle, c.handle) << c.name;
    }
}

}  // namespace
