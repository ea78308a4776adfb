#pragma once
// Prompts for tests: answers questions from a script and records every
// question, notice and stock message box, with ids and texts.

#include "devices/prompts.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class ScriptedPrompts final : public Prompts {
public:
    explicit ScriptedPrompts(Settings& settings) : Prompts(settings) {}

    // The answers to the next questions, in order. A question without a
    // scripted answer fails the test and is answered with cancel.
    void Answer(int result, bool dontAskAgain = false) { answers_.push_back({result, dontAskAgain}); }
    size_t pendingAnswers() const { return answers_.size(); }
    // Once the scripted answers are used up, every further question gets this
    // one (long runs under faults, whose questions cannot be foreseen).
    void AnswerTheRestWith(int result) { restAnswer_ = result; }

    // The chooser's next answer: OK on the entry with this index of what the
    // kit lists at that moment, or cancel (-1). Without a script the chooser
    // fails the test and is cancelled.
    void ChooseEntry(int index) { chooserAnswers_.push_back(index); }
    // Entry texts of every chooser shown, in order.
    std::vector<QStringList> chooserLists;

    // The next file chooser's answer: a path, or empty for cancel. Without a
    // script the chooser fails the test and is cancelled.
    void ChoosePath(const QString& path) { paths_.push_back(path); }
    std::vector<FileChooserRequest> fileChoosers;

    // The next list's answer: the index of the entry chosen with OK, or -1
    // for cancel. A list to pick from without a script fails the test and is
    // cancelled; a list only to read (no cancel) needs none.
    void PickEntry(int index) { picks_.push_back(index); }
    std::vector<ListRequest> lists;

    struct StockMessage {
        QString text;
        QString caption;
    };

    std::vector<ConfirmationRequest> confirmations;
    std::vector<MessageRequest> messages;
    std::vector<StockMessage> stockMessages;

    void ShowStockMessage(const QString& text, const QString& caption) override;
    ChooserResult ChooseInterface(KitHandle currentHandle, const QString& languageModulePath) override;
    QString ChooseFile(const FileChooserRequest& request) override;

protected:
    ConfirmationAnswer Confirm(const ConfirmationRequest& request) override;
    int Message(const MessageRequest& request) override;
    int Pick(const ListRequest& request) override;

private:
    std::deque<ConfirmationAnswer> answers_;
    std::optional<int> restAnswer_;
    std::deque<int> chooserAnswers_;
    std::deque<QString> paths_;
    std::deque<int> picks_;
};
