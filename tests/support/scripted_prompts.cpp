#include "tests/support/scripted_prompts.h"

#include <gtest/gtest.h>

void ScriptedPrompts::ShowStockMessage(const QString& text, const QString& caption) {
    stockMessages.push_back({text, caption});
}

ConfirmationAnswer ScriptedPrompts::Confirm(const ConfirmationRequest& request) {
    confirmations.push_back(request);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << request.text.toStdString();
        return {};
    }
    const ConfirmationAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int ScriptedPrompts::Message(const MessageRequest& request) {
    messages.push_back(request);
    return kDialogOk;
}
