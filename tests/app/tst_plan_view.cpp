// The floor plan beside the matrix, worked with the mouse: a cell dropped on
// the plan, markers clicked, dragged, removed, the wheel and "Einpassen",
// pictures refused, identify under the mouse.

#include "addressing/matrix_widget.h"
#include "addressing/plan_view.h"
#include "app/plan_panel.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

namespace {

class PlanViewTest : public MainWindowTest {
protected:
    // Starts connected to gear at 3, 12 and 40 and loads a 400 x 200 plan.
    void StartWithPlan(int identify = 0) {
        Start(1, kDialogOk, identify);
        // Hidden until asked for, and the window grows to hold it.
        auto* shown = frame->findChild<QCheckBox*>(QStringLiteral("planShown"));
        ASSERT_TRUE(shown);
        const int narrow = frame->width();
        EXPECT_FALSE(frame->view().planPanel().isVisible());
        QTest::mouseClick(shown, Qt::LeftButton, Qt::NoModifier, QPoint(4, shown->height() / 2));
        ASSERT_TRUE(frame->view().planPanel().isVisible());
        EXPECT_GT(frame->width(), narrow);
        QImage image(400, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(configFolder.filePath("eg.png")));
        prompts->ChoosePath(configFolder.filePath("eg.png"));
        ClickButton("loadPlan");
        ASSERT_EQ(plan().plan(), 0);
        TakeForwardFrames();
    }
    void ClickButton(const char* name) {
        auto* button = frame->findChild<QPushButton*>(QLatin1String(name));
        ASSERT_TRUE(button) << name;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
    }
    CPlanView& plan() { return frame->view().planPanel().view(); }
    CMatrix& matrix() { return frame->view().matrixWidget(); }
    FloorPlans& plans() { return view().store().floorPlans; }
    QPoint CellCentre(int index) {
        const CellBox& box = view().matrix().cells[size_t(index)].box;
        return {box.x + box.width / 2, box.y + box.height / 2};
    }
    QPoint MarkerPoint(int address) {
        const PlanPlace& place = *plans().places[size_t(address)];
        return plan().PointOf(place.x, place.y).toPoint();
    }
    static void MoveHoldingLeft(QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    // The marker's colour beside its text, as drawn now.
    QColor MarkerColour(int address) { return plan().grab().toImage().pixelColor(MarkerPoint(address) + QPoint(0, -8)); }
    std::vector<int> SelectedCells() {
        std::vector<int> selected;
        for (int i = 0; i < kMatrixCellCount; ++i)
            if (view().matrix().cells[size_t(i)].selected == 1)
                selected.push_back(i);
        return selected;
    }
};

TEST_F(PlanViewTest, ACellDroppedOnThePlanPlacesItsMarkerAtTheDropPoint) {
    StartWithPlan();
    const QPoint drop = plan().PointOf(0.25, 0.5).toPoint() + QPoint(3, 2);
    const QPoint dropInMatrix = matrix().mapFromGlobal(plan().mapToGlobal(drop));
    QTest::mousePress(&matrix(), Qt::LeftButton, Qt::NoModifier, CellCentre(12));
    MoveHoldingLeft(&matrix(), dropInMatrix);
    QTest::mouseRelease(&matrix(), Qt::LeftButton, Qt::NoModifier, dropInMatrix);
    ASSERT_TRUE(plans().places[12]);
    const QPointF fraction = *plan().FractionAt(drop);
    EXPECT_EQ(plans().places[12]->plan, 0);
    EXPECT_DOUBLE_EQ(plans().places[12]->x, fraction.x());
    EXPECT_DOUBLE_EQ(plans().places[12]->y, fraction.y());
    EXPECT_EQ(MarkerPoint(12), drop);
    const QColor present = MarkerColour(12);  // blue, as the cell
    EXPECT_GT(present.blue(), 200);
    EXPECT_LT(present.red(), 60);
    EXPECT_EQ(view().projectDirty, 1);
    EXPECT_EQ(view().store().workingTable[12].present, 1);  // no address was moved

    // Let go beside the picture, nothing is placed.
    QTest::mousePress(&matrix(), Qt::LeftButton, Qt::NoModifier, CellCentre(40));
    const QPoint beside = matrix().mapFromGlobal(plan().mapToGlobal(QPoint(plan().width() / 2, 2)));
    MoveHoldingLeft(&matrix(), beside);
    QTest::mouseRelease(&matrix(), Qt::LeftButton, Qt::NoModifier, beside);
    EXPECT_FALSE(plans().places[40]);

    // Hidden again, the window is as narrow as before; the markers stay.
    auto* shown = frame->findChild<QCheckBox*>(QStringLiteral("planShown"));
    const int wide = frame->width();
    QTest::mouseClick(shown, Qt::LeftButton, Qt::NoModifier, QPoint(4, shown->height() / 2));
    EXPECT_LT(frame->width(), wide - 300);
    EXPECT_TRUE(plans().places[12]);
}

TEST_F(PlanViewTest, AMarkerClickSelectsItsGearCtrlClickAddsAndTheMarkersShowTheSelection) {
    StartWithPlan();
    plans().Place(12, 0, 0.25, 0.5);
    plans().Place(40, 0, 0.75, 0.5);
    view().store().workingTable[12].readState = kReadStateParameters;
    QTest::mouseClick(&plan(), Qt::LeftButton, Qt::NoModifier, MarkerPoint(12));
    EXPECT_EQ(SelectedCells(), std::vector<int>{12});
    EXPECT_EQ(PaneText(kPaneSelection), "Adr: 12");
    EXPECT_EQ(view().store().selectedAddresses[0], 12);
    const QColor selected = MarkerColour(12);  // orange, as a selected cell
    EXPECT_GT(selected.red(), 200);
    EXPECT_LT(selected.blue(), 60);
    EXPECT_GT(MarkerColour(40).blue(), 200);

    QTest::mouseClick(&plan(), Qt::LeftButton, Qt::ControlModifier, MarkerPoint(40));
    EXPECT_EQ(SelectedCells(), (std::vector<int>{12, 40}));
    EXPECT_EQ(PaneText(kPaneSelection), "List");

    // A selection in the matrix shows on the markers.
    QTest::mouseClick(&matrix(), Qt::LeftButton, Qt::NoModifier, CellCentre(40));
    EXPECT_EQ(SelectedCells(), std::vector<int>{40});
    EXPECT_GT(MarkerColour(12).blue(), 200);
    EXPECT_GT(MarkerColour(40).red(), 200);
}

TEST_F(PlanViewTest, DraggingAMarkerMovesItAndItsMenuRemovesIt) {
    StartWithPlan();
    plans().Place(3, 0, 0.25, 0.5);
    const QPoint to = plan().PointOf(0.6, 0.2).toPoint();
    const QPointF fraction = *plan().FractionAt(to);
    QTest::mousePress(&plan(), Qt::LeftButton, Qt::NoModifier, MarkerPoint(3));
    MoveHoldingLeft(&plan(), MarkerPoint(3) + QPoint(10, 0));
    MoveHoldingLeft(&plan(), to);
    QTest::mouseRelease(&plan(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(plans().places[3], (PlanPlace{0, fraction.x(), fraction.y()}));
    EXPECT_TRUE(SelectedCells().empty());  // a drag is no click

    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, to, plan().mapToGlobal(to));
    QApplication::sendEvent(&plan(), &menuEvent);
    QMenu* menu = plan().markerMenu();
    ASSERT_TRUE(menu->isVisible());
    QAction* remove = menu->actions().constFirst();
    EXPECT_EQ(remove->text(), "Vom Grundriss entfernen");
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(remove).center());
    EXPECT_FALSE(plans().places[3]);
}

TEST_F(PlanViewTest, TheWheelZoomsAroundTheMouseBackgroundDragPansEinpassenFits) {
    StartWithPlan();
    const QPointF fitted = plan().PointOf(0, 0);
    const double fittedWidth = (plan().PointOf(1, 0) - fitted).x();
    const QPoint mouse = plan().PointOf(0.3, 0.6).toPoint();
    const QPointF before = *plan().FractionAt(mouse);
    QWheelEvent wheel(mouse, plan().mapToGlobal(mouse), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&plan(), &wheel);
    EXPECT_NEAR((plan().PointOf(1, 0) - plan().PointOf(0, 0)).x(), 1.25 * 1.25 * fittedWidth, 1e-9);
    const QPointF after = *plan().FractionAt(mouse);
    EXPECT_NEAR(after.x(), before.x(), 1e-9);
    EXPECT_NEAR(after.y(), before.y(), 1e-9);

    const QPoint background = mouse + QPoint(0, 5);
    const QPointF origin = plan().PointOf(0, 0);
    QTest::mousePress(&plan(), Qt::LeftButton, Qt::NoModifier, background);
    MoveHoldingLeft(&plan(), background + QPoint(-30, 12));
    QTest::mouseRelease(&plan(), Qt::LeftButton, Qt::NoModifier, background + QPoint(-30, 12));
    EXPECT_EQ(plan().PointOf(0, 0), origin + QPointF(-30, 12));

    ClickButton("fitPlan");
    EXPECT_EQ(plan().PointOf(0, 0), fitted);
}

TEST_F(PlanViewTest, APictureThatCannotBeReadOrIsTooLargeIsRefusedAndChangesNothing) {
    StartWithPlan();
    plans().Place(12, 0, 0.5, 0.5);
    const FloorPlans before = plans();
    ASSERT_TRUE(WriteFileBytes(configFolder.filePath("notes.png"), "no picture"));
    ASSERT_TRUE(WriteFileBytes(configFolder.filePath("huge.svg"),
                               R"(<svg xmlns="http://www.w3.org/2000/svg" width="20000" height="6000"/>)"));
    prompts->messages.clear();
    for (const char* file : {"notes.png", "huge.svg"}) {
        prompts->ChoosePath(configFolder.filePath(QString::fromLatin1(file)));
        ClickButton("loadPlan");
    }
    ASSERT_EQ(prompts->messages.size(), 2u);
    EXPECT_EQ(prompts->messages[0].text, "Die Datei ist kein lesbares Bild: " + configFolder.filePath("notes.png"));
    EXPECT_EQ(prompts->messages[1].text,
              "Das Bild ist zu groß (mehr als 100 Megapixel): " + configFolder.filePath("huge.svg"));
    EXPECT_EQ(plans(), before);
    EXPECT_EQ(view().projectDirty, 1);  // from the first plan only
}

TEST_F(PlanViewTest, InIdentifyModeTheMarkerUnderTheMouseLightsItsGear) {
    StartWithPlan(1);
    plans().Place(40, 0, 0.75, 0.5);
    plans().Place(3, 0, 0.25, 0.5);
    for (int address : {40, 3}) {
        QMouseEvent hover(QEvent::MouseMove, MarkerPoint(address), plan().mapToGlobal(MarkerPoint(address)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&plan(), &hover);
    }
    // 40 to full, then 40 back to the background level and 3 to full.
    EXPECT_EQ(TakeForwardFrames(), (std::vector<std::string>{"50FE", "5057", "06FE"}));
}

}  // namespace
