// Prompts: questions and notices built from string ids through the active
// language module, and the do-not-ask rule on askAddressChange.
#include "devices/prompts.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace {

// The address-change question: the one with a do-not-ask box.
constexpr StringId kTitle = 404, kText = 405, kOk = 179, kCancel = 181, kDontAsk = 406;

class PromptsTest : public ::testing::Test {
protected:
    int AskAddressChange() { return prompts.AskConfirmation(kTitle, kText, kOk, kCancel, kDontAsk); }

    Settings settings;
    ScriptedPrompts prompts{settings};
};

TEST_F(PromptsTest, QuestionCarriesItsIdsAndTheirTexts) {
    settings.askAddressChange = 1;
    prompts.Answer(kDialogOk);
    EXPECT_EQ(AskAddressChange(), kDialogOk);
    ASSERT_EQ(prompts.confirmations.size(), 1u);
    const ConfirmationRequest& asked = prompts.confirmations[0];
    EXPECT_EQ(asked.titleId, kTitle);
    EXPECT_EQ(asked.dontAskId, kDontAsk);
    EXPECT_EQ(asked.title, QStringLiteral("Adresse ändern"));
    EXPECT_EQ(asked.text, QStringLiteral("Soll die Adresse wirklich geändert werden?"));
    EXPECT_EQ(asked.okCaption, QStringLiteral("OK"));
    EXPECT_EQ(asked.cancelCaption, QStringLiteral("Abbrechen"));
    EXPECT_EQ(asked.dontAskCaption, QStringLiteral("Nicht mehr anzeigen"));
}

TEST_F(PromptsTest, WithoutAskingTheAddressChangeIsAgreedAtOnce) {
    for (int32_t flag : {0, 2, -1}) {
        settings.askAddressChange = flag;
        EXPECT_EQ(AskAddressChange(), kDialogOk) << flag;
        EXPECT_EQ(settings.askAddressChange, flag);
    }
    EXPECT_TRUE(prompts.confirmations.empty());
}

TEST_F(PromptsTest, OkWithTheBoxTickedStopsAskingUntilTheSettingsAreLoadedAgain) {
    settings.askAddressChange = 1;
    prompts.Answer(kDialogOk, true);
    EXPECT_EQ(AskAddressChange(), kDialogOk);
    EXPECT_EQ(settings.askAddressChange, 0);
    EXPECT_EQ(AskAddressChange(), kDialogOk);
    EXPECT_EQ(prompts.confirmations.size(), 1u);
}

TEST_F(PromptsTest, CancelOrAnUntickedBoxKeepsAsking) {
    settings.askAddressChange = 1;
    prompts.Answer(kDialogCancel, true);
    prompts.Answer(kDialogOk, false);
    EXPECT_EQ(AskAddressChange(), kDialogCancel);
    EXPECT_EQ(settings.askAddressChange, 1);
    EXPECT_EQ(AskAddressChange(), kDialogOk);
    EXPECT_EQ(settings.askAddressChange, 1);
}

TEST_F(PromptsTest, QuestionsWithoutDoNotAskTextAlwaysAppearAndNeverChangeTheFlag) {
    settings.askAddressChange = 0;
    prompts.Answer(kDialogOk, true);
    EXPECT_EQ(prompts.AskConfirmation(253, 401, 239, 240, 0), kDialogOk);
    ASSERT_EQ(prompts.confirmations.size(), 1u);
    EXPECT_EQ(prompts.confirmations[0].text,
              QStringLiteral("Wollen Sie den kompletten DALI-Bus zurücksetzten?\nAlle Einstellungen gehen verloren."));
    EXPECT_EQ(prompts.confirmations[0].okCaption, QStringLiteral("Ja"));
    EXPECT_TRUE(prompts.confirmations[0].dontAskCaption.isEmpty());
    EXPECT_EQ(settings.askAddressChange, 0);
}

TEST_F(PromptsTest, MessageHasTheOkButtonAndUsesTheActiveModule) {
    EXPECT_EQ(prompts.ShowMessage(418, 419), kDialogOk);
    settings.languageModulePath = QStringLiteral(KELVANE_LANGUAGE_DIR "/en-EN.qm");
    prompts.ShowMessage(191, 192);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("Information"));
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Der Befehl wurde erfolgreich ausgefüht."));
    EXPECT_EQ(prompts.messages[0].buttonCaption, QStringLiteral("OK"));
    EXPECT_EQ(prompts.messages[1].titleId, 191u);
    EXPECT_EQ(prompts.messages[1].title, QStringLiteral("No DALI master"));
    EXPECT_EQ(prompts.messages[1].text,
              QStringLiteral("No Quorrel interface was found.\nPlease check the USB connection and try again."));
}

}  // namespace
