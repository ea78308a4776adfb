#include "cli/address_command.h"

#include "addressing/addressing_assistant.h"
#include "cli/cli_json.h"
#include "cli/cli_session.h"
#include "dali/dali_commands.h"

#include <QTimer>

namespace {

constexpr StringId kInformationTitle = 418, kFinishedText = 422, kQuestionRefused = 782, kCancelled = 780;
// How often the run looks whether Ctrl-C was pressed.
constexpr int kInterruptPollMs = 50;

class ConsoleAssistantSurface final : public addressing::AssistantSurface {
public:
    explicit ConsoleAssistantSurface(bool quiet) : quiet_(quiet) {}
    void AppendProgressLine(const QString& line) override {
        if (!quiet_)
            PrintError(line);
    }
    void DisableRunControls() override {}
    void DisableCancel() override {}
    void ProcessPendingEvents() override {}

private:
    bool quiet_;
};

}  // namespace

ExitStatus RunAddressCommand(CliSession& s) {
    const ExitStatus status = s.Connect();
    if (status != ExitStatus::Done)
        return status;
    addressing::AddressingAssistant assistant(s.store.link, s.store, s.prompts, s.languageModulePath());
    ConsoleAssistantSurface surface(s.arguments.quiet);
    assistant.SetSurface(&surface);
    QTimer interruptWatch;
    QObject::connect(&interruptWatch, &QTimer::timeout, [&] {
        if (InterruptRequested() && assistant.running()) {
            s.prompts.answerNextWithOk();
            assistant.Cancel();
        }
    });
    interruptWatch.start(kInterruptPollMs);
    const addressing::AssistantChoice choice{s.arguments.newAddresses ? addressing::AddressingMode::NewAddressing
                                                                      : addressing::AddressingMode::AddToInstallation,
                                             false, false};
    if (!assistant.Start(choice)) {
        s.fail(kQuestionRefused);
        return ExitStatus::Usage;
    }
    interruptWatch.stop();
    if (!s.arguments.quiet)
        s.prompts.ShowMessage(kInformationTitle, kFinishedText);
    dalikit_Send(s.store.link, dali::code(dali::SpecialOp::Terminate), 0x00);
    PrintOut(Render(PresentAddressesJson(s.store.workingTable), s.arguments.json));
    if (InterruptRequested()) {
        s.fail(kCancelled);
        return ExitStatus::Cancelled;
    }
    return ExitStatus::Done;
}
