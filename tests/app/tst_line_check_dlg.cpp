// The line check's window on the main view of a simulated bus, worked with
// the mouse: sorting by a column, selecting a gear from a row, the
// replacement of a missing gear.

#define QTEST_QPA_MOUSE_HANDLING

#include "app/line_check_dlg.h"
#include "app/line_check_flow.h"
#include "storage/device_lines.h"
#include "tests/support/gear_records.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Gear 1 differs in its MAX LEVEL, 2 is missing, 3 is not in the project.
const std::string kLine = OneInterfaceScenario(
    {R"({"shortAddress": 1, "maxLevel": 230})", R"({"shortAddress": 3})"});

class LineCheckWindow : public ::testing::Test {
protected:
    void SetUp() override {
        h.WriteConfig(0, 0, 1);
        h.Start();
        h.prompts.Answer(kDialogOk);
        h.view().Connect();
        DeviceTable project;
        for (int a : {1, 2})
            project[size_t(a)] = FreshGearRecord();
        const QString path = h.folder.filePath(QStringLiteral("p.prj"));
        ASSERT_TRUE(WriteProjectFile(path, project));
        h.prompts.ChoosePath(path);
        h.view().OpenProject();
    }
    // Runs the check; `work` drives its window, shown as the program shows it.
    void CheckWith(const std::function<void(CLineCheckDlg&)>& work) {
        h.surface.onLineCheckDialog = [&work](LineCheckActions& actions) {
            CLineCheckDlg dialog(actions);
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            work(dialog);
        };
        h.view().CheckLine();
    }
    static QStringList Column(const QTreeWidget& list, int column) {
        QStringList texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            texts << list.topLevelItem(i)->text(column);
        return texts;
    }
    static void ClickHeader(QTreeWidget& list, int column) {
        QHeaderView* header = list.header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    static void ClickRow(QTreeWidget& list, int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.topLevelItem(row)).center());
    }
    static QPushButton& Button(CLineCheckDlg& dialog, const char* name) {
        return *dialog.findChild<QPushButton*>(QLatin1String(name));
    }

    HeadlessView h{kLine};
};

TEST_F(LineCheckWindow, AClickOnAHeaderSortsByThatColumn) {
    CheckWith([](CLineCheckDlg& dialog) {
        QTreeWidget& list = *dialog.list();
        EXPECT_EQ(Column(list, 0), (QStringList{"01", "02", "03"}));
        ClickHeader(list, 0);
        EXPECT_EQ(Column(list, 0), (QStringList{"03", "02", "01"}));
        ClickHeader(list, 2);  // the finding, as text
        EXPECT_EQ(Column(list, 2), (QStringList{"Fehlt: im Projekt, antwortet nicht",
                                                "Unerwartet: antwortet, nicht im Projekt", "Wert weicht ab"}));
    });
}

TEST_F(LineCheckWindow, ARowAndSelectGearSelectItInTheMainView) {
    CheckWith([this](CLineCheckDlg& dialog) {
        QTreeWidget& list = *dialog.list();
        QPushButton& select = Button(dialog, "selectGear");
        ClickRow(list, 1);  // 02, missing: not in the matrix
        EXPECT_FALSE(select.isEnabled());
        EXPECT_FALSE(Button(dialog, "sendProjectValues").isEnabled());
        ClickRow(list, 0);  // 01, its MAX LEVEL
        ASSERT_TRUE(select.isEnabled());
        EXPECT_TRUE(Button(dialog, "sendProjectValues").isEnabled());
        QTest::mouseClick(&select, Qt::LeftButton);
        EXPECT_EQ(h.view().store().selectedCount, 1);
        EXPECT_EQ(h.view().store().selectedAddresses[0], 1);
        EXPECT_EQ(h.view().matrix().cells[1].selected, 1);
        EXPECT_TRUE(dialog.isVisible());
    });
}

TEST_F(LineCheckWindow, TheReplacementOfAMissingGearStartsWhenTheWindowCloses) {
    CheckWith([](CLineCheckDlg& dialog) {
        QPushButton& replace = Button(dialog, "startReplacement");
        ClickRow(*dialog.list(), 0);  // 01, a value differs
        EXPECT_FALSE(replace.isEnabled());
        ClickRow(*dialog.list(), 1);  // 02, missing
        ASSERT_TRUE(replace.isEnabled());
        QTest::mouseClick(&replace, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    // The replacement ran for address 2; this bus has no new gear to put there.
    ASSERT_FALSE(h.prompts.messages.empty());
    EXPECT_EQ(h.prompts.messages.back().text, "Es wurde kein neues Gerät ohne Adresse gefunden.");
}

}  // namespace
