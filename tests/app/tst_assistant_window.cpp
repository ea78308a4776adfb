// The addressing assistant's window over the main window, with the simulated
// bus panel beside it, driven by mouse clicks as an installer would: the
// panel's keys must stay usable while the assistant waits for them.

// Clicks go through the window system, so a window blocked by a modal dialog
// does not get them, as on a desktop.
#define QTEST_QPA_MOUSE_HANDLING

#include "addressing/address_dlg.h"
#include "sim/dali_bus.h"
#include "sim/frame_monitor.h"
#include "sim/panel/gear_tile.h"
#include "sim/panel/sim_panel_window.h"
#include "tests/app/main_window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class AssistantWindowTest : public MainWindowTest {};

QPushButton* PhysicalSelectKey(GearTile* tile) {
    for (QPushButton* button : tile->findChildren<QPushButton*>())
        if (button->text() == "Physical select")
            return button;
    return nullptr;
}

TEST_F(AssistantWindowTest, ThePanelsKeyWorksWhileTheAssistantWaitsForIt) {
    UseScenario(R"({"timeScale": 0, "interfaces": [ { "bus": { "gear": [ {}, {}, {} ] } } ] })");
    Start(1, kDialogCancel);  // connected, not scanned
    frame->show();
    SimPanelWindow panel(backend);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    // The installer presses gear 1's key once the assistant polls for it. A
    // key that never arrives must not keep the test waiting: the run is
    // cancelled after a few hundred polls.
    int polls = 0;
    QPushButton* cancel = nullptr;
    QStringList lines;
    QObject::connect(&panel.monitor(), &QAbstractItemModel::rowsInserted, &panel, [&] {
        const int last = panel.monitor().rowCount() - 1;
        const QString meaning =
            panel.monitor().data(panel.monitor().index(last, sim::FrameMonitor::Meaning), Qt::DisplayRole).toString();
        if (meaning != "Special: QUERY SHORT ADDRESS")
            return;
        if (++polls == 1)
            QTest::mouseClick(PhysicalSelectKey(panel.tiles()[1]), Qt::LeftButton);
        if (polls == 400 && !lines.contains("Adresse: 0"))
            QTimer::singleShot(0, [&] {
                prompts->Answer(kDialogOk);
                cancel->click();
            });
    });

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CAddressDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        auto* progress = dialog->findChild<QListWidget*>("progress");
        cancel = dialog->findChild<QPushButton*>("cancel");
        QObject::connect(progress->model(), &QAbstractItemModel::rowsInserted, dialog, [&lines, progress, cancel, this] {
            lines << progress->item(progress->count() - 1)->text();
            if (lines.back() != "Adresse: 0")
                return;
            // Cancel once the gear is addressed: the dialog stays until the worker stops.
            QTimer::singleShot(0, [cancel, this] {
                prompts->Answer(kDialogOk);
                QTest::mouseClick(cancel, Qt::LeftButton);
                EXPECT_FALSE(cancel->isEnabled());
                EXPECT_TRUE(cancel->isVisible());
            });
        });
        QTest::mouseClick(dialog->findChild<QCheckBox*>("physicalSelection"), Qt::LeftButton);
        prompts->Answer(kDialogOk);  // the start question
        QTest::mouseClick(dialog->findChild<QPushButton*>("start"), Qt::LeftButton);
    });
    Trigger(CommandId::AddressTool);

    // The worker may ask for the next key before the Cancel click is taken.
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"Taste \"Physical Select\" auf dem Gerät betätigen...", "Adresse: 0"}));
    std::vector<std::optional<uint8_t>> addresses;
    for (size_t i = 0; i < 3; ++i)
        backend->bus(0)->withGear(i, [&](sim::ControlGear& g) { addresses.push_back(g.shortAddress()); });
    EXPECT_EQ(addresses, (std::vector<std::optional<uint8_t>>{std::nullopt, 0, std::nullopt}));
    ASSERT_FALSE(prompts->messages.empty());
    EXPECT_EQ(prompts->messages.back().text, "Die Adressierung wurde beendet.");
}

}  // namespace
