// "Speicherbänke…" on the main view of a simulated bus: the dialog worked
// with keys and the mouse (a bank picked, read, a location written), the
// flow's refusals and messages, and when the command is there at all.

#define QTEST_QPA_MOUSE_HANDLING

#include "addressing/own_command.h"
#include "app/memory_bank_dlg.h"
#include "devices/memory_bank.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<std::string>;

// Gear 5 is a D4i luminaire; 6 has no banks beyond bank 0.
const std::string kScenario = OneInterfaceScenario({
    R"({"shortAddress": 5, "deviceType": 6, "actualLevel": 254,
        "banks": {"year": 24, "nominalPowerW": 36, "identification": "Downlight", "activeEnergyWh": 1000}})",
    R"({"shortAddress": 6, "deviceType": 6})",
});

class MemoryBankDialog : public ::testing::Test {
protected:
    void SetUp() override {
        h.StartConnected();
        h.prompts.confirmations.clear();  // the scan's question
    }
    void Select(int address) {
        for (MatrixCell& cell : h.view().matrix().cells)
            cell.selected = 0;
        h.view().matrix().cells[size_t(address)].selected = 1;
        h.view().OwnCommand(WM_OWN_COMMAND_CLICK, address);
        h.TakeForwardFrames();
    }
    // Runs the command; `work` gets the dialog's actions.
    void OpenWith(const std::function<void(MemoryBankActions&)>& work) {
        h.surface.onMemoryBankDialog = work;
        h.view().Execute(CommandAction::MemoryBanks);
        h.surface.onMemoryBankDialog = nullptr;
    }
    static QStringList Row(const QTableWidget& table, int row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << table.item(row, column)->text();
        return cells;
    }
    static void ClickRow(QTableWidget& table, int row) {
        table.scrollToItem(table.item(row, 0));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(table.item(row, 0)).center());
    }
    static QPushButton& Button(CMemoryBankDlg& dialog, const char* name) {
        return *dialog.findChild<QPushButton*>(QLatin1String(name));
    }

    HeadlessView h{kScenario};
};

