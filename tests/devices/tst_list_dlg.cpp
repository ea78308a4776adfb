// CListDlg through DialogPrompts, driven with real mouse and key events: the
// entry the installer clicks or moves to is the one picked, cancel and
// Escape pick none, a result list only has OK.
#define QTEST_QPA_MOUSE_HANDLING

#include "devices/list_dlg.h"

#include "devices/dialog_prompts.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QStringList kAddresses{"3 (Flur)", "7 (Küche)", "12"};

QListWidget& List(QWidget& dialog) { return *dialog.findChild<QListWidget*>(QStringLiteral("entryList")); }
QPushButton& Button(QWidget& dialog, const char* name) {
    return *dialog.findChild<QPushButton*>(QLatin1String(name));
}

void ClickEntry(QWidget& dialog, int row, bool twice = false) {
    QListWidget& list = List(dialog);
    const QPoint at = list.visualItemRect(list.item(row)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

class ListDialog : public ::testing::Test {
protected:
    // The picked index when the installer plays `play` on the dialog.
    int Pick(std::function<void(QWidget&)> play) {
        QTimer::singleShot(0, [play = std::move(play)] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(modal));
            play(*modal);
        });
        return prompts.PickFromList(480, 490, "Welche Adresse?", kAddresses, 179, 492);
    }

    Settings settings;
    DialogPrompts prompts{settings, nullptr};
};

TEST_F(ListDialog, TheEntryClickedIsPickedWithOk) {
    EXPECT_EQ(Pick([](QWidget& dialog) {
                  EXPECT_EQ(dialog.windowTitle(), "Gerät ersetzen");
                  EXPECT_EQ(Button(dialog, "cancelButton").text(), "Überspringen");
                  ClickEntry(dialog, 1);
                  QTest::mouseClick(&Button(dialog, "okButton"), Qt::LeftButton);
              }),
              1);
}

TEST_F(ListDialog, ADoubleClickOrTheKeysPickToo) {
    EXPECT_EQ(Pick([](QWidget& dialog) { ClickEntry(dialog, 2, true); }), 2);
    EXPECT_EQ(Pick([](QWidget& dialog) {
                  QTest::keyClick(&List(dialog), Qt::Key_Down);
                  QTest::keyClick(&List(dialog), Qt::Key_Return);
              }),
              1);
}

TEST_F(ListDialog, SkipAndEscapePickNothing) {
    EXPECT_EQ(Pick([](QWidget& dialog) {
                  ClickEntry(dialog, 1);
                  QTest::mouseClick(&Button(dialog, "cancelButton"), Qt::LeftButton);
              }),
              -1);
    EXPECT_EQ(Pick([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }), -1);
}

TEST_F(ListDialog, AResultListHasOnlyOk) {
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown = true;
        EXPECT_FALSE(Button(*modal, "cancelButton").isVisible());
        EXPECT_EQ(List(*modal).count(), 2);
        EXPECT_EQ(List(*modal).selectionMode(), QAbstractItemView::NoSelection);
        QTest::mouseClick(&Button(*modal, "okButton"), Qt::LeftButton);
    });
    prompts.ShowList(480, 493, {"Adresse 3 (Flur): nicht ersetzt.", "Adresse 7: nicht ersetzt."});
    EXPECT_TRUE(shown);
}

}  // namespace
