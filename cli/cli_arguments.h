#pragma once
// The command line of kelvane-cli: a command, its arguments and options.
// Parsing only looks at the words; it never opens the kit, so a bad command
// line sends nothing.

#include "resources/string_table.h"

#include <QString>
#include <QStringList>

#include <optional>

// The documented exit statuses.
enum class ExitStatus {
    Done = 0,
    Usage = 1,
    Interface = 2,    // no interface, or several and none picked
    Differences = 3,  // the bus differs from the project
    BusError = 4,
    FileError = 5,
    Cancelled = 130,  // Ctrl-C, as a shell reports a SIGINT
};

struct CliArguments {
    QString command;
    QStringList arguments;  // the words after the command that are no options
    QString interfaceSerial;
    QString language;  // "de-DE", "en-EN"; empty: English
    bool quiet = false;
    bool json = false;
    bool csv = false;  // check: the rows as CSV
    QString pdfPath, csvPath;  // report: the files it writes
    bool offline = false;      // report: from the project file alone
    bool yes = false;
    bool help = false;
    bool newAddresses = false, addAddresses = false;
    bool functionTest = false, durationTest = false;
    std::optional<int> group;
};

// A usage error: the text's id and the word it is about.
struct UsageError {
    StringId textId = 0;
    QString word;
};

struct ParsedArguments {
    CliArguments arguments;
    std::optional<UsageError> error;
};

// Options may stand anywhere after the program's name; "--name=value" and
// "--name value" are both taken.
ParsedArguments ParseArguments(const QStringList& words);

// A short address 0..63 written in decimal, or nothing.
std::optional<int> ParseShortAddress(const QString& word);
