#include "tests/support/scripted_prompts.h"

#include "app/interface_list.h"

#include <gtest/gtest.h>

void ScriptedPrompts::ShowStockMessage(const QString& text, const QString& caption) {
    stockMessages.push_back({text, caption});
}

ConfirmationAnswer ScriptedPrompts::Confirm(const ConfirmationRequest& request) {
    confirmations.push_back(request);
    if (answers_.empty() && restAnswer_)
        return {*restAnswer_, false};
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

int ScriptedPrompts::Pick(const ListRequest& request) {
    lists.push_back(request);
    if (request.cancelId == 0)
        return 0;
    if (picks_.empty()) {
        ADD_FAILURE() << "unexpected list: " << request.text.toStdString();
        return -1;
    }
    const int index = picks_.front();
    picks_.pop_front();
    return index;
}

Prompts::ChooserResult ScriptedPrompts::ChooseInterface(KitHandle, const QString&) {
    const std::vector<InterfaceEntry> entries = ListQuorrelInterfaces();
    QStringList texts;
    for (const InterfaceEntry& entry : entries)
        texts << entry.text;
    chooserLists.push_back(texts);
    if (chooserAnswers_.empty()) {
        ADD_FAILURE() << "unexpected interface chooser";
        return {};
    }
    const int index = chooserAnswers_.front();
    chooserAnswers_.pop_front();
    if (index < 0 || index >= int(entries.size()))
        return {kDialogCancel, nullptr};
    return {kDialogOk, entries[size_t(index)].handle};
}

QString ScriptedPrompts::ChooseFile(const FileChooserRequest& request) {
    fileChoosers.push_back(request);
    if (paths_.empty()) {
        ADD_FAILURE() << "unexpected file chooser";
        return {};
    }
    QString path = paths_.front();
    paths_.pop_front();
    return path;
}
