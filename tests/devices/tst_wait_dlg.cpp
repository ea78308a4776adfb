// CWaitDlg: what a job's request shows, the cancel button that only records,
// the keys it swallows and the busy cursor while it is shown.
#include "devices/wait_dlg.h"
#include "tests/support/qt_printers.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

WaitDialogRequest ScanRequest() {
    return {QStringLiteral("Suche nach Geräten"),
            QStringLiteral("Bitte warten, bis die Suche beendet wurde."),
            1,
            1,
            QStringLiteral("Abbrechen"),
            64};
}

WaitDialogRequest ReadRequest() {
    return {QStringLiteral("Lese Daten"),
            QStringLiteral("Bitte warten, bis die Daten gelesen wurden."),
            0,
            0,
            QString(),
            0};
}

class WaitDlgTest : public ::testing::Test {
protected:
    void TearDown() override { dialog.Hide(); }

    QProgressBar* bar() { return dialog.findChild<QProgressBar*>(QStringLiteral("progressBar")); }
    QPushButton* cancel() { return dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")); }
    QLabel* progressText() { return dialog.findChild<QLabel*>(QStringLiteral("progressText")); }
    QLabel* message() { return dialog.findChild<QLabel*>(QStringLiteral("message")); }

    // The key goes to the widget as if it had the focus; keys it does not
    // take travel up to the dialog.
    static void Press(QWidget* widget, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }

    QWidget owner;
    CWaitDlg dialog{&owner};
};

TEST_F(WaitDlgTest, ShowsTheRequestWithBarAndCancelButton) {
    dialog.Show(ScanRequest());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Suche nach Geräten"));
    EXPECT_EQ(message()->text(), QStringLiteral("Bitte warten, bis die Suche beendet wurde."));
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(bar()->minimum(), 0);
    EXPECT_EQ(bar()->maximum(), 64);
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_TRUE(cancel()->isVisible());
    EXPECT_EQ(cancel()->text(), QStringLiteral("Abbrechen"));
    dialog.Step();
    dialog.Step();
    EXPECT_EQ(bar()->value(), 2);
}

TEST_F(WaitDlgTest, AJobWithoutProgressHidesTheBarAnEarlierJobShowed) {
    dialog.Show(ScanRequest());
    const int heightWithBar = dialog.height();
    dialog.Hide();
    dialog.Show(ReadRequest());
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_FALSE(cancel()->isVisible());
    EXPECT_LT(dialog.height(), heightWithBar);
    EXPECT_GE(dialog.width(), 400);
}

TEST_F(WaitDlgTest, ShowStartsTheBarAgainAndClearsTheProgressText) {
    dialog.Show(ScanRequest());
    dialog.Step();
    dialog.SetProgressText(QStringLiteral("Sende Daten an Gerät 0 von 3"));
    dialog.Show(ScanRequest());
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_TRUE(progressText()->text().isEmpty());
}

TEST_F(WaitDlgTest, ProgressTextIsLaidOutBelowTheBar) {
    dialog.Show(ScanRequest());
    const int emptyHeight = dialog.height();
    dialog.SetProgressText(QStringLiteral("Sende Daten an Gerät 1 von 3\nund mehr"));
    EXPECT_EQ(progressText()->text(), QStringLiteral("Sende Daten an Gerät 1 von 3\nund mehr"));
    EXPECT_GT(progressText()->y(), bar()->geometry().bottom());
    EXPECT_GT(cancel()->y(), progressText()->geometry().bottom());
    EXPECT_GT(dialog.height(), emptyHeight);
}

TEST_F(WaitDlgTest, CancelButtonOnlyRecordsTheRequest) {
    dialog.Show(ScanRequest());
    EXPECT_FALSE(dialog.CancelRequested());
    cancel()->click();
    EXPECT_TRUE(dialog.CancelRequested());
    EXPECT_TRUE(dialog.isVisible());
    dialog.Show(ScanRequest());
    EXPECT_FALSE(dialog.CancelRequested());
}

TEST_F(WaitDlgTest, EnterEscAndTheCloseBoxDoNotCloseIt) {
    dialog.Show(ScanRequest());
    for (QWidget* target : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(cancel())}) {
        Press(target, Qt::Key_Escape);
        Press(target, Qt::Key_Return);
        Press(target, Qt::Key_Enter);
    }
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.CancelRequested());
}

TEST_F(WaitDlgTest, BusyCursorWhileShown) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    dialog.Show(ReadRequest());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    dialog.Show(ScanRequest());  // a second job without Hide between
    dialog.Hide();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(dialog.isVisible());
    dialog.Hide();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
