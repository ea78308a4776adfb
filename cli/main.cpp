// kelvane-cli: the commissioning jobs from a shell (see "Command line" in README.md).

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_session.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

constexpr StringId kHelp = 770;

// The report lays its PDF out with Qt Gui, which wants a platform: the
// offscreen one, so it runs on a build server without a display. Every other
// command, and a command line that is no command, needs Qt Core alone.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[], const ParsedArguments& parsed) {
    if (parsed.error || parsed.arguments.help || parsed.arguments.command != QLatin1String("report"))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries progress and errors: Qt Gui's notes on a
    // machine without a desktop session (no runtime folder) stay out of it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    const ParsedArguments parsed = ParseArguments(words);
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv, parsed);
    InstallInterruptHandler();
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
