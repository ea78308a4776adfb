// The manager windows under the mouse and the keys, on a simulated bus:
// a level picked from the opened drop-down, Escape, the focus afterwards,
// the hovered row of the group grid, input while a manager's own wait
// dialog shows, and the text editor's rule for drops and input methods.

// Clicks and keys go through the window system, so a window blocked by a
// modal dialog does not get them, as on a desktop.
#define QTEST_QPA_MOUSE_HANDLING

#include "groups_scenes/combo_list_ctrl.h"
#include "groups_scenes/group_dlg.h"
#include "groups_scenes/in_place_combo.h"
#include "groups_scenes/in_place_edit.h"
#include "groups_scenes/scene_dlg.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<std::string>;

const std::string kScenario = OneInterfaceScenario(
    {R"({"shortAddress": 3, "groups": [5], "scenes": {"0": 10}})", R"({"shortAddress": 33, "scenes": {"0": 20}})",
     R"({"shortAddress": 40})"});

class ManagerWindows : public ::testing::Test {
protected:
    void SetUp() override {
        // A list opened by a mouse press ignores a release that comes within
        // a double-click time; the installer's next click is no double click.
        QApplication::setDoubleClickInterval(0);
        h.StartConnected();
    }
    ManagerContext Context() {
        return {h.view().link(), h.view().store(), 0, h.prompts, QString(), [] { QCoreApplication::processEvents(); }};
    }
    // The scene manager, shown and active, with scene 0 chosen.
    std::unique_ptr<CSceneDlg> SceneManagerOnScene0() {
        auto dialog = std::make_unique<CSceneDlg>(Context());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        auto* scenes = dialog->findChild<QComboBox*>("scenes");
        scenes->setCurrentIndex(0);
        Q_EMIT scenes->activated(0);
        h.TakeForwardFrames();
        return dialog;
    }
    // Clicks a level cell until its drop-down editor is open, then opens the drop-down with the mouse.
    CInPlaceCombo* OpenLevelDropDown(CComboListCtrl& levels, int row) {
        const QPoint cell = levels.visualRect(levels.model()->index(row, 1)).center();
        QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        if (!levels.openEditor())
            QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        auto* combo = qobject_cast<CInPlaceCombo*>(levels.openEditor());
        if (combo) {
            QTest::mouseClick(combo, Qt::LeftButton);
            EXPECT_TRUE(combo->view()->isVisible());
        }
        return combo;
    }

    HeadlessView h{kScenario};
};

TEST_F(ManagerWindows, ALevelPickedFromTheOpenedDropDownIsTakenAndApplied) {
    auto dialog = SceneManagerOnScene0();
    CComboListCtrl& levels = dialog->levels();
    QStringList ended;
    QObject::connect(&levels, &CComboListCtrl::CellEditEnded,
                     [&](int row, int column, const QString& text) { ended << QStringLiteral("%1 %2 %3").arg(row).arg(column).arg(text); });

    // The mouse: entry 100 clicked in the opened list.
    CInPlaceCombo* combo = OpenLevelDropDown(levels, 1);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "20");
    QAbstractItemView* list = combo->view();
    const QModelIndex entry = list->model()->index(100, 0);
    list->scrollTo(entry);
    QCoreApplication::processEvents();  // the list lays itself out, then scrolls
    const QPoint onEntry(list->viewport()->width() / 2, list->visualRect(entry).center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, onEntry);
    QCoreApplication::processEvents();
    EXPECT_EQ(levels.CellText(1, 1), "100");
    EXPECT_EQ(levels.openEditor(), nullptr);
    EXPECT_EQ(dialog->focusWidget(), &levels);

    // The keys: "15" typed into the opened list, one entry down, Enter.
    combo = OpenLevelDropDown(levels, 2);
    ASSERT_NE(combo, nullptr);
    QTest::keyClicks(combo->view(), "15");
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(levels.CellText(2, 1), "16");
    EXPECT_EQ(dialog->focusWidget(), &levels);

    // Escape in the opened list keeps the level.
    combo = OpenLevelDropDown(levels, 0);
    ASSERT_NE(combo, nullptr);
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(levels.CellText(0, 1), "10");
    EXPECT_EQ(levels.openEditor(), nullptr);
    EXPECT_EQ(dialog->focusWidget(), &levels);

    EXPECT_EQ(ended, (QStringList{"1 1 100", "2 1 16", "0 1 10"}));
    dialog->manager().Apply();
    // Gear 33 and 40 get their new levels; gear 3, whose record never held
    // its scenes, gets the level it showed.
    EXPECT_EQ(h.TakeForwardFrames(),
              (Frames{"A30A", "0740", "0740", "A364", "4340", "4340", "A310", "5140", "5140"}));
}

