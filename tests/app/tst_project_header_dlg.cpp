// "Projektangaben" from the "Datei" menu of the whole window: the fields
// typed with the keys, OK and Escape, and what the store holds afterwards.

#include "app/project_header_dlg.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using C = CommandId;

class ProjectHeaderDialog : public MainWindowTest {
protected:
    // Triggers the menu entry; `keys` works the dialog once it is open.
    void EditHeader(std::function<void(CProjectHeaderDlg&)> keys) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CProjectHeaderDlg*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            opened = true;
            keys(*dialog);
        });
        Trigger(C::ProjectHeader);
        EXPECT_TRUE(opened);
    }
};

TEST_F(ProjectHeaderDialog, TypedFieldsGoIntoTheStoreWithOkAndEscapeKeepsThem) {
    Start(1, kDialogOk);
    ASSERT_TRUE(EnabledMenuEntries().count(C::ProjectHeader));
    view().store().projectHeader.project = QStringLiteral("Altbau");
    EditHeader([](CProjectHeaderDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Projektangaben");
        auto* project = dialog.findChild<QLineEdit*>("project");
        ASSERT_EQ(dialog.focusWidget(), project);
        QTest::keyClick(project, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(project, "Umbau Nord ");
        QTest::keyClick(project, Qt::Key_Tab);
        QTest::keyClicks(dialog.focusWidget(), "Halle 3");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(dialog.focusWidget(), "Elektro Sorn");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        auto* notes = dialog.findChild<QPlainTextEdit*>("notes");
        ASSERT_EQ(dialog.focusWidget(), notes);
        QTest::keyClicks(notes, "Zeile 1");
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, "Zeile 2");
        QTest::keyClick(notes, Qt::Key_Tab);  // on to OK
        ASSERT_EQ(dialog.focusWidget(), dialog.findChild<QPushButton*>("ok"));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    });
    const ProjectHeader typed{"Umbau Nord", "Halle 3", "Elektro Sorn", "Zeile 1\nZeile 2"};
    EXPECT_EQ(view().store().projectHeader, typed);
    EXPECT_EQ(view().projectDirty, 1);

    view().projectDirty = 0;
    EditHeader([](CProjectHeaderDlg& dialog) {
        QTest::keyClicks(dialog.focusWidget(), "verworfen");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(view().store().projectHeader, typed);
    EXPECT_EQ(view().projectDirty, 0);
    EXPECT_TRUE(TakeForwardFrames().empty());
}

// No field takes more than a project file keeps, however long the typing.
TEST_F(ProjectHeaderDialog, EveryFieldStopsAtTheFilesLimit) {
    CProjectHeaderDlg dialog(ProjectHeader{}, QString());
    dialog.show();
    const QString tooLong(int(kMaxProjectTextLength) + 20, u'x');
    for (const char* field : {"project", "site", "installer"})
        QTest::keyClicks(dialog.findChild<QLineEdit*>(field), tooLong);
    QTest::keyClicks(dialog.findChild<QPlainTextEdit*>("notes"), tooLong);
    const QString kept(int(kMaxProjectTextLength), u'x');
    EXPECT_EQ(dialog.header(), (ProjectHeader{kept, kept, kept, kept}));
}

}  // namespace
