#pragma once
// What every command of kelvane-cli works with: the settings (language), the
// console prompts and progress, the device store, and the interface the
// command line picked, connected as the window connects it.

#include "cli/cli_arguments.h"
#include "cli/console_prompts.h"
#include "devices/device_store.h"
#include "storage/settings.h"

#include <QByteArray>

class CliSession {
public:
    explicit CliSession(const CliArguments& arguments);

    const CliArguments& arguments;
    Settings settings;
    ConsolePrompts prompts;
    ConsoleWaitDialog waitDialog;
    DeviceStore store;

    const QString& languageModulePath() const { return settings.languageModulePath; }
    QString text(StringId id) const;
    // One line of the language's text with "%1" filled in, on standard error.
    void fail(StringId id, const QString& word = {}) const;

    // The interface the command line names, or the only one attached; opened,
    // its bridge found, in the store's link. Done, or Interface / BusError
    // after a line on standard error.
    ExitStatus Connect();
    // The bus scan into the store. Done, BusError or Cancelled.
    ExitStatus Scan();
};

// Writes to standard output.
void PrintOut(const QByteArray& bytes);