// The name column of the scene manager is typed into; the group manager
// shows the same names.
TEST_F(ManagerWindows, GearAreNamedInTheSceneManager) {
    auto dialog = SceneManagerOnScene0();
    CComboListCtrl& levels = dialog->levels();
    const QPoint cell = levels.visualRect(levels.model()->index(1, 5)).center();
    QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    if (!levels.openEditor())
        QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    auto* edit = qobject_cast<CInPlaceEdit*>(levels.openEditor());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, " Bad 2 ");
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(h.view().store().workingTable[33].name, "Bad 2");
    EXPECT_EQ(levels.CellText(1, 5), "Bad 2");
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(dialog->manager().changeCount(), 0);  // nothing to apply

    CGroupDlg groups(Context());
    EXPECT_EQ(groups.grid().item(1, 17)->text(), "Bad 2");
}

// Gear 33 made tunable white: its colour temperature cell is typed into and
// applied with its level; the column shows only while such gear is present.
TEST_F(ManagerWindows, ASceneColourTemperatureIsTypedIntoItsCellAndApplied) {
    {
        auto plain = SceneManagerOnScene0();
        EXPECT_TRUE(plain->levels().isColumnHidden(4));
    }
    h.view().store().workingTable[33].colour.features = dali::kColourFeatureTc;
    auto dialog = SceneManagerOnScene0();
    CComboListCtrl& levels = dialog->levels();
    ASSERT_FALSE(levels.isColumnHidden(4));
    const QPoint cell = levels.visualRect(levels.model()->index(1, 4)).center();
    QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    if (!levels.openEditor())
        QTest::mouseClick(levels.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    auto* edit = qobject_cast<CInPlaceEdit*>(levels.openEditor());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "3000");
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(levels.CellText(1, 4), "3003 K");  // as the gear keeps it: 333 mirek
    QTest::mouseClick(dialog->findChild<QPushButton*>("apply"), Qt::LeftButton);
    // Gear 3's scenes were never read: its level goes too. Gear 33: 333 mirek, then level 20 as scene 0.
    EXPECT_EQ(h.TakeForwardFrames(),
              (Frames{"A30A", "0740", "0740", "A34D", "C301", "C108", "43E7", "A314", "4340", "4340"}));
    // A new level alone keeps the colour temperature; gear 3 has none to take.
    dialog->manager().LevelEdited(1, "30");
    dialog->manager().ColourTemperatureEdited(0, "2700");
    dialog->manager().Apply();
    EXPECT_EQ(h.TakeForwardFrames(), (Frames{"A34D", "C301", "C108", "43E7", "A31E", "4340", "4340"}));
}

