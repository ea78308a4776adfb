// CConfirmDlg, CMessageDlg and DialogPrompts: the dialogs' results, the
// do-not-ask box and how the dialogs size themselves to their texts.
#include "devices/confirm_dlg.h"

#include "devices/dialog_prompts.h"
#include "devices/message_dlg.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

QPushButton* Button(QWidget& dialog, const char* name) { return dialog.findChild<QPushButton*>(QLatin1String(name)); }
QCheckBox* DontAskBox(QWidget& dialog) { return dialog.findChild<QCheckBox*>(QStringLiteral("dontAskBox")); }

// Runs the action on the modal dialog that the next exec() opens.
void OnNextModal(std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(*modal);
    });
}

TEST(ConfirmDlg, StartsWithItsPlaceholderTexts) {
    CConfirmDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dialog"));
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QStringLiteral("Hello World!"));
    EXPECT_EQ(Button(dialog, "okButton")->text(), QStringLiteral("OKAY"));
    EXPECT_EQ(Button(dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(DontAskBox(dialog)->text(), QStringLiteral("Ignore"));
    EXPECT_FALSE(dialog.dontAskAgain());
}

TEST(ConfirmDlg, WithoutDoNotAskTextTheBoxIsHiddenAndTheDialogLower) {
    CConfirmDlg withBox;
    withBox.SetTexts("Adresse ändern", "Soll die Adresse wirklich geändert werden?", "OK", "Abbrechen",
                     "Nicht mehr anzeigen");
    CConfirmDlg withoutBox;
    withoutBox.SetTexts("Adresse ändern", "Soll die Adresse wirklich geändert werden?", "OK", "Abbrechen", "");
    EXPECT_TRUE(DontAskBox(withBox)->isVisibleTo(&withBox));
    EXPECT_FALSE(DontAskBox(withoutBox)->isVisibleTo(&withoutBox));
    EXPECT_EQ(withBox.height() - withoutBox.height(), 2 * DontAskBox(withBox)->height());
    EXPECT_EQ(withBox.width(), withoutBox.width());
}

TEST(ConfirmDlg, SizesItselfToItsText) {
    CConfirmDlg oneLine;
    oneLine.SetTexts("T", "Kurz.", "OK", "Abbrechen", "");
    CConfirmDlg threeLines;
    threeLines.SetTexts("T", "Kurz.\nKurz.\nKurz.", "OK", "Abbrechen", "");
    const QLabel* text = threeLines.findChild<QLabel*>();
    EXPECT_GT(threeLines.height(), oneLine.height());
    EXPECT_EQ(text->text(), QStringLiteral("Kurz.\nKurz.\nKurz."));
    // The buttons sit 30 pixels below the text, side by side around the middle.
    const QPushButton* ok = Button(threeLines, "okButton");
    const QPushButton* cancel = Button(threeLines, "cancelButton");
    EXPECT_EQ(ok->y(), text->geometry().bottom() + 1 + 30);
    EXPECT_EQ(cancel->y(), ok->y());
    EXPECT_LT(ok->geometry().right(), threeLines.width() / 2);
    EXPECT_GT(cancel->x(), threeLines.width() / 2);
    EXPECT_GE(threeLines.width(), text->geometry().right());
}

TEST(ConfirmDlg, OkWithTheBoxTickedSetsDontAskAgain) {
    CConfirmDlg dialog;
    dialog.show();
    DontAskBox(dialog)->setChecked(true);
    Button(dialog, "okButton")->click();
    EXPECT_EQ(dialog.result(), kDialogOk);
    EXPECT_TRUE(dialog.dontAskAgain());
}

TEST(ConfirmDlg, CancelOrClosingGivesTwoAndLeavesDontAskAgainClear) {
    CConfirmDlg dialog;
    dialog.show();
    DontAskBox(dialog)->setChecked(true);
    Button(dialog, "cancelButton")->click();
    EXPECT_EQ(dialog.result(), kDialogCancel);
    EXPECT_FALSE(dialog.dontAskAgain());

    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result(), kDialogCancel);
    EXPECT_FALSE(dialog.dontAskAgain());
}

TEST(MessageDlg, ButtonGivesOneAndSitsCentredBelowTheText) {
    CMessageDlg dialog;
    dialog.SetTexts("Information", "Es ist ein Fehler aufgetreten.", "OK");
    const QLabel* text = dialog.findChild<QLabel*>();
    QPushButton* button = Button(dialog, "okButton");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(button->text(), QStringLiteral("OK"));
    EXPECT_EQ(button->y(), text->geometry().bottom() + 1 + 30);
    EXPECT_LE(std::abs(button->geometry().center().x() - dialog.width() / 2), 1);
    dialog.show();
    button->click();
    EXPECT_EQ(dialog.result(), kDialogOk);
}

TEST(DialogPrompts, TickingTheBoxInTheRealDialogStopsTheAddressQuestion) {
    Settings settings;
    settings.askAddressChange = 1;
    DialogPrompts prompts(settings, nullptr);
    OnNextModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Adresse ändern"));
        DontAskBox(dialog)->setChecked(true);
        Button(dialog, "okButton")->click();
    });
    EXPECT_EQ(prompts.AskConfirmation(404, 405, 179, 181, 406), kDialogOk);
    EXPECT_EQ(settings.askAddressChange, 0);
}

TEST(DialogPrompts, MessageAndStockBoxShowTheirTexts) {
    Settings settings;
    DialogPrompts prompts(settings, nullptr);
    OnNextModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QStringLiteral("Es wurde kein Gerät ausgewählt."));
        Button(dialog, "okButton")->click();
    });
    EXPECT_EQ(prompts.ShowMessage(182, 421), kDialogOk);

    OnNextModal([](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("Can not read from Ini-File"));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
        box->button(QMessageBox::Ok)->click();
    });
    prompts.ShowStockMessage(QStringLiteral("Can not read from Ini-File"), QStringLiteral("Error"));
}

// A question asked while a manager window is open opens centred over that
// window, not over the main window behind it.
TEST(DialogPrompts, AQuestionOpensOverTheOpenModalWindow) {
    Settings settings;
    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 900, 700);
    DialogPrompts prompts(settings, &mainWindow);
    mainWindow.show();
    QDialog manager(&mainWindow);
    manager.setGeometry(560, 380, 200, 120);
    manager.open();
    const auto centredOver = [](const QWidget& dialog, const QWidget& window) {
        return (dialog.frameGeometry().center() - window.frameGeometry().center()).manhattanLength() <= 8;
    };
    OnNextModal([&](QWidget& dialog) {
        EXPECT_TRUE(centredOver(dialog, manager)) << dialog.frameGeometry().center().x() << "," << dialog.frameGeometry().center().y();
        Button(dialog, "cancelButton")->click();
    });
    EXPECT_EQ(prompts.AskConfirmation(253, 163, 179, 181, 0), kDialogCancel);
    manager.reject();

    OnNextModal([&](QWidget& dialog) {
        EXPECT_TRUE(centredOver(dialog, mainWindow)) << dialog.frameGeometry().center().x() << "," << dialog.frameGeometry().center().y();
        Button(dialog, "okButton")->click();
    });
    EXPECT_EQ(prompts.AskConfirmation(253, 163, 179, 181, 0), kDialogOk);
}

}  // namespace
