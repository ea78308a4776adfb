// The list control's in-place editors with real mouse and key events, and
// the group manager's grid colours.

#include "devices/device_store.h"
#include "groups_scenes/combo_list_ctrl.h"
#include "groups_scenes/group_dlg.h"
#include "groups_scenes/in_place_combo.h"
#include "groups_scenes/in_place_edit.h"
#include "groups_scenes/scene_dlg.h"
#include "tests/support/scripted_prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ComboListCtrl : public ::testing::Test {
protected:
    void SetUp() override {
        list.setColumnCount(3);
        list.setRowCount(2);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                list.SetCellText(row, column, QStringLiteral("%1%2").arg(row).arg(column));
        list.SetComboColumn(1);
        list.SetReadOnlyColumn(0);
        list.RequestColumnChoices = [](int) { return QStringList{"01", "11", "MASK"}; };
        connect();
        list.resize(300, 200);
        list.show();
    }
    void connect() {
        QObject::connect(&list, &CComboListCtrl::CellEditValidate, [this](int r, int c, const QString& t) {
            reports << QStringLiteral("validate %1 %2 %3").arg(r).arg(c).arg(t);
        });
        QObject::connect(&list, &CComboListCtrl::CellEditEnded, [this](int r, int c, const QString& t) {
            reports << QStringLiteral("ended %1 %2 %3").arg(r).arg(c).arg(t);
        });
    }
    QPoint Centre(int row, int column) {
        return list.visualRect(list.model()->index(row, column)).center();
    }
    // The first click selects the row, the second on the focused row opens the editor.
    void Open(int row, int column) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, Centre(row, column));
        if (!list.openEditor())
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, Centre(row, column));
    }

    CComboListCtrl list;
    QStringList reports;
};

TEST_F(ComboListCtrl, EscapeInTheDropDownKeepsTheTextAndStillReports) {
    Open(1, 1);
    auto* combo = qobject_cast<CInPlaceCombo*>(list.openEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "11");  // the cell's text is chosen
    combo->setCurrentIndex(2);
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_EQ(list.CellText(1, 1), "11");
    EXPECT_EQ(reports, (QStringList{"validate 1 1 11", "ended 1 1 11"}));

    reports.clear();
    Open(1, 1);
    combo = qobject_cast<CInPlaceCombo*>(list.openEditor());
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(2);
    QTest::keyClick(combo, Qt::Key_Return);
    QCoreApplication::processEvents();  // Qt commits after the editor has seen the key
    EXPECT_EQ(list.CellText(1, 1), "MASK");
    EXPECT_EQ(reports.last(), "ended 1 1 MASK");
}

TEST_F(ComboListCtrl, ClicksThatOpenNoEditor) {
    Open(0, 0);  // read-only column
    EXPECT_EQ(list.openEditor(), nullptr);
    list.selectRow(0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, Centre(1, 2));
    EXPECT_EQ(list.openEditor(), nullptr);
    EXPECT_TRUE(list.selectionModel()->isRowSelected(1, {}));
    list.clearSelection();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(290, 190));  // beside every cell
    EXPECT_EQ(list.openEditor(), nullptr);
    EXPECT_FALSE(list.selectionModel()->hasSelection());
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(ComboListCtrl, TheTextEditorTakesOnlyValidCharacters) {
    struct Case {
        QString valid, clipboard, typed, expected;
    };
    const Case cases[] = {
        {"0123456789", "45", "7x", "457"},  // a valid paste, a dropped letter
        {"0123456789", "4a", "8", "8"},     // an invalid paste changes nothing
        {"", "45", "xy", "xy"},             // no set: typing is free, pasting refused
    };
    for (const Case& c : cases) {
        list.SetValidCharacters(c.valid);
        const QString before = list.CellText(0, 2);
        Open(0, 2);
        auto* edit = qobject_cast<CInPlaceEdit*>(list.openEditor());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->selectedText(), before);  // the whole old text, selected
        edit->clear();
        QApplication::clipboard()->setText(c.clipboard);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(edit, c.typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(list.CellText(0, 2), c.expected) << c.valid.toStdString() << " " << c.clipboard.toStdString();
    }
}

TEST(GroupDlg, AClickOnAGroupCellSwitchesItsColour) {
    Settings settings;
    ScriptedPrompts prompts(settings);
    DeviceStore store;
    store.workingTable[3].present = 1;
    store.workingTable[3].SetGroupMask(0x0021);
    CGroupDlg dialog(ManagerContext{BusLink{}, store, 0, prompts, QString(), [] {}});
    dialog.show();
    QTableWidget& grid = dialog.grid();
    EXPECT_EQ(grid.item(0, 0)->text(), "Gerät 3");
    EXPECT_EQ(grid.item(0, 6)->background().color(), QColor(0, 200, 0));
    EXPECT_EQ(grid.item(0, 2)->background().color(), QColor(250, 250, 250));  // row 0 counts as even
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.visualItemRect(grid.item(0, 6)).center());
    EXPECT_EQ(grid.item(0, 6)->background().color(), QColor(250, 250, 250));
    EXPECT_EQ(dialog.manager().changeCount(), 1);
    EXPECT_FALSE(dialog.findChild<QPushButton*>("apply")->isEnabled());  // no interface
}

TEST(SceneDlg, OfflineTheLevelsComeFromTheRecordsAndOpenNoEditor) {
    Settings settings;
    ScriptedPrompts prompts(settings);
    DeviceStore store;
    store.workingTable[4].present = 1;
    store.workingTable[4].sceneLevel[2] = 127;
    store.workingTable[4].dimmingCurve = 1;
    CSceneDlg dialog(ManagerContext{BusLink{}, store, 1, prompts, QString(), [] {}});
    dialog.show();
    CComboListCtrl& levels = dialog.levels();
    EXPECT_FALSE(levels.isEnabled());
    auto* scenes = dialog.findChild<QComboBox*>("scenes");
    scenes->setCurrentIndex(2);
    Q_EMIT scenes->activated(2);
    EXPECT_TRUE(levels.isEnabled());
    EXPECT_EQ(levels.CellText(0, 1), "127");
    EXPECT_EQ(levels.CellText(0, 2), "50.000%");
    const QPoint level = levels.visualRect(levels.model()->index(0, 1)).center();
    QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, level);
    QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, level);
    EXPECT_EQ(levels.openEditor(), nullptr);
    EXPECT_FALSE(dialog.findChild<QPushButton*>("apply")->isEnabled());
}

}  // namespace