// The group manager's name column is typed into as the scene manager's: a
// double-click opens the editor, the mouse wandering over other rows while
// typing does not end it, Return keeps the name in the record, and
// "Übernehmen" and "Schließen" leave it there.
TEST_F(ManagerWindows, GearAreNamedInTheGroupManager) {
    CGroupDlg dialog(Context());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    CComboListCtrl& grid = dialog.grid();
    const QPoint cell = grid.visualRect(grid.model()->index(2, 17)).center();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    auto* edit = qobject_cast<CInPlaceEdit*>(grid.openEditor());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, " Flur");
    QTest::mouseMove(grid.viewport(), grid.visualRect(grid.model()->index(0, 3)).center());
    QCoreApplication::processEvents();
    ASSERT_EQ(grid.openEditor(), edit);
    QTest::keyClicks(edit, " Nord ");
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.openEditor(), nullptr);
    EXPECT_EQ(h.view().store().workingTable[40].name, "Flur Nord");
    EXPECT_EQ(grid.item(2, 17)->text(), "Flur Nord");
    EXPECT_FALSE(dialog.manager().isMember(2, 0));  // the clicks on the name switched no group

    QTest::mouseClick(dialog.findChild<QPushButton*>("apply"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("close"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), kManagerClosed);
    EXPECT_EQ(h.view().store().workingTable[40].name, "Flur Nord");
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

// Reading a scene shows the manager's own wait dialog, which blocks the
// manager: a key on the scene list meanwhile starts no second read.
TEST_F(ManagerWindows, WhileItsWaitDialogShowsTheManagerTakesNoInput) {
    CSceneDlg dialog(Context());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* scenes = dialog.findChild<QComboBox*>("scenes");
    scenes->setFocus();
    QTimer::singleShot(0, [&] { QTest::keyClick(dialog.windowHandle(), Qt::Key_Down); });
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Down);  // scene 0
    EXPECT_EQ(dialog.manager().chosenScene(), 0);
    EXPECT_EQ(dialog.manager().rows().size(), 3u);
    EXPECT_EQ(h.TakeForwardFrames(), (Frames{"07B0", "43B0", "51B0"}));
}

// The row under the mouse is tinted, and its member cells stay green.
TEST_F(ManagerWindows, TheHoveredRowKeepsItsGreenMemberCells) {
    CGroupDlg dialog(Context());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QTableWidget& grid = dialog.grid();
    const QRect member = grid.visualItemRect(grid.item(0, 6));  // gear 3, group 5
    const QRect other = grid.visualItemRect(grid.item(0, 2));
    QTest::mouseMove(grid.viewport(), other.center());
    QCoreApplication::processEvents();
    ASSERT_TRUE(grid.selectionModel()->isRowSelected(0, {}));
    const QImage shown = grid.viewport()->grab().toImage();
    const QColor green = shown.pixelColor(member.center());
    EXPECT_GT(green.green(), 150) << green.name().toStdString();
    EXPECT_LT(green.red(), 60) << green.name().toStdString();
    EXPECT_LT(green.blue(), 100) << green.name().toStdString();
    const QColor tinted = shown.pixelColor(other.center());
    EXPECT_GT(tinted.blue(), tinted.red()) << tinted.name().toStdString();  // the hover shows
}

// The text editor's characters hold for text that is dropped or comes from
// an input method, not only for typed text.
TEST(InPlaceEdit, DroppedAndInputMethodTextFollowTheValidCharacters) {
    QWidget parent;
    CInPlaceEdit edit(QStringLiteral("0123456789"), &parent);
    parent.show();
    edit.setText("12");
    edit.setCursorPosition(2);
    for (const auto& [commit, expected] : std::vector<std::pair<QString, QString>>{{"3", "123"}, {"4x", "123"}}) {
        QInputMethodEvent input(QString(), {});
        input.setCommitString(commit);
        QApplication::sendEvent(&edit, &input);
        EXPECT_EQ(edit.text(), expected) << commit.toStdString();
    }
    for (const auto& [dropped, expected] : std::vector<std::pair<QString, QString>>{{"5a", "123"}, {"56", "12356"}}) {
        QMimeData data;
        data.setText(dropped);
        const QPointF end(edit.width() - 2, edit.height() / 2.0);
        QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &enter);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &drop);
        EXPECT_EQ(edit.text(), expected) << dropped.toStdString();
    }
}

}  // namespace
