// kelvane-cli: the commissioning jobs from a shell (see "Command line" in README.md).

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_session.h"

#include <QCoreApplication>

namespace {
constexpr StringId kHelp = 770;
}

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    InstallInterruptHandler();
    const ParsedArguments parsed = ParseArguments(QCoreApplication::arguments().mid(1));
    CliSession session(parsed.arguments);
    if (parsed.arguments.help) {
        PrintOut(session.text(kHelp).toUtf8() + '\n');
        return int(ExitStatus::Done);
    }
    if (parsed.error) {
        session.fail(parsed.error->textId, parsed.error->word);
        return int(ExitStatus::Usage);
    }
    return int(RunCommand(session));
}
