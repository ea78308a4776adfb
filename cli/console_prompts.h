#pragma once
// The jobs' questions and progress on a console: a question is answered by
// --yes or refused, a notice is one line on standard error, and the wait
// dialog writes one progress line per step there, or a bar on a terminal
// (nothing with --quiet).
// Ctrl-C stands for the wait dialog's cancel button.

#include "devices/prompts.h"
#include "devices/wait_dialog.h"

#include <QString>

// Installs the SIGINT handler that requests the cancel; a second Ctrl-C ends
// the program at once.
void InstallInterruptHandler();
// Ctrl-C was pressed since the start.
bool InterruptRequested();

class ConsolePrompts final : public Prompts {
public:
    // `projectPath` is what a file chooser answers; `yes` answers every question.
    ConsolePrompts(Settings& settings, bool yes, QString projectPath)
        : Prompts(settings), yes_(yes), projectPath_(std::move(projectPath)) {}

    // Ctrl-C answers the cancel's own question: the next one is answered OK.
    void answerNextWithOk() { answerNextWithOk_ = true; }
    // A question was refused because --yes was not given.
    bool refusedQuestion() const { return refusedQuestion_; }
    // The id of the last notice shown, 0 for none.
    StringId lastMessage() const { return lastMessage_; }

    void ShowStockMessage(const QString& text, const QString& caption) override;
    ChooserResult ChooseInterface(KitHandle currentHandle, const QString& languageModulePath) override;
    QString ChooseFile(const FileChooserRequest& request) override;

protected:
    ConfirmationAnswer Confirm(const ConfirmationRequest& request) override;
    int Message(const MessageRequest& request) override;
    int Pick(const ListRequest& request) override;

private:
    bool yes_;
    QString projectPath_;
    bool answerNextWithOk_ = false;
    bool refusedQuestion_ = false;
    StringId lastMessage_ = 0;
};

class ConsoleWaitDialog final : public WaitDialog {
public:
    explicit ConsoleWaitDialog(bool quiet) : quiet_(quiet) {}

    void Show(const WaitDialogRequest& request) override;
    void SetProgressText(const QString& text) override;
    void Step() override;
    void Repaint() override {}
    bool CancelRequested() const override { return InterruptRequested(); }
    void Hide() override;
    void ProcessPendingEvents() override {}

private:
    bool quiet_;
    QString title_, progressText_;
    int steps_ = 0, done_ = 0;
    bool barShown_ = false;  // a terminal line waits for its line feed
};

// One line on standard error.
void PrintError(const QString& line);
