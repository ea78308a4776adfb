// The bus test dialog: its buttons broadcast on the link it was given.

#include "link/bustest_dlg.h"
#include "tests/link/link_test_support.h"

#include <QPushButton>
#include <QTest>

namespace {

class BustestDialog : public LinkTest {
protected:
    QList<QPushButton*> Buttons() { return dialog_.findChildren<QPushButton*>(); }

    BustestDlg dialog_{link_, QStringLiteral("/opt/kelvane/language/en-EN.qm")};
};

TEST_F(BustestDialog, HasTheTitleAndThreeButtonsStackedFromTheTop) {
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Bus Test"));
    EXPECT_TRUE(dialog_.isModal());
    dialog_.show();
    const auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 3);
    QStringList captions;
    for (QPushButton* button : buttons)
        captions << button->text();
    EXPECT_EQ(captions, (QStringList{"Broadcast OFF", "Broadcast MAX", "Broadcast MIN"}));
    EXPECT_LT(buttons[0]->y(), buttons[1]->y());
    EXPECT_LT(buttons[1]->y(), buttons[2]->y());
    EXPECT_EQ(buttons[0]->size(), buttons[2]->size());
    EXPECT_EQ(dialog_.languageModulePath(), QStringLiteral("/opt/kelvane/language/en-EN.qm"));
}

TEST_F(BustestDialog, EachPressSendsItsBroadcastOnceAfterItsOwnWait) {
    dialog_.show();
    const auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 3);
    for (QPushButton* button : buttons)
        QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xFF00, 0xFF05, 0xFF06}));

    const int readsBefore = sim_.bus().statusReads();
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(sim_.bus().statusReads() - readsBefore, 3);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xFF00, 0xFF05, 0xFF06, 0xFF05, 0xFF05, 0xFF05}));
    EXPECT_TRUE(dialog_.isVisible());  // it stays open for the next press
}

TEST_F(BustestDialog, EscClosesItWithoutSending) {
    dialog_.show();
    QTest::keyClick(&dialog_, Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_TRUE(frames().empty());
}

}  // namespace
