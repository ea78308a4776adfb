#pragma once
// Prompts for tests: answers questions from a script and records every
// question, notice and stock message box, with ids and texts.

#include "devices/prompts.h"

#include <deque>
#include <vector>

class ScriptedPrompts final : public Prompts {
public:
    explicit ScriptedPrompts(Settings& settings) : Prompts(settings) {}

    // The answers to the next questions, in order. A question without a
    // scripted answer fails the test and is answered with cancel.
    void Answer(int result, bool dontAskAgain = false) { answers_.push_back({result, dontAskAgain}); }
    size_t pendingAnswers() const { return answers_.size(); }

    struct StockMessage {
        QString text;
        QString caption;
    };

    std::vector<ConfirmationRequest> confirmations;
    std::vector<MessageRequest> messages;
    std::vector<StockMessage> stockMessages;

    void ShowStockMessage(const QString& text, const QString& caption) override;

protected:
    ConfirmationAnswer Confirm(const ConfirmationRequest& request) override;
    int Message(const MessageRequest& request) override;

private:
    std::deque<ConfirmationAnswer> answers_;
};