// Bank 1 picked with the arrow key, bank 202 typed: each read into the table
// with every location, its value and its meaning; then a location of bank 1
// picked by a click, a value typed, written after the question and shown.
TEST_F(MemoryBankDialog, APickedBankIsReadIntoTheTableAndALocationWritten) {
    Select(5);
    OpenWith([this](MemoryBankActions& actions) {
        CMemoryBankDlg dialog(actions);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QComboBox& bank = *dialog.bankBox();
        QTableWidget& table = *dialog.table();
        EXPECT_FALSE(Button(dialog, "write").isEnabled());

        bank.setFocus();
        QTest::keyClick(&bank, Qt::Key_Down);
        EXPECT_EQ(bank.currentText(), "1");
        QTest::mouseClick(&Button(dialog, "read"), Qt::LeftButton);
        ASSERT_EQ(table.rowCount(), 0x78);
        EXPECT_EQ(Row(table, 0), (QStringList{"0x00", "0x77", "Letzte Speicherstelle"}));
        EXPECT_EQ(Row(table, 1), (QStringList{"0x01", "—", ""}));
        EXPECT_EQ(Row(table, 2), (QStringList{"0x02", "0xFF", "Sperrbyte"}));
        EXPECT_EQ(Row(table, 0x13), (QStringList{"0x13", "0x18", "Herstellungsjahr"}));
        EXPECT_EQ(Row(table, 0x16), (QStringList{"0x16", "0x24", "Nennleistung [2/2]"}));
        EXPECT_EQ(Row(table, 0x3C), (QStringList{"0x3C", "0x44", "Leuchtenbezeichnung [1/60]"}));

        h.TakeForwardFrames();
        QTest::keyClick(bank.lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(bank.lineEdit(), "202");
        QTest::mouseClick(&Button(dialog, "read"), Qt::LeftButton);
        ASSERT_EQ(table.rowCount(), 0x10);
        EXPECT_EQ(Row(table, 4), (QStringList{"0x04", "0x00", "Wirkenergie (Skalierung)"}));
        EXPECT_EQ(Row(table, 0x0A), (QStringList{"0x0A", "0xE8", "Wirkenergie [6/6]"}));
        // Read as one snapshot, let go afterwards.
        const Frames frames = h.TakeForwardFrames();
        EXPECT_EQ(Frames(frames.begin(), frames.begin() + 7),
                  (Frames{"C3CA", "A300", "0BC5", "0B81", "0B81", "A302", "C9AA"}));
        EXPECT_EQ(Frames(frames.end() - 4, frames.end()), (Frames{"0B81", "0B81", "A302", "C9FF"}));

        QTest::keyClick(bank.lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(bank.lineEdit(), "1");
        QTest::keyClick(bank.lineEdit(), Qt::Key_Return);
        QTest::mouseClick(&Button(dialog, "read"), Qt::LeftButton);
        ASSERT_EQ(table.rowCount(), 0x78);
        ClickRow(table, 0x3C);
        QSpinBox& value = *dialog.findChild<QSpinBox*>(QStringLiteral("value"));
        EXPECT_EQ(dialog.findChild<QSpinBox*>(QStringLiteral("location"))->value(), 0x3C);
        value.setFocus();
        QTest::keyClick(&value, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&value, "57");
        EXPECT_EQ(value.value(), 0x57);
        h.prompts.Answer(kDialogOk);
        QTest::mouseClick(&Button(dialog, "write"), Qt::LeftButton);
        EXPECT_EQ(Row(table, 0x3C), (QStringList{"0x3C", "0x57", "Leuchtenbezeichnung [1/60]"}));
    });
    ASSERT_EQ(h.prompts.confirmations.size(), 1u);
    EXPECT_EQ(h.prompts.confirmations[0].text,
              "Gerät 5, Speicherbank 1: Stelle 0x3C auf 0x57 setzen? Das Gerät speichert den Wert sofort.");
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, "Geschrieben und zurückgelesen: Stelle 0x3C enthält 0x57.");
}

// Declined: nothing sent. Refused before the question: said, nothing sent.
// A bank the gear lacks: its one query and the message. Locked by another
// controller between: said, and nothing taken as written.
TEST_F(MemoryBankDialog, RefusalsAndFailuresAreSaidAndNothingIsAssumed) {
    Select(5);
    OpenWith([this](MemoryBankActions& actions) {
        h.prompts.Answer(kDialogCancel);
        EXPECT_EQ(actions.Write(1, 0x3C, 0x57), std::nullopt);
        EXPECT_EQ(h.TakeForwardFrames(), Frames{});

        EXPECT_EQ(actions.Write(205, 0x10, 0), std::nullopt);
        EXPECT_EQ(h.TakeForwardFrames(), Frames{});

        EXPECT_TRUE(actions.Read(3).empty());
        EXPECT_EQ(h.TakeForwardFrames(), (Frames{"C303", "A300", "0BC5"}));

        h.bus().setFrameListener([this](const sim::BusFrame& frame) {
            if (frame.kind == sim::FrameKind::Forward && frame.data == 0xC955)
                h.bus().withGear(0, [&](sim::ControlGear& g) {
                    g.receive(frame.timeUs + 30'000, 0xA3, kLockByteLocation);
                    g.receive(frame.timeUs + 60'000, 0xC9, 0xFF);
                });
        });
        h.prompts.Answer(kDialogOk);
        EXPECT_EQ(actions.Write(207, 0x04, 60), std::nullopt);
        h.bus().setFrameListener({});
    });
    EXPECT_EQ(h.prompts.confirmations.size(), 2u);
    QStringList said;
    for (const MessageRequest& message : h.prompts.messages)
        said << message.text;
    EXPECT_EQ(said, (QStringList{"Diese Stelle ist nicht beschreibbar (Speicherbank 0, zählende Speicherbänke, Stellen 0 "
                                 "bis 2). Es wurde nichts gesendet.",
                                 "Speicherbank 3 ist bei diesem Gerät nicht vorhanden.",
                                 "Die Speicherbank ist gesperrt: das Gerät hat den Wert nicht angenommen."}));
}

// Only with exactly one present gear selected, online.
TEST_F(MemoryBankDialog, TheCommandWantsOneSelectedGearOnline) {
    const CommandState& commands = h.view().commands();
    EXPECT_FALSE(commands.IsEnabled(CommandId::MemoryBanks));
    Select(6);
    EXPECT_TRUE(commands.IsEnabled(CommandId::MemoryBanks));
    h.view().SelectAll();
    EXPECT_FALSE(commands.IsEnabled(CommandId::MemoryBanks));
    int dialogs = 0;
    OpenWith([&dialogs](MemoryBankActions&) { ++dialogs; });
    EXPECT_EQ(dialogs, 0);
    Select(6);
    h.view().Disconnect();
    EXPECT_FALSE(commands.IsEnabled(CommandId::MemoryBanks));
}

}  // namespace
