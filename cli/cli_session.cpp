#include "cli/cli_session.h"

#include "addressing/matrix_model.h"
#include "app/interface_list.h"
#include "devices/bus_scan.h"
#include "storage/language_modules.h"
#include "storage/load_text.h"
#include "storage/program_paths.h"

#include <cstdio>

namespace {

constexpr StringId kNoInterface = 776, kSeveralInterfaces = 777, kNoSuchInterface = 778, kNoBridge = 779,
                   kCancelled = 780;
constexpr unsigned kReadTimeoutMs = 2000;

QString moduleFor(const QString& language) {
    return LanguageModulePath(ProgramPaths::ForRunningProgram().programFolder,
                              language.isEmpty() ? QStringLiteral("en-EN") : language);
}

}  // namespace

void PrintOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

CliSession::CliSession(const CliArguments& a)
    : arguments(a),
      settings{0, 0, 0, moduleFor(a.language), 30},
      // "save" is its own answer to the question whether to save.
      prompts(settings, a.yes || a.command == QLatin1String("save"), a.arguments.value(0)),
      waitDialog(a.quiet) {}

QString CliSession::text(StringId id) const { return LoadText(id, languageModulePath()); }

void CliSession::fail(StringId id, const QString& word) const {
    const QString line = text(id);
    PrintError(line.contains(QLatin1String("%1")) ? line.arg(word) : line);
}

ExitStatus CliSession::Connect() {
    const std::vector<InterfaceEntry> entries = ListQuorrelInterfaces();
    KitHandle chosen = nullptr;
    QStringList serials;
    for (const InterfaceEntry& entry : entries) {
        const QString serial = InterfaceSerial(entry.handle);
        serials << serial;
        if (serial == arguments.interfaceSerial)
            chosen = entry.handle;
    }
    if (!arguments.interfaceSerial.isEmpty() && !chosen) {
        fail(kNoSuchInterface, arguments.interfaceSerial);
        return ExitStatus::Interface;
    }
    if (entries.empty()) {
        fail(kNoInterface);
        return ExitStatus::Interface;
    }
    if (!chosen && entries.size() > 1) {
        fail(kSeveralInterfaces, serials.join(QStringLiteral(", ")));
        return ExitStatus::Interface;
    }
    if (!chosen)
        chosen = entries.front().handle;
    kit_set_timeout(chosen, kReadTimeoutMs);
    dalikit_EnableI2C(chosen);
    store.link = {chosen, dalikit_ProbeBridgeAddress(chosen)};
    if (store.link.bridgeAddress == 0) {
        fail(kNoBridge, InterfaceSerial(chosen));
        return ExitStatus::BusError;
    }
    return ExitStatus::Done;
}

ExitStatus CliSession::Scan() {
    MatrixModel matrix;
    BusScanContext context{store.link, store, matrix, waitDialog, prompts, languageModulePath(), [] {}, [] {}};
    const BusScanResult result = RunBusScan(context);
    if (!result.ran || result.busFault)
        return ExitStatus::BusError;
    if (InterruptRequested()) {
        fail(kCancelled);
        return ExitStatus::Cancelled;
    }
    return ExitStatus::Done;
}
